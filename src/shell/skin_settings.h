#pragma once

#include "platform/canvas.h"

#include <array>
#include <cstdint>
#include <string>

namespace scrivel {

namespace platform {
class IniFile;
}

// Where a skin puts one bitmap button, and the bitmap's file inside Skins/ (empty: none).
struct ButtonSetting {
    int left = 0;
    int top = 0;
    std::string name;
};

// One section of Skins/skin.ini, read as the main form reads it: every key optional, with the
// quirks kept (the font colour is read a second time as the border colour, and the BorderColor
// key is read as the border flag).
struct SkinSettings {
    // The bitmap buttons in the order the form sets them up.
    enum Button { F1, F2, F3, Up, Left, Right, Down, ButtonCount };
    // Their key prefixes in the file.
    static constexpr std::array<const char*, ButtonCount> kButtonKeys = {
        "F1", "F2", "F3", "UpB", "LeftB", "RightB", "DownB"};
    // Font sizes outside this range are brought into it: a title must stay readable and fit.
    static constexpr int kMinFontSize = 6;
    static constexpr int kMaxFontSize = 72;

    int PanelLeft = 0;
    int PanelTop = 0;
    int PanelWidth = 0;
    int PanelHeight = 0;
    int TitleLeft = 0;
    int TitleTop = 0;
    int TitleWidth = 0;
    int TitleHeight = 0;
    platform::Font Font{"Arial", 16, platform::colours::kWhite, platform::FontStyle::Regular};
    bool Border = false;
    platform::Colour BorderColor = platform::colours::kWhite;
    int CloseBLeft = 0;
    int CloseBTop = 0;
    int ReduceBLeft = 0;
    int ReduceBTop = 0;
    std::array<ButtonSetting, ButtonCount> Buttons;

    // Whether the game has somewhere to be drawn: a file without the section, or damaged, gives
    // none.
    bool HasPanel() const { return PanelWidth > 0 && PanelHeight > 0; }

    // Section "Skin<index>" of the file. Button names holding a '/' are refused (left empty):
    // a name may only point inside Skins/.
    static SkinSettings Read(const platform::IniFile& ini, int index);
};

} // namespace scrivel
