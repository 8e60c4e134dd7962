#pragma once

#include "platform/string_list.h"

#include <cstdint>
#include <string>

namespace scrivel {

class TLetterArray;
class TOptionsData;

// How a found word lay in the grid.
enum class WordDirection : std::int8_t {
    Horizontal = 0,
    Vertical = 1,
};

// What the game data needs of the view: every visible consequence of play goes through here, so the
// rules can be played and tested without drawing anything.
class GameView {
public:
    virtual ~GameView() = default;

    // Kept by the view for its layout; the options outlive the view's use of them.
    virtual void SetOptions(TOptionsData& options) = 0;
    // The score table to show, one "name=score" line per entry.
    virtual void SetScoreList(const platform::StringList& scores) = 0;
    // The grid whose letters the view draws.
    virtual void SetLetterArray(TLetterArray& grid) = 0;
    virtual void SetScore(int score) = 0;
    // The player's name, kept by the game data; the view shows it as it changes.
    virtual void SetPlayerName(const std::string& name) = 0;
    // A found word before its cells are emptied; column and row are those of its first letter.
    virtual void AddFoundWord(const std::string& word, int column, WordDirection direction,
                              int row) = 0;
    // The letter of the next falling letter, 0 for a joker; replaces a pending one.
    virtual void SetNextLetter(std::uint8_t code) = 0;
};

} // namespace scrivel
