#pragma once

#include "model/game_view.h"
#include "model/letter_array.h"
#include "model/options_data.h"
#include "model/player_file.h"
#include "model/word_base.h"
#include "platform/game_folders.h"
#include "platform/string_list.h"
#include "platform/word_compare.h"
#include "texts/texts.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace scrivel {

// The model of play: the grid, the word lists, the letter supply, scoring and the score table.
// It draws nothing; everything visible goes to the view.
class TGameData {
public:
    static constexpr int ListCount = 6; // word lists of 3 to 8 letters
    static constexpr int MaxWordLength = ListCount + 2;
    static constexpr int DefaultJokerOdds = 5;

    // Reads options.ini, score.ini and words.let where folders says, creating missing ones, and
    // hands the first letter to the view; words compare in the folders' language. rand is seeded
    // with seed, or with the time. The player's two files are read with read.
    TGameData(GameView& view, const platform::GameFolders& folders,
              std::optional<unsigned> seed = std::nullopt,
              const platform::FileReader& read = platform::ReadFile);
    // Saves score.ini, then options.ini.
    ~TGameData();
    TGameData(const TGameData&) = delete;
    TGameData& operator=(const TGameData&) = delete;

    // Empties the grid and the score; keeps the pool, the pending letter and the score table.
    void NewGame();
    // A falling letter came to rest at (column, row): stores it, removes and scores every word
    // found, then hands out the next letter. Sets GameOver when it cannot be stored.
    void PlaceLetter(std::uint8_t letter, int column, int row);
    // Adds the finished game to the score table, below older entries of the same score; true when
    // it ranks among the first nine. A ranking score is saved at once.
    bool EnterScore();
    // Renames the finished game's own entry as the player types (never an older entry with the
    // same text); nothing changes when the game did not rank.
    void SetPlayerName(const std::string& name);
    // The name as the player types it (Backspace removes its last character); the finished
    // game's entry follows it when the game ranked.
    void EditPlayerName(char key);
    // Writes score.ini now, so a crash later in the run cannot take the scores with it.
    void SaveScores();
    std::int16_t GetTickPeriod() const { return options_->TickPeriod; }

    bool GameOver() const { return gameOver_; }
    int Score() const { return score_; }
    const std::string& PlayerName() const { return playerName_; }
    const platform::StringList& Scores() const { return scores_; }
    const platform::StringList& Pool() const { return pool_; }
    const platform::StringList& WordList(int index) const { return wordLists_.at(index); }
    TOptionsData& Options() { return *options_; }
    TLetterArray& Grid() { return *grid_; }
    int JokerOdds() const { return jokerOdds_; }
    // For tests: 0 turns jokers off.
    void SetJokerOdds(int odds) { jokerOdds_ = odds; }

private:
    void FoldAccents();
    void FillPool();
    // Picks the word whose letters are handed out next, among the first `below` words.
    void ChooseWord(int below);
    void AdvanceLetter();
    // A word of the grid found in a word list, placed by its first letter.
    struct FoundWord {
        std::string word;
        int column = 0;
        int row = 0;
        WordDirection direction = WordDirection::Horizontal;
    };

    // The first word of the list of words of length index + 3 that the grid holds: across, row
    // by row, before down, column by column. Changes nothing.
    std::optional<FoundWord> FindWord(int index) const;
    // Shows and scores a found word, empties its cells and hands out a letter.
    void RemoveWord(const FoundWord& found);
    bool Contains(int index, const std::string& word) const;
    void RemoveFromPool(const std::string& word);
    platform::StringCompare WordOrder() const;

    GameView& view_;
    platform::WordCompare compare_; // in the word base's language
    int jokerOdds_ = DefaultJokerOdds;
    bool gameOver_ = false;
    std::unique_ptr<TLetterArray> grid_;
    int poolIndex_ = 0;
    int letterPos_ = 2;
    int score_ = 0;
    std::optional<PlayerFile> scoreFile_;
    // Index in the table of the finished game's entry, or -1.
    int entry_ = -1;
    std::array<platform::StringList, ListCount> wordLists_;
    std::unique_ptr<TBase> base_;
    std::unique_ptr<TOptionsData> options_;
    std::string playerName_ = texts::Text(texts::TextId::AnonymousPlayer);
    platform::StringList scores_;
    platform::StringList pool_;
};

} // namespace scrivel
