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

using Names = std::set<std::string>;

// Everything in the folder: a failed or finished write must leave no temporary file behind.
Names Entries(const std::string& folder) {
    Names names;
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

TEST(FileSystem, CreateEmptyFileNeverTruncatesAndReadWholeFileGivesEveryByte) {
    test::TempDir dir;
    EXPECT_TRUE(CreateEmptyFile(dir.File("new")));
    EXPECT_TRUE(FileExists(dir.File("new")));
    EXPECT_EQ(ReadWholeFile(dir.File("new")), std::string()) << "an empty file is read";
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_FALSE(CreateEmptyFile(dir.File("missing/new")));
    std::string big(200000, '\0');
    big.back() = '\xFF';
    EXPECT_TRUE(CreateEmptyFile(dir.Write("old", big)));
    EXPECT_EQ(ReadWholeFile(dir.File("old")), big);
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
    EXPECT_EQ(Entries(dir.Path()), Names{"score.ini"});
}

TEST(FileSystem, WriteFileAtomicallyFailureLeavesEverythingAsItWas) {
    test::TempDir dir;
    dir.Write("score.ini", "Bob=640\r\n");
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/options.ini"), "x"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("score.ini/options.ini"), "x"));
    // Here the temporary file is written and the rename over a folder fails.
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("folder"), "x"));
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
    EXPECT_EQ(Entries(dir.Path()), (Names{"folder", "score.ini"}));
}

TEST(FileSystem, Latin1ToUtf8) {
    EXPECT_EQ(Latin1ToUtf8(std::string_view("a=\0\x7F\x80\xBF\xC0\xE9\xFF", 9)),
              std::string("a=\0\x7F\xC2\x80\xC2\xBF\xC3\x80\xC3\xA9\xC3\xBF", 14));
}

} // namespace
} // namespace scrivel::platform
