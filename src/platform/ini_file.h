#pragma once

#include "platform/file_system.h"

#include <string>
#include <string_view>
#include <vector>

namespace scrivel::platform {

// A Windows-style INI file held in memory: section and key names compare without case, values are
// trimmed, unknown lines are kept as they are. Changes reach the disk only through Save.
class IniFile {
public:
    // Reads path; a missing or unreadable file gives an empty one.
    explicit IniFile(std::string path);
    // Holds text as if read from path, which only Save uses.
    IniFile(std::string path, std::string_view text);

    const std::string& Path() const { return path_; }

    // The trimmed value, or def when the section or key is missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // A decimal integer, or hexadecimal after "0x" or "$" (optionally signed); def when the key is
    // missing or its whole value is not such a number.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;

    // Replaces the key's value, or appends the key to its section (the section at the end of the
    // file when it is new). Every other line stays as it was.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // Writes a temporary file in the same folder and renames it over the old one, so a crash or a
    // full disk never leaves half a file. False when either step fails (the old file is untouched).
    FileWrite Save() const;
    // The lines as Save writes them, each ended by CR LF.
    std::string Text() const;

private:
    void SetText(std::string_view text);

    std::string path_;
    std::vector<std::string> lines_;
};

} // namespace scrivel::platform
