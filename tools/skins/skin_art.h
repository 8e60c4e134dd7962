#pragma once

#include "platform/bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

// The four skins of the main window: outline, background picture, layout and button bitmaps.
// Every picture depends only on fixed seeds, so every build writes the same files.
namespace scrivel::skins {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One bitmap button of a skin: its key prefix in skin.ini ("F1", "UpB"), file and place.
struct ButtonArt {
    std::string key;
    std::string file;
    int left = 0;
    int top = 0;
    platform::Bitmap picture; // outside colour at (0, 0), hard edge
};

struct SkinArt {
    int number = 0;
    std::string title; // for people: what the skin is made of
    platform::Bitmap background{};
    platform::Bitmap mask{}; // white outside, black inside
    Box panel;
    Box titleBox;
    std::string fontName;
    int fontSize = 16;
    bool fontBold = false;
    bool fontItalic = false;
    std::uint32_t fontColour = 0xFFFFFF; // 0x00BBGGRR
    int closeLeft = 0;
    int closeTop = 0;
    int reduceLeft = 0;
    int reduceTop = 0;
    std::vector<ButtonArt> buttons{};
};

// Skin number 1 to 4.
SkinArt MakeSkin(int number);

// The skin.ini section of a skin, CR LF line ends.
std::string IniSection(const SkinArt& skin);

// The window as a player sees it without the game: background inside the outline, the buttons,
// the title, a dark panel, on a neutral backdrop.
platform::Bitmap Preview(const SkinArt& skin);

} // namespace scrivel::skins
