#pragma once

#include "model/state_view.h"

#include <string>
#include <vector>

namespace scrivel {

// One line of the text drawn over the scene: its start in window pixels (origin at the bottom
// left), its bitmap font size (0 keeps the font selected last) and its colour.
struct HeadUpLine {
    int X = 0;
    int Y = 0;
    int FontSize = 0;
    float Red = 1.0f;
    float Green = 1.0f;
    float Blue = 1.0f;
    std::string Text;
    bool operator==(const HeadUpLine&) const = default;
};

// What the head-up text shows in one frame: the score, the player's name, and by mode the name
// prompt and the blinking "GAME OVER" lines (blink is the frame counter, 30 down to 0). The
// scrolling key help of the menu and the options screen is drawn apart.
std::vector<HeadUpLine> HeadUpLines(ViewMode mode, int height, int blink, int score,
                                    const std::string& name);

} // namespace scrivel
