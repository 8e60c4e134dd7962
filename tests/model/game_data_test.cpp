#include "model/game_data.h"
#include "model/recording_view.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace scrivel {
namespace {

using test::RecordingView;

class GameDataTest : public ::testing::Test {
protected:
    void Words(const std::vector<std::string>& words) {
        std::string bytes;
        for (const auto& w : words) {
            bytes += w + "/";
        }
        dir.Write("words.let", bytes);
    }
    void Options(int gridSize, int minWordSize) {
        game.reset(); // a running game would write its own options over these
        dir.Write("options.ini",
                  "[GridSize]\r\nSize=" + std::to_string(gridSize) +
                      "\r\n[Result Filter]\r\nMinWordSize=" + std::to_string(minWordSize) + "\r\n");
    }
    // Without jokers, seeds whose first letter is a joker are passed over.
    TGameData& Start(unsigned seed = 1, bool jokers = false) {
        for (;; ++seed) {
            game.reset();
            view = RecordingView();
            game =
                std::make_unique<TGameData>(view, platform::GameFolders::Beside(dir.Path()), seed);
            if (jokers) {
                return *game;
            }
            if (view.Pending() != 0) {
                game->SetJokerOdds(0);
                return *game;
            }
        }
    }
    // Writes rows top to bottom ('.' empty) into the bottom of the grid.
    void Fill(const std::vector<std::string>& rows) {
        TLetterArray& grid = game->Grid();
        const int top = grid.Rows() - static_cast<int>(rows.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            for (size_t c = 0; c < rows[r].size(); ++c) {
                const char ch = rows[r][c];
                grid.SetCell(static_cast<int>(c), top + static_cast<int>(r),
                             ch == '.' ? 0 : static_cast<std::uint8_t>(ch));
            }
        }
    }
    std::string Row(int row) {
        std::string text;
        for (int c = 0; c < game->Grid().Cols(); ++c) {
            const auto ch = game->Grid().Cell(c, row);
            text += ch == 0 ? '.' : static_cast<char>(ch);
        }
        return text;
    }

