#include "platform/ini_file.h"
#include "shell/skin_settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

SkinSettings Read(const std::string& section) {
    test::TempDir dir;
    return SkinSettings::Read(platform::IniFile(dir.Write("skin.ini", "[SKIN2]\r\n" + section)), 2);
}

TEST(SkinSettings, MissingKeysTakeTheirDefaults) {
    const SkinSettings s = Read("");
    EXPECT_EQ((std::vector{s.PanelLeft, s.PanelWidth, s.TitleHeight, s.CloseBLeft}),
              (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(s.Font.size, 16);
    EXPECT_FALSE(s.Border);
    EXPECT_EQ(s.Buttons[SkinSettings::F1].name, "");
}

TEST(SkinSettings, TheFontColourIsAlsoTheBorderColourAndBorderColorIsTheFlag) {
    // Windows order, red in the low byte; the top byte is no colour.
    const SkinSettings s = Read("fontcolor=0x01336699\r\nBorderColor=255\r\nFontSize=12\r\n"
                                "FontBold=1\r\nFontItalic=0\r\nPanelWidth=$1F4\r\n");
    EXPECT_EQ(s.Font.colour, (platform::Colour{153, 102, 51}));
    EXPECT_EQ(s.BorderColor, (platform::Colour{153, 102, 51}));
    EXPECT_TRUE(s.Border);
    EXPECT_EQ(s.Font.size, 12);
    EXPECT_EQ(s.Font.style, platform::FontStyle::Bold);
    EXPECT_EQ(s.PanelWidth, 500);
}

} // namespace
} // namespace scrivel
