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