    test::TempDir dir;
    RecordingView view;
    std::unique_ptr<TGameData> game;
};

// One letter placed on a prepared grid: the words found in order, the score, the rows left.
TEST_F(GameDataTest, APlacedLetterRemovesTheWordsTheRulesFind) {
    using Found = RecordingView::FoundWord;
    const struct {
        const char* rule;
        int size;
        std::vector<std::string> words, rows; // rows at the bottom of the grid
        char letter;
        int column;
        std::vector<Found> found;
        int score;
        std::vector<std::string> after; // the same rows afterwards
    } cases[] = {
        // clang-format off
        {"across, and the letters above fall", 5, {"chat"}, {".k...", ".cha.", "xyzwv", "vwzyx"},
         't', 4, {{"chat", 1, 0, 2}}, 160, {".....", ".k...", "xyzwv", "vwzyx"}},
        // Latin-1, as in words.let: accents folded and case ignored.
        {"case and accents", 4, {"P\xE2te", "\xC9ta"}, {"pat."}, 'e', 3, {{"pate", 0, 0, 3}}, 160,
         {"...."}},
        {"the longest word first, taking a shorter one inside it along", 6, {"crabes", "rab"},
         {"crabe."}, 's', 5, {{"crabes", 0, 0, 5}}, 360, {"......"}},
        // Removing "axe" lets the "a" above it fall onto "m", "e": "ame" then reads down.
        {"removals chain", 4, {"axe", "ame"}, {".a..", "ax..", "qmq.", "qeq."}, 'e', 2,
         {{"axe", 0, 0, 1}, {"ame", 1, 1, 1}}, 180, {"....", "....", "q.q.", "q.q."}},
        // The landed "a" starts "ami" across and "axe" down: only the first survives.
        {"across before down", 4, {"axe", "ami"}, {".mi.", "xqq.", "eqq."}, 'a', 0,
         {{"ami", 0, 0, 1}}, 90, {"....", "xqq.", "eqq."}},
        {"never backwards", 4, {"axe"}, {"e...", "x...", "ex.."}, 'a', 2, {}, 0,
         {"e...", "x...", "exa."}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Options(c.size, 3);
        Words(c.words);
        auto& game = Start();
        Fill(c.rows);
        const size_t before = view.letters.size();
        game.PlaceLetter(static_cast<std::uint8_t>(c.letter), c.column, 0);
        EXPECT_EQ(view.found, c.found);
        EXPECT_EQ(game.Score(), c.score);
        EXPECT_EQ(view.scores.back(), c.score);
        for (size_t r = 0; r < c.after.size(); ++r) {
            EXPECT_EQ(Row(c.size - static_cast<int>(c.after.size() - r)), c.after[r]);
        }
        // One letter for each removal and one for the placement.
        EXPECT_EQ(view.letters.size() - before, c.found.size() + 1);
    }
    Words({"P\xE2te"});
    EXPECT_EQ(Start().WordList(1)[0], "Pate"); // accents folded, case kept
}

TEST_F(GameDataTest, MinimumWordSizeSkipsShorterListsButNeverTheEightLetterOne) {
    Words({"sol", "rame", "rames", "abc", "retraite"});
    // A minimum above 8 needs a grid above 8: the options keep it within the grid size.
    const struct {
        int grid;
        int minimum;
        bool fiveLetters; // "rames" is removed
        int pool;         // words of 3 letters to the minimum, at most 8
    } cases[] = {{8, 5, true, 4}, {8, 6, false, 4}, {10, 9, false, 5}, {12, 12, false, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.grid) + " " + std::to_string(c.minimum));
        Options(c.grid, c.minimum);
        auto& game = Start();
        ASSERT_EQ(game.Options().MinWordSize, c.minimum);
        ASSERT_EQ(game.Pool().Count(), c.pool);
        EXPECT_EQ(game.Pool()[0], "abc") << "three-letter words first";
        Fill({"rame"});
        game.PlaceLetter('s', 4, 0);
        EXPECT_EQ(view.found.size(), c.fiveLetters ? 1u : 0u);
        game.NewGame();
        Fill({"retrait"});
        game.PlaceLetter('e', 7, 0);
        ASSERT_EQ(view.found.size(), c.fiveLetters ? 2u : 1u);
        EXPECT_EQ(view.found.back().word, "retraite");
    }
}

TEST_F(GameDataTest, FullColumnEndsTheGameWithoutChangingAnything) {
    Options(4, 3);
    Words({"axe"});
    auto& game = Start();
    Fill({"q...", "w...", "r...", "t..."});
    const size_t letters = view.letters.size();
    game.PlaceLetter('a', 0, 0);
    EXPECT_TRUE(game.GameOver());
    EXPECT_EQ(Row(0), "q...");
    EXPECT_EQ(view.letters.size(), letters);
    EXPECT_EQ(game.Score(), 0);
    game.NewGame();
    EXPECT_FALSE(game.GameOver());
    EXPECT_EQ(Row(3), "....");
}

TEST_F(GameDataTest, LettersComeFromPoolWordsLastLetterFirstAndThePoolRefills) {
    Words({"abc"});
    auto& game = Start();
    // The first letter was handed out at start-up, then one per placement in an empty column.
    for (int i = 0; i < 5; ++i) {
        game.PlaceLetter(view.Pending(), i % 8, 0);
    }
    const std::string handed(view.letters.begin(), view.letters.end());
    EXPECT_EQ(handed, "cbacba");
    EXPECT_EQ(game.Pool().Count(), 1);
}

TEST_F(GameDataTest, JokersAreOneInSixAndDoNotMoveThePool) {
    Words({"abcdefgh"});
    Options(8, 8);
    auto& game = Start(7, true);
    for (int i = 0; i < 600; ++i) {
        game.NewGame();
        game.PlaceLetter('q', 0, 0);
    }
    std::string plain;
    for (const auto letter : view.letters) {
        if (letter != 0) {
            plain += static_cast<char>(letter);
        }
    }
    // The exact count for the C library's rand with seed 7, about one in six of the 601 letters;
    // odds of 1 in 5 or 1 in 7 give 111 or 84.
    EXPECT_EQ(view.letters.size() - plain.size(), 110u);
    // Between jokers the word still comes out last letter first.
    EXPECT_EQ(plain.substr(0, 16), "hgfedcbahgfedcba");
}

TEST_F(GameDataTest, EmptyWordBaseStillHandsOutLetters) {
    auto& game = Start(3, true);
    EXPECT_TRUE(dir.Read("words.let").empty()); // created empty
    for (int i = 0; i < 40; ++i) {
        game.NewGame();
        game.PlaceLetter(view.Pending() == 0 ? 'a' : view.Pending(), 0, 0);
    }
    EXPECT_EQ(view.letters.size(), 41u);
    for (const auto letter : view.letters) {
        EXPECT_TRUE(letter == 0 || (letter >= 'a' && letter <= 'z')) << int{letter};
    }
}

TEST_F(GameDataTest, VerticalWordLeavesThePoolAndTheCurrentWordKeepsComing) {
    Options(8, 3);
    Words({"abc", "bar", "cab", "rue"});
    // A start whose current word is "rue", the last pool entry.
    unsigned seed = 1;
    while (Start(seed).Pool().Count() != 4 || view.Pending() != 'e') {
        ++seed;
    }
    auto& game = *this->game;
    Fill({"b.......", "c......."});
    game.PlaceLetter('a', 0, 0);
    ASSERT_EQ(view.found.size(), 1u);
    EXPECT_EQ(view.found[0], (RecordingView::FoundWord{"abc", 0, 1, 5}));
    // "abc" stood before "rue" in the pool; "rue" still comes out whole.
    EXPECT_EQ(std::string(view.letters.begin(), view.letters.end()), "eur");
    ASSERT_EQ(game.Pool().Count(), 2);
    EXPECT_EQ(game.Pool()[0], "bar");
    EXPECT_EQ(game.Pool()[1], "cab");
}

// Every run of a searched length, across and down, that is a word of the list.
std::vector<std::string> WordsLeft(TGameData& game) {
    std::vector<std::string> left;
    TLetterArray& grid = game.Grid();
    const int n = game.Options().GridSize;
    for (int index = 0; index < TGameData::ListCount; ++index) {
        const int length = index + 3;
        if (index != TGameData::ListCount - 1 && length < game.Options().MinWordSize) {
            continue;
        }
        const auto& items = game.WordList(index).Items();
        const std::set<std::string> list(items.begin(), items.end());
        for (int a = 0; a < n; ++a) {
            for (int b = 0; b + length <= n; ++b) {
                std::string across;
                std::string down;
                for (int k = 0; k < length; ++k) {
                    across += static_cast<char>(grid.Cell(b + k, a));
                    down += static_cast<char>(grid.Cell(a, b + k));
                }
                for (const auto& run : {across, down}) {
                    if (list.count(run) != 0) {
                        left.push_back(run);
                    }
                }
            }
        }
    }
    return left;
}

bool ColumnsRestOnTheBottom(TLetterArray& grid) {
    for (int c = 0; c < grid.Cols(); ++c) {
        bool seenLetter = false;
        for (int r = 0; r < grid.Rows(); ++r) {
            if (grid.Cell(c, r) != 0) {
                seenLetter = true;
            } else if (seenLetter) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(GameDataTest, WholeGamesKeepEveryRule) {
    Words({"les",   "des",  "mer",  "ame",    "rue",  "sel",  "ses",   "tes",   "set",
           "ras",   "sur",  "mes",  "ete",    "sec",  "arme", "rames", "reste", "terre",
           "mare",  "ruse", "seme", "tresse", "les",  "rues", "tes",   "sels",  "mers",
           "dames", "reel", "elle", "acre",   "dure", "tete"});
    size_t totalFound = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Options(4 + static_cast<int>(seed % 9), 3 + static_cast<int>(seed % 2));
        auto& game = Start(seed, true);
        game.NewGame();
        unsigned random = seed;
        unsigned column = 0;
        int expectedScore = 0;
        int placements = 0;
        while (!game.GameOver() && placements < 2000) {
            const size_t foundBefore = view.found.size();
            const size_t lettersBefore = view.letters.size();
            const std::uint8_t letter = view.Pending() == 0 ? 'e' : view.Pending();
            // Mostly stay in one column, as a player spelling the pool's words down would.
            random = random * 1103515245u + 12345u;
            if ((random >> 16) % 8 == 0 || game.Grid().Cell(static_cast<int>(column), 1) != 0) {
                column = (random >> 20) % static_cast<unsigned>(game.Grid().Cols());
            }
            game.PlaceLetter(letter, static_cast<int>(column), 0);
            ++placements;
            if (game.GameOver()) {
                EXPECT_EQ(view.letters.size(), lettersBefore);
                break;
            }
            const size_t removed = view.found.size() - foundBefore;
            for (size_t i = foundBefore; i < view.found.size(); ++i) {
                const int length = static_cast<int>(view.found[i].word.size());
                expectedScore += 10 * length * length;
            }
            ASSERT_EQ(view.letters.size() - lettersBefore, removed + 1);
            ASSERT_EQ(game.Score(), expectedScore);
            ASSERT_TRUE(ColumnsRestOnTheBottom(game.Grid())) << "seed " << seed;
            ASSERT_EQ(WordsLeft(game), std::vector<std::string>{}) << "seed " << seed;
        }
        EXPECT_TRUE(game.GameOver()) << "seed " << seed;
        totalFound += view.found.size();
    }
    // The games did exercise removals, not just fill the grid.
    EXPECT_GT(totalFound, 12u);
}

TEST_F(GameDataTest, ScoreTableIsSortedRankedAndSavedAtOnce) {
    // An older line reads exactly as the new entry will: only the new one may be renamed.
    dir.Write("score.ini", "Ann=90\r\nAnonyme=250\r\nBob=640\r\n");
    Options(5, 3);
    Words({"rames"});
    {
        auto& game = Start();
        ASSERT_EQ(game.Scores().Count(), 3);
        EXPECT_EQ(game.Scores()[0], "Bob=640");
        Fill({"rame."});
        game.PlaceLetter('s', 4, 0);
        ASSERT_EQ(game.Score(), 250);
        const int calls = view.scoreListCalls;
        EXPECT_TRUE(game.EnterScore());
        EXPECT_EQ(view.scoreListCalls, calls + 1);
        // On disk at once: a crash later in the run must not take it away.
        EXPECT_EQ(dir.Read("score.ini"), "Bob=640\r\nAnonyme=250\r\nAnonyme=250\r\nAnn=90\r\n");
        // The entry follows the typing, one key at a time.
        for (const char* name : {"B", "Bo", "Bob", "a=b"}) {
            game.SetPlayerName(name);
        }
        // The score is the number after the last "=", whatever the name holds.
        EXPECT_EQ(game.Scores()[1], "Anonyme=250");
        EXPECT_EQ(game.Scores()[2], "a=b=250");
        EXPECT_EQ(game.PlayerName(), "a=b");
    }
    game.reset(); // saves the table
    EXPECT_EQ(dir.Read("score.ini"), "Bob=640\r\nAnonyme=250\r\na=b=250\r\nAnn=90\r\n");
    Start();
    EXPECT_EQ(game->Scores()[2], "a=b=250");
}

TEST_F(GameDataTest, OnlyTheFirstNineRankAndAnEqualNinthKeepsItsPlace) {
    std::string table = "Anonyme=0\r\n";
    for (int i = 2; i <= 9; ++i) {
        table = "P" + std::to_string(i) + "=" + std::to_string(1000 * i) + "\r\n" + table;
    }
    dir.Write("score.ini", table);
    auto& game = Start();
    EXPECT_FALSE(game.EnterScore()); // "Anonyme=0" again, below the older one: tenth
    EXPECT_EQ(game.Scores().Count(), 9);
    EXPECT_EQ(game.Scores()[0], "P9=9000");
    // Not in the table: renaming changes nothing, least of all the older entry.
    game.SetPlayerName("Zoe");
    EXPECT_EQ(game.PlayerName(), "Anonyme");
    EXPECT_EQ(game.Scores()[8], "Anonyme=0");
    EXPECT_EQ(game.Scores().Count(), 9);
}

// An unreadable file (a failing reader, or a folder in its place) is reported at start-up, the
// game plays on without it, and no save replaces it.
TEST_F(GameDataTest, UnreadableFilesAreReportedAndNeverReplaced) {
    for (const bool folders : {false, true}) {
        SCOPED_TRACE(folders ? "folders" : "failing reader");
        test::TempDir files;
        files.Write("words.let", "");
        for (const char* name : {"score.ini", "options.ini"}) {
            if (folders) {
                std::filesystem::create_directory(files.File(name));
            }
            files.Write(folders ? name + std::string("/keep") : name, "Bob=640\r\n");
        }
        const platform::FileReader failing = [](const std::string&) {
            return platform::FileRead{platform::FileRead::Outcome::Failed, {}, "panne"};
        };
        testing::internal::CaptureStderr();
        auto game = std::make_unique<TGameData>(view, platform::GameFolders::Beside(files.Path()),
                                                1, folders ? platform::ReadFile : failing);
        const std::string atStart = testing::internal::GetCapturedStderr();
        EXPECT_EQ(game->Scores().Count(), 0);
        testing::internal::CaptureStderr();
        game->Options().GridSize = 6;
        EXPECT_TRUE(game->EnterScore());
        game.reset();
        const std::string later = testing::internal::GetCapturedStderr();
        for (const char* name : {"score.ini", "options.ini"}) {
            const std::string path = files.File(name);
            const std::string why = folders ? "c'est un dossier" : "panne";
            EXPECT_NE(atStart.find("Impossible de lire le fichier : \n" + path + "\n(" + why + ")"),
                      std::string::npos)
                << atStart;
            EXPECT_NE(later.find("pas pu être lu au démarrage : \n" + path), std::string::npos)
                << later;
            EXPECT_EQ(files.Read(folders ? name + std::string("/keep") : name), "Bob=640\r\n");
        }
    }
}

// Installed with nowhere to keep the player's files: the game plays and ends without reading,
// creating or writing a file anywhere.
TEST_F(GameDataTest, WithNowhereToKeepTheFilesNothingIsWritten) {
    std::filesystem::create_directories(dir.File("games"));
    std::filesystem::create_directories(dir.File("share/scrivel"));
    dir.Write("share/scrivel/words.let", "chat/chien/");
    const auto tree = [this] {
        std::set<std::string> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path())) {
            entries.insert(entry.path().string());
        }
        return entries;
    };
    const std::set<std::string> before = tree();
    const platform::GameFolders folders =
        platform::GameFolders::Find(dir.File("games/"), "../share/scrivel/", {});
    ASSERT_NE(folders.Problem(), "");
    testing::internal::CaptureStderr();
    {
        TGameData game(view, folders, 1);
        EXPECT_EQ(game.WordList(1).Count(), 1); // chat, from the installed base
        game.PlaceLetter('a', 0, 0);
        game.EnterScore();
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(tree(), before);
}

} // namespace
} // namespace scrivel
