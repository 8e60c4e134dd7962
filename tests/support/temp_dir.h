#pragma once

#include <filesystem>
#include <string>

namespace scrivel::test {

// A fresh folder under /tmp, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending with '/'.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

    // Writes bytes to File(name) and returns that path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // The bytes of File(name); empty when it cannot be read.
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

// A TempDir that is the current folder while it lives, as the skin files are looked up from there.
class CurrentTempDir : public TempDir {
public:
    CurrentTempDir() { std::filesystem::current_path(Path()); }
    ~CurrentTempDir() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
};

} // namespace scrivel::test
