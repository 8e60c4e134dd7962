#include "model/options_data.h"
#include "model/player_file.h"
#include "support/temp_dir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace scrivel {
namespace {

int TemporaryFilesBeside(const std::string& folder, const std::string& name) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().filename().string().starts_with(name + ".tmp") ? 1 : 0;
    }
    return count;
}

// A child saving the two tables alternately through the game's own save path is killed at random
// moments, again and again: the file is one whole table after every kill, and the next start
// removes the temporary files that the kills left beside it.
TEST(PlayerFile, SaveKilledAtAnyMomentLeavesOneWholeTableAndNextStartCleansUp) {
    constexpr int kKills = 300;
    test::TempDir dir;
    std::string scoresB;
    for (int i = 0; i < 200; ++i) {
        scoresB += "Joueur" + std::to_string(i) + "=" + std::to_string(10000 - i) + "\r\n";
    }
    PlayerFile scores(dir.File("score.ini"), platform::ReadFile,
                      texts::TextId::EmptyScoresFallback);
    TOptionsData options(dir.File("options.ini"));
    const struct {
        const char* name;
        std::function<void(int)> save;
    } cases[] = {
        {"score.ini", [&](int i) { scores.Save(i % 2 == 0 ? "Bob=640\r\n" : scoresB); }},
        {"options.ini",
         [&](int i) {
             options.GridSize = i % 2 == 0 ? 5 : 12;
             options.FontName = i % 2 == 0 ? "Arial" : std::string(4000, 'G');
             options.Save();
         }},
    };
    std::mt19937 random(12);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The two tables as saved, and how long a save takes here, to spread the kills over it.
        std::string tables[2];
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 20; ++i) {
            c.save(i);
            tables[i % 2] = dir.Read(c.name);
        }
        const auto save = (std::chrono::steady_clock::now() - start) / 20;
        ASSERT_NE(tables[0].size(), tables[1].size());
        // Kills from before the child's first save to past its second.
        std::uniform_int_distribution<long long> delay(
            0, std::chrono::duration_cast<std::chrono::microseconds>(save * 3 / 2).count() + 300);
        int kept = 0;
        int replaced = 0;
        std::string old = dir.Read(c.name);
        for (int kill = 0; kill < kKills; ++kill) {
            // The child starts with the table that is not on disk: each whole save changes it.
            const int first = old == tables[0] ? 1 : 0;
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                alarm(10); // never outlives a failed test
                for (int i = first;; ++i) {
                    c.save(i);
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            ::kill(child, SIGKILL);
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            const std::string now = dir.Read(c.name);
            ASSERT_TRUE(now == tables[0] || now == tables[1]) << "kill " << kill << ": " << now;
            ++(now == old ? kept : replaced);
            old = now;
        }
        // Some kills came before a save ended, some after, and some inside one.
        EXPECT_GT(kept, 0);
        EXPECT_GT(replaced, 0);
        const int left = TemporaryFilesBeside(dir.Path(), c.name);
        EXPECT_GT(left, 0);
        std::cout << c.name << ": a save takes "
                  << std::chrono::duration_cast<std::chrono::microseconds>(save).count() << " us; "
                  << kKills << " kills, old table kept " << kept << ", new one " << replaced << ", "
                  << left << " temporary files left\n";
        const PlayerFile restarted(dir.File(c.name), platform::ReadFile,
                                   texts::TextId::EmptyScoresFallback);
        EXPECT_TRUE(restarted.Text() == tables[0] || restarted.Text() == tables[1]);
        EXPECT_EQ(TemporaryFilesBeside(dir.Path(), c.name), 0);
    }
}

} // namespace
} // namespace scrivel
