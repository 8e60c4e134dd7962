#pragma once

#include "model/state_view.h"
#include "texts/texts.h"

#include <cstdint>
#include <optional>

namespace scrivel {

// Where the camera goes: its position and its angles in degrees.
struct CameraPose {
    float X, Y, Z, AngleX, AngleY, AngleZ;
    bool operator==(const CameraPose&) const = default;
};

// The perspective every screen is seen through, stretched over the whole panel.
struct ViewFrustum {
    static constexpr float Left = -1.0f;
    static constexpr float Right = 1.0f;
    static constexpr float Bottom = -0.75f;
    static constexpr float Top = 0.95f;
    static constexpr float Near = 3.0f;
    static constexpr float Far = 100.0f;
};

// The panel the screens were laid out for; a smaller one gets the compact poses.
struct FullPanel {
    static constexpr int Width = 600;
    static constexpr int Height = 500;
};

// A point of the scene on the panel, in pixels from its bottom-left corner; Depth is the
// distance in front of the eye (not positive behind it).
struct PanelPoint {
    float X = 0.0f;
    float Y = 0.0f;
    float Depth = 0.0f;
};

// Where (x, y, z) lands on a width x height panel seen from pose through the view's frustum.
PanelPoint Project(const CameraPose& pose, float x, float y, float z, int width, int height);

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
    // Where the camera goes on a panel smaller than the full one, when the text it shows would
    // otherwise run off the panel or under the head-up lines.
    std::optional<CameraPose> CompactCamera = std::nullopt;
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

// Where look's camera goes on a width x height panel.
const CameraPose& CameraFor(const ScreenLook& look, int width, int height);

} // namespace scrivel
