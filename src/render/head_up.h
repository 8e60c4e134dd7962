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

// What the head-up text shows in one frame: the score, the player's name, and by screen the name
// prompt and the blinking "GAME OVER" lines (blink is the tick counter, 30 down to 0). Texts are
// Latin-1 bytes, as the bitmap fonts draw them. The scrolling key help of the menu and the
// options screen is drawn apart.
std::vector<HeadUpLine> HeadUpLines(ViewMode mode, int height, int blink, int score,
                                    const std::string& name);

// The counter that makes the head-up lines blink: 30 down to 0, one step a tick, and round again.
class HeadUpBlink {
public:
    void Step() { counter_ = counter_ > 0 ? counter_ - 1 : 30; }
    int Counter() const { return counter_; }

private:
    int counter_ = 0;
};

// Where the key help stands as it scrolls leftwards from the window's right edge, a fiftieth of
// the width a tick, and waits at x = 50 until it has gone as far again off the left.
class BannerScroll {
public:
    static constexpr int Left = 50;

    void Step(int width);
    // Where the line is drawn.
    int X() const { return drawnX_; }

private:
    int x_ = 0;
    int drawnX_ = Left;
    bool started_ = false;
};

} // namespace scrivel
