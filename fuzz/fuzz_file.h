#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace scrivel::fuzz {

// The readers take a path, so each input is handed to them as a file: an anonymous one in memory,
// reached through /proc, so a run of millions of inputs never touches the disk.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("scrivel-fuzz", MFD_CLOEXEC)) {
        if (fd_ < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the file's bytes; returns its path.
    const std::string& Hold(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0) {
            std::abort();
        }
        std::size_t done = 0;
        while (done < size) {
            const ssize_t count = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (count <= 0) {
                std::abort();
            }
            done += static_cast<std::size_t>(count);
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// Stops the run on a broken promise of a reader, with the reason; libFuzzer keeps the input.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace scrivel::fuzz
