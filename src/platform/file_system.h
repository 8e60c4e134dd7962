#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrivel::platform {

// Folder of the running executable, ending with '/'.
std::string ExecutableFolder();

bool FileExists(const std::string& path);

// Creates path as an empty file unless it exists. False when it cannot be created.
bool CreateEmptyFile(const std::string& path);

// All bytes of the file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes bytes to a temporary file in path's folder, flushes it and renames it over path. False
// (and path untouched) when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Latin-1 bytes (words, letters) to UTF-8 for text that people read.
std::string Latin1ToUtf8(std::string_view latin1);

} // namespace scrivel::platform
