#include "model/game_data.h"
#include "model/recording_view.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
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
            game = std::make_unique<TGameData>(
                view, platform::GameFolders::Beside(dir.Path(), language), seed);
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
    texts::Language language = texts::Language::French;
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
        // "def" stands higher, but down is searched column by column.
        {"down, leftmost column first", 4, {"abc", "def"}, {".d..", "ae..", "bf..", "cq.."}, 'q',
         3, {{"abc", 0, 1, 1}, {"def", 1, 1, 0}}, 180, {"....", "....", "....", ".q.q"}},
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

// In English the game plays the English base and keeps an English score table, beside the
// French files it leaves alone; the options are shared.
TEST_F(GameDataTest, AnEnglishGamePlaysItsOwnBaseAndKeepsItsOwnScores) {
    language = texts::Language::English;
    Options(6, 3);
    dir.Write("words.let", "chat/");
    dir.Write("words-en.let", "Word/quiz/");
    auto& game = Start();
    ASSERT_EQ(game.Grid().Cols(), 6);
    ASSERT_EQ(game.WordList(1).Count(), 2);
    Fill({"wor..."});
    game.PlaceLetter('d', 3, 0);
    EXPECT_EQ(view.found, (std::vector<RecordingView::FoundWord>{{"word", 0, 0, 5}}));
    EXPECT_EQ(game.Score(), 160);
    EXPECT_TRUE(game.EnterScore());
    EXPECT_NE(dir.Read("score-en.ini").find("=160\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("score.ini")));
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

// Case is ignored as the game's comparison ignores it; accents were folded in the lists already.
std::string Lowered(std::string word) {
    for (char& c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
            c = static_cast<char>(byte + 0x20);
        }
    }
    return word;
}

// Checks a game's grid, by its own means, against the rules that hold after every placement.
class RuleCheck {
public:
    explicit RuleCheck(TGameData& game) {
        for (int index = 0; index < TGameData::ListCount; ++index) {
            for (const std::string& word : game.WordList(index).Items()) {
                lists_[index].insert(Lowered(word));
                for (const char c : word) {
                    alphabet_[static_cast<unsigned char>(c)] = true;
                }
            }
        }
    }

    // A letter handed out: a joker (0) or one of a word's letters; any letter when there are none.
    bool FromAWord(std::uint8_t letter) const {
        const bool noWords =
            std::none_of(alphabet_.begin(), alphabet_.end(), [](bool b) { return b; });
        return letter == 0 || alphabet_[letter] || (noWords && letter >= 'a' && letter <= 'z');
    }

    bool IsWord(const std::string& word) const {
        const size_t index = std::min<size_t>(word.size() - 3, TGameData::ListCount - 1);
        return lists_[index].count(Lowered(word)) != 0;
    }

    // Every run of a searched length, across and down, that is a word of its list.
    std::vector<std::string> WordsLeft(TGameData& game) const {
        const int n = game.Options().GridSize;
        std::vector<std::string> lines(2 * n), left; // rows, then columns
        for (int i = 0; i < n * n; ++i) {
            const char letter = static_cast<char>(game.Grid().Cell(i % n, i / n));
            lines[i / n] += letter;
            lines[n + i % n] += letter;
        }
        for (int index = 0; index < TGameData::ListCount; ++index) {
            const int length = index + 3;
            if (index != TGameData::ListCount - 1 && length < game.Options().MinWordSize) {
                continue;
            }
            for (const std::string& line : lines) {
                for (int b = 0; b + length <= n; ++b) {
                    // No word holds an empty cell.
                    const std::string run = Lowered(line.substr(b, length));
                    if (run.find('\0') == std::string::npos && lists_[index].count(run) != 0) {
                        left.push_back(run);
                    }
                }
            }
        }
        return left;
    }

    // Each column one run of letters ending at the bottom row; with outside, nothing beyond the
    // grid either.
    static bool ColumnsRestOnTheBottom(const TLetterArray& grid, bool outside = false) {
        const int size = outside ? TLetterArray::MaxSize : grid.Cols();
        for (int c = 0; c < size; ++c) {
            bool seenLetter = false;
            for (int r = 0; r < size; ++r) {
                const bool letter = grid.Cell(c, r) != 0;
                if ((letter && (c >= grid.Cols() || r >= grid.Rows())) ||
                    (!letter && seenLetter && r < grid.Rows())) {
                    return false;
                }
                seenLetter = seenLetter || letter;
            }
        }
        return true;
    }

private:
    std::array<std::unordered_set<std::string>, TGameData::ListCount> lists_;
    std::array<bool, 256> alphabet_{};
};

// The soak's games: SCRIVEL_SOAK_GAMES of them (a long run sets it high), spread over word bases
// from a tiny alphabet (words form everywhere and chain) to the generated dictionary.
int SoakGames() {
    const char* count = std::getenv("SCRIVEL_SOAK_GAMES");
    return count != nullptr ? std::atoi(count) : 10000;
}

TEST_F(GameDataTest, SoakOfSeededWholeGamesWithRandomOptionsKeepsEveryRule) {
    std::string dense;
    std::mt19937 words(5);
    for (int i = 0; i < 150; ++i) {
        for (size_t k = 0, length = 3 + words() % 6; k < length; ++k) {
            dense += "aerst"[words() % 5];
        }
        dense += '/';
    }
    // The last base, with no text, is the generated dictionary; the one before it has no word at
    // all: any letter may come.
    const std::string texts[] = {
        dense, "Pate/\xC9ta/p\xE2te/ab//a/les/les/sel/arrierees/retraite/tes/set/Set/est/", ""};
    struct Base {
        test::TempDir folder;
        RecordingView view;
        std::unique_ptr<TGameData> game;
        std::unique_ptr<RuleCheck> check;
    };
    std::array<Base, 4> bases;
    for (size_t i = 0; i < bases.size(); ++i) {
        Base& b = bases[i];
        if (i < std::size(texts)) {
            b.folder.Write("words.let", texts[i]);
        } else {
            std::filesystem::create_symlink(SCRIVEL_GAME_DIR "words.let",
                                            b.folder.File("words.let"));
        }
        b.game =
            std::make_unique<TGameData>(b.view, platform::GameFolders::Beside(b.folder.Path()), 1);
        b.check = std::make_unique<RuleCheck>(*b.game);
    }

    const int count = SoakGames();
    const auto start = std::chrono::steady_clock::now();
    long long placements = 0;
    long long found = 0;
    int ended = 0;
    for (int seed = 1; seed <= count; ++seed) {
        // Every third game on the dictionary, one in ten without words, the others on the small
        // bases.
        const size_t base = seed % 3 == 0 ? 3 : seed % 10 == 1 ? 2 : static_cast<size_t>(seed % 2);
        TGameData& game = *bases[base].game;
        RecordingView& view = bases[base].view;
        const RuleCheck& check = *bases[base].check;
        std::mt19937 random(static_cast<unsigned>(seed));
        std::srand(static_cast<unsigned>(seed));
        // As the options screen leaves them: the grid resized (and emptied), then a new game.
        TOptionsData& options = game.Options();
        options.GridSize = static_cast<std::int16_t>(TOptionsData::MinGridSize +
                                                     random() % (TOptionsData::MaxGridSize - 3));
        options.MinWordSize = static_cast<std::int16_t>(3 + random() % (options.GridSize - 2));
        options.SpeedMode = static_cast<int>(random() % 3);
        options.RandomLetter = random() % 2 == 0;
        options.ApplySpeed();
        game.Grid().Clear();
        game.Grid().SetSize(options.GridSize);
        game.SetJokerOdds(random() % 4 == 0 ? 0 : static_cast<int>(1 + random() % 9));
        game.NewGame();
        view.found.clear();
        int expectedScore = 0;
        int column = 0;
        for (int move = 0; move < 3000 && !game.GameOver(); ++move) {
            const size_t foundBefore = view.found.size();
            const size_t lettersBefore = view.letters.size();
            // A joker takes any letter; most moves stay in one column, as a player spelling a word.
            const std::uint8_t letter = view.Pending() != 0
                                            ? view.Pending()
                                            : static_cast<std::uint8_t>('a' + random() % 26);
            if (random() % 4 == 0 || game.Grid().Cell(column, 0) != 0) {
                column = static_cast<int>(random() % static_cast<unsigned>(options.GridSize));
            }
            game.PlaceLetter(letter, column, 0);
            ++placements;
            const std::string where =
                "game " + std::to_string(seed) + ", move " + std::to_string(move);
            if (game.GameOver()) {
                ASSERT_EQ(view.letters.size(), lettersBefore) << where;
                ++ended;
                break;
            }
            for (size_t i = foundBefore; i < view.found.size(); ++i) {
                const std::string& word = view.found[i].word;
                ASSERT_TRUE(check.IsWord(word)) << where << ": " << word;
                expectedScore += 10 * static_cast<int>(word.size() * word.size());
            }
            // One letter handed out per removal and one per placement, each from a word.
            ASSERT_EQ(view.letters.size() - lettersBefore, view.found.size() - foundBefore + 1)
                << where;
            for (size_t i = lettersBefore; i < view.letters.size(); ++i) {
                ASSERT_TRUE(check.FromAWord(view.letters[i]))
                    << where << ": " << int{view.letters[i]};
            }
            ASSERT_EQ(game.Score(), expectedScore) << where;
            ASSERT_EQ(view.scores.back(), expectedScore) << where;
            ASSERT_TRUE(RuleCheck::ColumnsRestOnTheBottom(game.Grid())) << where;
            ASSERT_EQ(check.WordsLeft(game), std::vector<std::string>{}) << where;
        }
        ASSERT_TRUE(RuleCheck::ColumnsRestOnTheBottom(game.Grid(), true)) << "game " << seed;
        found += static_cast<long long>(view.found.size());
        view.letters.erase(view.letters.begin(), view.letters.end() - 1);
        view.scores.clear();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << count << " games (" << ended << " ended by a full column), " << placements
              << " placements, " << found << " words found, in " << seconds << " s\n";
    // The games did exercise removals and did end, not just fill the grid.
    EXPECT_GT(found, count);
    EXPECT_GT(ended, count * 9 / 10);
}

TEST_F(GameDataTest, ScoreTableIsSortedRankedAndSavedAtOnce) {
    // An older line reads exactly as the new entry will: only the new one may be renamed.
    dir.Write("score.ini", "Ann=90\r\nAnonyme=250\r\nBob=640\r\n");
    Options(5, 3);
    Words({"rames"});
    {
        auto& game = Start();
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

// The last player's name comes from options.ini and goes back there with what was typed.
TEST_F(GameDataTest, ThePlayersNameIsKeptInTheOptions) {
    dir.Write("options.ini", "[GridSize]\r\nSize=5\r\n[Player]\r\nName=Zoe\r\n");
    Words({"rames"});
    {
        auto& game = Start();
        EXPECT_EQ(game.PlayerName(), "Zoe");
        Fill({"rame."});
        game.PlaceLetter('s', 4, 0);
        ASSERT_TRUE(game.EnterScore());
        EXPECT_EQ(game.Scores()[0], "Zoe=250");
        game.EditPlayerName('x');
    }
    game.reset(); // writes options.ini
    EXPECT_NE(dir.Read("options.ini").find("[Player]\r\nName=Zoex\r\n"), std::string::npos)
        << dir.Read("options.ini");
    EXPECT_EQ(Start().PlayerName(), "Zoex");
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
            return platform::FileRead{
                platform::FileRead::Outcome::Failed, {}, {platform::FileError::Kind::System, EIO}};
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
            const std::string why = folders ? "c'est un dossier" : "erreur d'entrée-sortie";
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
    const platform::GameFolders folders = platform::GameFolders::Find(
        dir.File("games/"), "../share/scrivel/", "../share/locale/", {});
    ASSERT_TRUE(folders.Problem());
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
