#pragma once

#include "model/game_view.h"
#include "model/letter_array.h"
#include "model/options_data.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivel::test {

// Records what the game data tells the view, so whole games can be checked without drawing.
class RecordingView : public GameView {
public:
    struct FoundWord {
        std::string word;
        int column;
        int direction; // 0 horizontal, 1 vertical
        int row;
        bool operator==(const FoundWord&) const = default;
    };

    void SetOptions(TOptionsData&) override {}
    void SetScoreList(const platform::StringList&) override { ++scoreListCalls; }
    void SetLetterArray(TLetterArray&) override {}
    void SetScore(int score) override { scores.push_back(score); }
    void SetPlayerName(const std::string&) override {}
    void AddFoundWord(const std::string& word, int column, WordDirection direction,
                      int row) override {
        found.push_back({word, column, static_cast<int>(direction), row});
    }
    void SetNextLetter(std::uint8_t code) override { letters.push_back(code); }

    // The letter the player would see falling next.
    std::uint8_t Pending() const { return letters.empty() ? 0 : letters.back(); }

    int scoreListCalls = 0;
    std::vector<int> scores;
    std::vector<FoundWord> found;
    std::vector<std::uint8_t> letters;
};

} // namespace scrivel::test
