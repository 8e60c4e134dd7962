#include "platform/file_system.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(FileSystem, ExecutableFolderCreateEmptyFileAndReadFile) {
    const std::string folder = ExecutableFolder();
    EXPECT_TRUE(folder.starts_with('/') && FileExists(folder + "platform_tests")) << folder;
    test::TempDir dir;
    EXPECT_TRUE(CreateEmptyFile(dir.File("new")));
    EXPECT_EQ(ReadWholeFile(dir.File("new")), std::string());
    EXPECT_FALSE(FileExists(dir.Path()));
    const std::string bytes("a\0\xFF", 3);
    EXPECT_TRUE(CreateEmptyFile(dir.Write("old", bytes)));
    EXPECT_EQ(ReadWholeFile(dir.File("old")), bytes);
    // A file that is there but cannot be read is told apart from no file, with the reason.
    EXPECT_EQ(ReadFile(dir.File("missing")).outcome, FileRead::Outcome::Missing);
    const FileRead folderRead = ReadFile(dir.Path());
    EXPECT_EQ(folderRead.outcome, FileRead::Outcome::Failed);
    EXPECT_EQ(folderRead.error.kind, FileError::Kind::System);
    EXPECT_EQ(folderRead.error.number, EISDIR);
}

TEST(FileSystem, WriteFileAtomicallyReplacesOrOnFailureLeavesEverythingAsItWas) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    const std::string path = dir.File("score.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "Bob=640\r\n"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/options.ini"), "x"));
    // A file size limit fails the write as a full disk would (and works for root too).
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const FileWrite full = WriteFileAtomically(path, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(full);
    EXPECT_EQ(full.error.number, EFBIG);
    // The rename needs only the folder's permission, so a file the player made read-only is
    // refused before it; by its mode bits, since root (who runs the tests) may write anything.
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const FileWrite refused = WriteFileAtomically(path, "x");
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error.kind, FileError::Kind::ReadOnlyFile);
    EXPECT_EQ(dir.Read("score.ini"), "Bob=640\r\n");
    EXPECT_EQ(Entries(dir.Path()), Names{"score.ini"});
    // One write bit is enough, and the new file keeps the old mode.
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(WriteFileAtomically(path, "x"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(FileSystem, RemoveStaleTemporariesTakesOnlyTheWritersOwnLeftovers) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child);
    const std::string live = std::to_string(getppid());
    const std::string self = std::to_string(getpid());
    test::TempDir dir;
    const Names removed = {"score.ini.tmp" + dead + ".123", "score.ini.tmp" + dead + ".0",
                           // This process is not saving while it cleans up.
                           "score.ini.tmp" + self + ".5"};
    const Names kept = {"score.ini",
                        "score.ini.tmp" + live + ".7",
                        "score.ini.tmpfoo",
                        "score.ini.tmp" + dead,
                        "score.ini.tmp" + dead + ".",
                        "score.ini.tmp.1",
                        "score.ini.tmp" + dead + ".12x",
                        "score.ini.tmp0" + dead + ".1",
                        "score.ini.tmp-" + dead + ".1",
                        "score.ini.tmp0.1",
                        "score.ini.tmp99999999999999999999.1",
                        "xscore.ini.tmp" + dead + ".1",
                        "options.ini.tmp" + dead + ".1",
                        "other.tmp123.1"};
    for (const Names& names : {removed, kept}) {
        for (const std::string& name : names) {
            dir.Write(name, "x");
        }
    }
    // A folder under the writer's own kind of name is not the writer's.
    const std::string folder = "score.ini.tmp" + dead + ".9";
    std::filesystem::create_directory(dir.File(folder));
    EXPECT_EQ(RemoveStaleTemporaries(dir.File("score.ini")), 3);
    Names left = kept;
    left.insert(folder);
    EXPECT_EQ(Entries(dir.Path()), left);
}

} // namespace
} // namespace scrivel::platform
