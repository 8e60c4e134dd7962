#pragma once

#include "platform/canvas.h"

#include <cstdint>

namespace scrivel {

// The layout of one skin: where the game's panel and the title go, the title's font and the
// skin's colours. The skin manager fills it when a skin loads.
struct TSkinInfos {
    int PanelWidth = 0;
    int PanelHeight = 0;
    int PanelLeft = 0;
    int PanelTop = 0;
    int TitleLeft = 0;
    int TitleTop = 0;
    int TitleWidth = 0;
    int TitleHeight = 0;
    platform::Colour Color;
    platform::Font Font;
    platform::Font SecondFont; // never set by the manager
    bool Border = false;
    platform::Colour BorderColor;
    platform::Colour FontColor;
    platform::Colour ExtraColor;
};

} // namespace scrivel
