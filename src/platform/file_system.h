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

// Why a file operation failed: a system error, or a file or folder the player may not write.
struct FileError {
    enum class Kind { System, ReadOnlyFile, ReadOnlyFolder };
    Kind kind = Kind::System;
    int number = 0; // errno, for System
};

// What reading a file found: its bytes, no file at all, or a file that is there but could not be
// read (then error says why).
struct FileRead {
    enum class Outcome { Read, Missing, Failed };
    Outcome outcome = Outcome::Missing;
    std::string bytes;
    FileError error;
};

FileRead ReadFile(const std::string& path);
// How the game reads the player's files; tests hand in one that fails.
using FileReader = std::function<FileRead(const std::string& path)>;

// All bytes of the file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Whether a write succeeded, and if not, why.
struct FileWrite {
    bool written = false;
    FileError error;
    explicit operator bool() const { return written; }
};

// Writes bytes to a temporary file in path's folder, flushes it and renames it over path. Fails
// (and leaves path untouched) when any step fails, or when path exists but is not writable for the
// player: the rename needs only the folder's permission, and would otherwise replace a file the
// player made read-only.
FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that WriteFileAtomically(path, ...) left behind when its process was
// killed mid-save: regular files named path + ".tmp<pid>.<n>" whose process is gone (or is this
// one, which is not saving path while it calls this). Anything else is kept, however alike its
// name. Returns how many were removed.
int RemoveStaleTemporaries(const std::string& path);

// Whether the file at path may be replaced: true when there is none. The superuser may write any
// file, so for it a file counts as writable only while one of its write bits is set (as it may
// run a file only while one execute bit is set); anyone else needs write access.
bool WritableOrMissing(const std::string& path);

// Makes folder and its missing parents, the new ones private to the user. Nothing when the folder
// is there and writable; else why not.
std::optional<FileError> MakeFolders(const std::string& folder);

// Latin-1 bytes (words, letters) to UTF-8 for text that people read.
std::string Latin1ToUtf8(std::string_view latin1);

} // namespace scrivel::platform
