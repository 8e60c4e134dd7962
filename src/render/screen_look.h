#pragma once

#include "model/state_view.h"
#include "texts/texts.h"

#include <cstdint>
#include <optional>

namespace scrivel {

// Where the camera goes: its position and its angles in degrees.
struct CameraPose {
    float X, Y, Z, AngleX, AngleY, AngleZ;
};

enum class ScoreTableShown : std::uint8_t {
    Never,
    WhileTheCameraMoves,
    Always,
};

// The two blinking lines under "GAME OVER": the key to press, then what it does.
struct KeyInvite {
    texts::TextId Key;
    texts::TextId Action;
};

// What one screen shows: where its camera goes, what the scene draws (in this order: the score
// table while the camera moves, the letters in play, the options list, the board, the empty grid,
// the found words, the score table for good) and what the head-up text adds.
struct ScreenLook {
    CameraPose Camera;
    ScoreTableShown ScoreTable = ScoreTableShown::Never;
    bool Letters = false;
    bool OptionsList = false;
    bool Board = false;
    bool GridPreview = false;
    bool FoundWords = false;
    // The head-up name prompt, and the blinking "GAME OVER" lines with the key they invite.
    bool NamePrompt = false;
    std::optional<KeyInvite> GameOverLines = std::nullopt;
    // The scrolling key help, if any.
    std::optional<texts::TextId> Banner;
};

// The look of a screen; null for a mode that is no screen.
const ScreenLook* LookOf(ViewMode mode);

} // namespace scrivel
