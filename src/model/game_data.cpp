#include "model/game_data.h"

#include "model/joker_letter.h"
#include "model/score_table.h"
#include "platform/file_system.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace scrivel {

namespace {

// The accented vowels of the word base and the plain vowel each one is played as (Latin-1).
constexpr std::uint8_t FoldedVowel(std::uint8_t c) {
    switch (c) {
    case 0xE2: // â
    case 0xE0: // à
        return 'a';
    case 0xE9: // é
    case 0xE8: // è
    case 0xEA: // ê
    case 0xEB: // ë
        return 'e';
    case 0xEE: // î
    case 0xEF: // ï
        return 'i';
    case 0xF4: // ô
    case 0xF6: // ö
        return 'o';
    case 0xFB: // û
    case 0xFC: // ü
    case 0xF9: // ù
        return 'u';
    default:
        return c;
    }
}

int RandomBelow(int n) {
    return n > 0 ? std::rand() % n : 0;
}

} // namespace

TGameData::TGameData(GameView& view, const platform::GameFolders& folders,
                     std::optional<unsigned> seed, const platform::FileReader& read)
    : view_(view), compare_(folders.Language()) {
    std::srand(seed ? *seed : static_cast<unsigned>(std::time(nullptr)));

    options_ = std::make_unique<TOptionsData>(folders.OptionsFile(), read);
    grid_ = std::make_unique<TLetterArray>(options_->GridSize);
    view_.SetOptions(*options_);
    playerName_ = options_->PlayerName;

    scoreFile_.emplace(folders.ScoreFile(), read, texts::TextId::EmptyScoresFallback);
    LoadScores(scoreFile_->Text(), scores_);
    scores_.Sort(CompareScores);
    view_.SetScoreList(scores_);
    view_.SetPlayerName(playerName_);

    base_ = std::make_unique<TBase>(folders.WordBase(), compare_);
    for (int i = 0; i < ListCount; ++i) {
        base_->CopyList(i, wordLists_[i]);
    }

    FoldAccents();
    NewGame();
    FillPool();
    ChooseWord(pool_.Count());

    view_.SetLetterArray(*grid_);
    AdvanceLetter();
}

TGameData::~TGameData() {
    SaveScores();
    // The name typed last is the one the next run starts with.
    options_->PlayerName = playerName_;
    // Destroying the options writes options.ini.
    options_.reset();
}

platform::StringCompare TGameData::WordOrder() const {
    return [this](const std::string& a, const std::string& b) { return compare_.Compare(a, b); };
}

void TGameData::SaveScores() {
    scoreFile_->Save(scores_.Text());
}

void TGameData::NewGame() {
    grid_->Clear();
    score_ = 0;
    view_.SetScore(0);
    view_.SetLetterArray(*grid_);
    gameOver_ = false;
    entry_ = -1;
}

void TGameData::FoldAccents() {
    // Folding keeps each list in order: accents only matter between otherwise equal words.
    for (auto& list : wordLists_) {
        for (std::string& word : list.Items()) {
            for (char& c : word) {
                c = static_cast<char>(FoldedVowel(static_cast<std::uint8_t>(c)));
            }
        }
    }
}

void TGameData::FillPool() {
    pool_.Clear();
    const int last = std::min(options_->MinWordSize - 3, ListCount - 1);
    for (int i = 0; i <= last; ++i) {
        for (const std::string& word : wordLists_[i].Items()) {
            pool_.Add(word);
        }
    }
}

void TGameData::ChooseWord(int below) {
    if (pool_.Count() == 0) {
        // Every word has been handed out or removed: the supply starts over from the word lists.
        FillPool();
        below = pool_.Count();
    }
    poolIndex_ = RandomBelow(below);
    letterPos_ = pool_.Count() > 0 ? static_cast<int>(pool_[poolIndex_].size()) - 1 : -1;
}

void TGameData::AdvanceLetter() {
    if (jokerOdds_ != 0 && RandomBelow(jokerOdds_ + 1) == 1) {
        view_.SetNextLetter(0);
        return;
    }
    if (pool_.Count() == 0 || letterPos_ < 0) {
        // No word base at all: plain random letters keep the game playable.
        view_.SetNextLetter(static_cast<std::uint8_t>('a' + RandomBelow(26)));
        ChooseWord(pool_.Count());
        return;
    }
    const std::string& word = pool_[poolIndex_];
    view_.SetNextLetter(static_cast<std::uint8_t>(word[static_cast<size_t>(letterPos_)]));
    if (--letterPos_ < 0) {
        pool_.Delete(poolIndex_);
        // The word at the highest index is never chosen here unless it is the only one left.
        ChooseWord(pool_.Count() - 1);
    }
}

