#include "platform/file_system.h"
#include "support/temp_dir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

namespace scrivel::platform {
namespace {

// Everything in the folder: a failed or finished write must leave no temporary file behind.
std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(FileSystem, ExecutableFolderHoldsThisProgram) {
    const std::string folder = ExecutableFolder();
    EXPECT_TRUE(folder.starts_with('/') && folder.ends_with('/')) << folder;
    EXPECT_TRUE(FileExists(folder + "platform_tests")) << folder;
}

TEST(FileSystem, CreateEmptyFileNeverTruncates) {
    test::TempDir dir;
    EXPECT_FALSE(FileExists(dir.File("new")));
    EXPECT_TRUE(CreateEmptyFile(dir.File("new")));
    EXPECT_TRUE(FileExists(dir.File("new")));
    EXPECT_FALSE(FileExists(dir.Path()));

    dir.Write("old", "keep me");
    EXPECT_TRUE(CreateEmptyFile(dir.File("old")));
    EXPECT_EQ(dir.Read("old"), "keep me");
    EXPECT_FALSE(CreateEmptyFile(dir.File("missing/new")));
}

TEST(FileSystem, ReadWholeFileGivesEveryByte) {
    test::TempDir dir;
    std::string big(200000, '\0');
    big.back() = '\xFF';
    EXPECT_EQ(ReadWholeFile(dir.Write("big", big)), big);
    // An empty file is read, not a failure.
    EXPECT_EQ(ReadWholeFile(dir.Write("empty", "")), std::string());
    EXPECT_EQ(ReadWholeFile(dir.File("missing")), std::nullopt);
    EXPECT_EQ(ReadWholeFile(dir.Path()), std::nullopt);
}

TEST(FileSystem, WriteFileAtomicallyReplacesKeepingPermissions) {
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir.File("score.ini"), "first"));
    chmod(dir.File("score.ini").c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(dir.File("score.ini"), "second"));
    EXPECT_EQ(dir.Read("score.ini"), "second");
    struct stat info {};
    ASSERT_EQ(stat(dir.File("score.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"score.ini"});
}

TEST(FileSystem, WriteFileAtomicallyFailureLeavesEverythingAsItWas) {
    test::TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/options.ini"), "x"));
    dir.Write("blocker", "old");
    EXPECT_FALSE(WriteFileAtomically(dir.File("blocker/options.ini"), "x"));
    EXPECT_EQ(dir.Read("blocker"), "old");
    // Here the temporary file is written and the rename over a folder fails.
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("folder"), "x"));
    EXPECT_EQ(Entries(dir.Path()), (std::set<std::string>{"blocker", "folder"}));
}

TEST(FileSystem, WriteFileAtomicallyOnFullDiskKeepsOldFile) {
    test::TempDir dir;
    dir.Write("score.ini", "Bob=640\r\n");
    // A file size limit fails the write as a full disk would (and works for root too).
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const bool written = WriteFileAtomically(dir.File("score.ini"), std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);

    EXPECT_FALSE(written);
    EXPECT_EQ(dir.Read("score.ini"), "Bob=640\r\n");
    EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"score.ini"});
}

TEST(FileSystem, Latin1ToUtf8) {
    EXPECT_EQ(Latin1ToUtf8("abc=10"), "abc=10");
    EXPECT_EQ(Latin1ToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Latin1ToUtf8("\x80\xBF\xC0\xFF"), "\xC2\x80\xC2\xBF\xC3\x80\xC3\xBF");
    EXPECT_EQ(Latin1ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

} // namespace
} // namespace scrivel::platform
