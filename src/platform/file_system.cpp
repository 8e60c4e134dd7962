#include "platform/file_system.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace scrivel::platform {

namespace {

// Owns a file descriptor; closing it twice or leaking it on an early return is then impossible.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }

    // Closes now and reports the result: on some file systems a failed write only shows here.
    bool Close() {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_ = -1;
};

// Removes the temporary file unless the rename took it over.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::string_view kTemporaryMark = ".tmp";

// The decimal number at the start of text up to stop, as std::to_string writes it (no sign, no
// leading zero), or -1.
long long NumberUpTo(std::string_view text, size_t stop) {
    if (stop == 0 || stop > 18 || (text[0] == '0' && stop > 1)) {
        return -1;
    }
    long long value = 0;
    for (size_t i = 0; i < stop; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The pid in name when it is one of WriteFileAtomically's temporary names for base, or -1.
long long TemporaryOwner(std::string_view name, std::string_view base) {
    if (name.substr(0, base.size()) != base ||
        name.substr(base.size(), kTemporaryMark.size()) != kTemporaryMark) {
        return -1;
    }
    name.remove_prefix(base.size() + kTemporaryMark.size());
    const size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        return -1;
    }
    const long long pid = NumberUpTo(name, dot);
    const std::string_view rest = name.substr(dot + 1);
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || NumberUpTo(rest, rest.size()) < 0) {
        return -1;
    }
    return pid;
}

// Whether pid names a process other than this one that still runs (EPERM: it runs as another user).
bool OtherProcessRuns(pid_t pid) {
    return pid != ::getpid() && (::kill(pid, 0) == 0 || errno == EPERM);
}

// Opens a new, exclusive file beside path. Created with 0666 so the umask applies as it would to
// any new file of the user's.
FileDescriptor CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "." +
                    std::to_string(digits(device));
        FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.Valid() || errno != EEXIST) {
            return fd;
        }
    }
    return FileDescriptor(-1);
}

FileError SystemError(int error) {
    return {FileError::Kind::System, error};
}

FileWrite Failed(int error) {
    return {false, SystemError(error)};
}

} // namespace

std::string ExecutableFolder() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            // No /proc: the current folder is the best remaining guess.
            return "./";
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<size_t>(length));
            return path.substr(0, path.rfind('/') + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool CreateEmptyFile(const std::string& path) {
    // No O_TRUNC: an existing file keeps its contents.
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    return fd.Valid() && fd.Close();
}

FileRead ReadFile(const std::string& path) {
    using Outcome = FileRead::Outcome;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        const int error = errno;
        return error == ENOENT ? FileRead{} : FileRead{Outcome::Failed, {}, SystemError(error)};
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return {Outcome::Failed, {}, SystemError(errno)};
    }
    if (S_ISDIR(info.st_mode)) {
        return {Outcome::Failed, {}, SystemError(EISDIR)};
    }
    FileRead file{Outcome::Read, {}, {}};
    if (info.st_size > 0) {
        file.bytes.reserve(static_cast<size_t>(info.st_size));
    }
    // Read to the end rather than trusting st_size: the file may grow, or be a pipe.
    char chunk[65536];
    for (;;) {
        const ssize_t count = ::read(fd.Get(), chunk, sizeof chunk);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {Outcome::Failed, {}, SystemError(errno)};
        }
        if (count == 0) {
            return file;
        }
        file.bytes.append(chunk, static_cast<size_t>(count));
    }
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileRead file = ReadFile(path);
    if (file.outcome != FileRead::Outcome::Read) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool WritableOrMissing(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT;
    }
    if (::geteuid() == 0) {
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

FileWrite WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (!WritableOrMissing(path)) {
        return {false, {FileError::Kind::ReadOnlyFile, 0}};
    }
    std::string temporaryPath;
    FileDescriptor fd = CreateTemporaryBeside(path, temporaryPath);
    if (!fd.Valid()) {
        return Failed(errno);
    }
    TemporaryFile temporary(temporaryPath);

    // A rewritten file keeps the permissions the user gave the old one.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd.Get(), old.st_mode & 07777);
    }
    if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0 || !fd.Close()) {
        return Failed(errno);
    }
    if (::rename(temporary.Path().c_str(), path.c_str()) != 0) {
        return Failed(errno);
    }
    temporary.Release();

    // Makes the rename itself durable; the new contents are in place whatever this returns.
    FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) {
        ::fsync(folder.Get());
    }
    return {true, {}};
}

int RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string base = path.substr(path.rfind('/') + 1);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (base.empty() || !listing) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(listing.get())) {
        const long long owner = TemporaryOwner(entry->d_name, base);
        if (owner < 0 || OtherProcessRuns(static_cast<pid_t>(owner))) {
            continue;
        }
        // Not a link or a folder under the same name: only the writer's own kind of file.
        const std::string name = folder + "/" + entry->d_name;
        struct stat info {};
        if (::lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::unlink(name.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

std::optional<FileError> MakeFolders(const std::string& folder) {
    // Each prefix up to a '/', then the whole path when it does not end with one.
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (part.empty()) {
            break;
        }
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return SystemError(errno);
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return SystemError(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return SystemError(ENOTDIR);
    }
    if (!WritableOrMissing(folder)) {
        return FileError{FileError::Kind::ReadOnlyFolder, 0};
    }
    return std::nullopt;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

} // namespace scrivel::platform