void TGameData::PlaceLetter(std::uint8_t letter, int column, int row) {
    if (!grid_->Drop(column, row, letter)) {
        gameOver_ = true;
        return;
    }
    const int shortest = options_->MinWordSize - 3;
    int i = ListCount - 1;
    while (i >= 0) {
        // The longest list is searched in every pass, even when the minimum is above its length.
        const bool searched = i == ListCount - 1 || i >= shortest;
        const auto found = searched ? FindWord(i) : std::nullopt;
        if (found) {
            RemoveWord(*found);
            i = ListCount - 1;
        } else {
            --i;
        }
    }
    AdvanceLetter();
}

bool TGameData::Contains(int index, const std::string& word) const {
    const auto& items = wordLists_[index].Items();
    const auto it = std::lower_bound(
        items.begin(), items.end(), word,
        [this](const std::string& a, const std::string& b) { return compare_.Compare(a, b) < 0; });
    return it != items.end() && compare_.Compare(*it, word) == 0;
}

std::optional<TGameData::FoundWord> TGameData::FindWord(int index) const {
    const int length = index + 3;
    const int size = options_->GridSize;
    std::string candidate(static_cast<size_t>(length), '\0');

    // Reads the run of `length` cells from (x, y), across or down; false when a cell is empty.
    const auto readRun = [&](int x, int y, int down) {
        for (int k = 0; k < length; ++k) {
            const std::uint8_t c = grid_->Cell(x + k * (1 - down), y + k * down);
            if (c == 0) {
                return false;
            }
            candidate[static_cast<size_t>(k)] = static_cast<char>(c);
        }
        return true;
    };

    // Across is searched whole before down: a letter that completes both removes the word across.
    for (const WordDirection direction : {WordDirection::Horizontal, WordDirection::Vertical}) {
        const int down = direction == WordDirection::Vertical ? 1 : 0;
        // Rows in turn across, columns in turn down; each run starts along its line.
        for (int line = 0; line < size; ++line) {
            for (int start = 0; start + length <= size; ++start) {
                const int x = down != 0 ? line : start;
                const int y = down != 0 ? start : line;
                if (readRun(x, y, down) && Contains(index, candidate)) {
                    return FoundWord{candidate, x, y, direction};
                }
            }
        }
    }
    return std::nullopt;
}

void TGameData::RemoveWord(const FoundWord& found) {
    const int length = static_cast<int>(found.word.size());
    score_ += 10 * length * length;
    view_.AddFoundWord(found.word, found.column, found.direction, found.row);
    view_.SetScore(score_);
    const int down = found.direction == WordDirection::Vertical ? 1 : 0;
    if (down != 0) {
        RemoveFromPool(found.word);
    }
    for (int k = 0; k < length; ++k) {
        grid_->SetCell(found.column + k * (1 - down), found.row + k * down, 0);
    }
    grid_->Settle();
    AdvanceLetter();
}

void TGameData::RemoveFromPool(const std::string& word) {
    const int found = pool_.IndexOf(word, WordOrder());
    if (found < 0) {
        return;
    }
    pool_.Delete(found);
    // Keep handing out the same word: removing an entry before it would shift another word (with a
    // letter position that may not fit it) under the current index.
    if (found < poolIndex_) {
        --poolIndex_;
    } else if (found == poolIndex_) {
        ChooseWord(pool_.Count() - 1);
    }
}

bool TGameData::EnterScore() {
    // The entry is kept by its place, not found again by its text: an older line may read the same.
    const std::string line = playerName_ + "=" + std::to_string(score_);
    const int index = NewEntryIndex(scores_, line);
    scores_.Insert(index, line);
    view_.SetScoreList(scores_);
    if (index >= 9) {
        scores_.Delete(index);
        entry_ = -1;
        return false;
    }
    entry_ = index;
    SaveScores();
    return true;
}

void TGameData::EditPlayerName(char key) {
    EditNameText(playerName_, key);
    if (entry_ >= 0) {
        scores_.Set(entry_, playerName_ + "=" + std::to_string(score_));
    }
}

void TGameData::SetPlayerName(const std::string& name) {
    if (entry_ < 0) {
        return;
    }
    playerName_ = name;
    scores_.Set(entry_, name + "=" + std::to_string(score_));
}

} // namespace scrivel
