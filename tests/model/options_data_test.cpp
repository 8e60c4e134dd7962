#include "model/options_data.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

using test::TempDir;

TEST(TOptionsData, ValuesAreBroughtIntoRangeAndMissingOnesDefault) {
    const struct {
        const char* file;
        int grid, minimum, speed, tick;
    } cases[] = {
        {"[SpeedInfo]\r\nSpeedMode=2\r\n", 8, 3, 2, 37},
        {"[SpeedInfo]\r\nSpeedMode=0\r\n", 8, 3, 0, 75},
        // An unknown speed already played at the normal pace; it is kept as normal.
        {"[gridsize]\nsize = 40\n[SpeedInfo]\nSpeedMode=7\n[Result Filter]\nMinWordSize=20\n", 12,
         12, 1, 50},
        {"[GridSize]\nSize=2\n[Result Filter]\nMinWordSize=6\n", 4, 4, 1, 50}};
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("options.ini", c.file);
        TOptionsData options(dir.File("options.ini"));
        EXPECT_EQ(options.GridSize, c.grid) << c.file;
        EXPECT_EQ(options.MinWordSize, c.minimum) << c.file;
        EXPECT_EQ(options.SpeedMode, c.speed) << c.file;
        EXPECT_EQ(options.TickPeriod, c.tick) << c.file;
    }
    TempDir dir;
    dir.Write("options.ini", "[Data Filter]\nRandomLetter=5\n[DISPLAY]\nBackground=zero\n"
                             "NumTexture=-4\nFontColorNum=0x20\nFontName=  Verdana  \n");
    {
        TOptionsData options(dir.File("options.ini"));
        EXPECT_TRUE(options.RandomLetter);
        EXPECT_TRUE(options.Background); // not a number: the default
        EXPECT_EQ(options.NumTexture, 0);
        EXPECT_EQ(options.FontColorNum, 9);
        EXPECT_EQ(options.FontName, "Verdana");
    }
    EXPECT_NE(dir.Read("options.ini").find("RandomLetter=1"), std::string::npos);
}

// The skin and the window's place come back at the next run (the name's round trip is the game
// data test's); a file from before they were kept starts on skin 4 at the default place as
// "Anonyme", its own keys unchanged.
TEST(TOptionsData, SkinPlaceNameAndMarkerAreKeptAndAnOldFileStartsAsBefore) {
    TempDir dir;
    const std::string old = "[GridSize]\r\nSize=6\r\n[Display]\r\nFontName=Verdana\r\n";
    dir.Write("options.ini", old);
    {
        TOptionsData options(dir.File("options.ini"));
        EXPECT_EQ(options.SkinIndex, 4);
        EXPECT_FALSE(options.Place.has_value());
        EXPECT_EQ(options.PlayerName, "Anonyme");
        EXPECT_EQ(options.GridSize, 6);
        EXPECT_TRUE(options.Marker) << "the landing cell is shown by default";
        options.Marker = false;
        options.SkinIndex = 2;
        // The window gives its place as it stands when the file is written.
        options.BeforeSave = [](TOptionsData& saved) { saved.Place = FormPlace{-30, 1200}; };
    }
    const std::string text = dir.Read("options.ini");
    EXPECT_EQ(text.substr(0, old.size()), old);
    EXPECT_NE(text.find("[Window]\r\nSkin=2\r\nLeft=-30\r\nTop=1200\r\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Marker=0\r\n"), std::string::npos) << text;
    {
        TOptionsData options(dir.File("options.ini"));
        EXPECT_EQ(options.SkinIndex, 2);
        EXPECT_EQ(options.Place, (FormPlace{-30, 1200}));
        EXPECT_FALSE(options.Marker);
    }

    // Damaged values: an unknown skin is the start skin, half a place is none, no name the default.
    for (const char* damaged :
         {"[Window]\nSkin=0\nLeft=10\n[Player]\nName=\n", "[Window]\nSkin=5\nTop=10\n",
          "[Window]\nSkin=x\nLeft=a\nTop=3\n"}) {
        TempDir other;
        other.Write("options.ini", damaged);
        TOptionsData options(other.File("options.ini"));
        EXPECT_EQ(options.SkinIndex, 4) << damaged;
        EXPECT_FALSE(options.Place.has_value()) << damaged;
        EXPECT_EQ(options.PlayerName, "Anonyme") << damaged;
    }
}

TEST(TOptionsData, UncreatableFileIsReportedAndDefaultsStay) {
    TempDir dir;
    const std::string path = dir.File("missing-folder/options.ini");
    testing::internal::CaptureStderr();
    EXPECT_EQ(TOptionsData(path).GridSize, 8);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Impossible de créer le fichier : \n" + path), std::string::npos) << err;
}

} // namespace
} // namespace scrivel
