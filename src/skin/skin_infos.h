#pragma once

#include "platform/canvas.h"

#include <cstdint>

namespace scrivel {

// The layout of one skin: where the game's panel and the title go, the title's font and the
// skin's colours (0x00BBGGRR). The skin manager fills it when a skin loads.
struct TSkinInfos {
    int PanelWidth = 0;
    int PanelHeight = 0;
    int PanelLeft = 0;
    int PanelTop = 0;
    int TitleLeft = 0;
    int TitleTop = 0;
    int TitleWidth = 0;
    int TitleHeight = 0;
    std::uint32_t Color = 0;
    platform::Font Font;
    platform::Font SecondFont; // never set by the manager
    bool Border = false;
    std::uint32_t BorderColor = 0;
    std::uint32_t FontColor = 0;
    std::uint32_t ExtraColor = 0;
};

} // namespace scrivel
