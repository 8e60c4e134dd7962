#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace scrivel::platform {

// Folder of the running executable, ending with '/'.
std::string ExecutableFolder();

bool FileExists(const std::string& path);

// Creates path as an empty file unless it exists. False when it cannot be created.
bool CreateEmptyFile(const std::string& path);

// What reading a file found: its bytes, no file at all, or a file that is there but could not be
// read (then error says why, in French, for the player).
struct FileRead {
    enum class Outcome { Read, Missing, Failed };
    Outcome outcome = Outcome::Missing;
    std::string bytes;
    std::string error;
};

FileRead ReadFile(const std::string& path);
// How the game reads the player's files; tests hand in one that fails.
using FileReader = std::function<FileRead(const std::string& path)>;

// All bytes of the file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Whether a write succeeded, and if not, why (in French, for the player).
struct FileWrite {
    bool written = false;
    std::string error;
    explicit operator bool() const { return written; }
};

// Writes bytes to a temporary file in path's folder, flushes it and renames it over path. Fails
// (and leaves path untouched) when any step fails, or when path exists but is not writable for the
// player: the rename needs only the folder's permission, and would otherwise replace a file the
// player made read-only.
FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether the file at path may be replaced: true when there is none. The superuser may write any
// file, so for it a file counts as writable only while one of its write bits is set (as it may
// run a file only while one execute bit is set); anyone else needs write access.
bool WritableOrMissing(const std::string& path);

// Makes folder and its missing parents, the new ones private to the user. Nothing when the folder
// is there and writable; else why not (in French, for the player).
std::optional<std::string> MakeFolders(const std::string& folder);

// The system's error errno in the player's language; strerror would speak the C locale's English.
std::string ErrorReason(int error);

// Latin-1 bytes (words, letters) to UTF-8 for text that people read.
std::string Latin1ToUtf8(std::string_view latin1);

} // namespace scrivel::platform
