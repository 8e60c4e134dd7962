#include "model/options_data.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

using test::TempDir;

TEST(TOptionsData, MissingFileIsCreatedWithEveryKeyAtItsDefault) {
    TempDir dir;
    {
        TOptionsData options(dir.File("options.ini"));
        EXPECT_EQ(options.TickPeriod, 50);
    }
    const std::string text = dir.Read("options.ini");
    for (const char* line :
         {"[GridSize]", "Size=8", "[SpeedInfo]", "SpeedMode=1", "[Result Filter]", "MinWordSize=3",
          "[Data Filter]", "RandomLetter=0", "[Display]", "Background=1", "NumTexture=0",
          "FontName=Arial", "FontColorNum=9"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
    }
    // Keys are written in the table's order.
    EXPECT_LT(text.find("Size=8"), text.find("SpeedMode=1"));
    EXPECT_LT(text.find("Background=1"), text.find("FontColorNum=9"));
}

TEST(TOptionsData, PartialFileKeepsDefaultsForWhatIsMissing) {
    TempDir dir;
    dir.Write("options.ini", "[SpeedInfo]\r\nSpeedMode=2\r\n");
    TOptionsData options(dir.File("options.ini"));
    EXPECT_EQ(options.SpeedMode, 2);
    EXPECT_EQ(options.TickPeriod, 37);
    EXPECT_EQ(options.GridSize, 8);
    EXPECT_EQ(options.FontName, "Arial");
}

TEST(TOptionsData, HandEditedValuesAreBroughtIntoRange) {
    TempDir dir;
    dir.Write("options.ini", "[gridsize]\nsize = 40\n[SpeedInfo]\nSpeedMode=7\n"
                             "[Result Filter]\nMinWordSize=20\n[Data Filter]\nRandomLetter=5\n"
                             "[DISPLAY]\nBackground=zero\nNumTexture=-4\nFontColorNum=0x20\n"
                             "FontName=  Verdana  \n");
    {
        TOptionsData options(dir.File("options.ini"));
        EXPECT_EQ(options.GridSize, 12);
        EXPECT_EQ(options.MinWordSize, 12);
        // An unknown speed already played at the normal pace; it is kept as normal.
        EXPECT_EQ(options.SpeedMode, 1);
        EXPECT_EQ(options.TickPeriod, 50);
        EXPECT_TRUE(options.RandomLetter);
        EXPECT_TRUE(options.Background); // not a number: the default
        EXPECT_EQ(options.NumTexture, 0);
        EXPECT_EQ(options.FontColorNum, 9);
        EXPECT_EQ(options.FontName, "Verdana");
    }
    const std::string text = dir.Read("options.ini");
    EXPECT_NE(text.find("RandomLetter=1"), std::string::npos) << text;
    TOptionsData reread(dir.File("options.ini"));
    EXPECT_EQ(reread.GridSize, 12);
}

TEST(TOptionsData, SmallGridLimitsMinimumWordSize) {
    TempDir dir;
    dir.Write("options.ini", "[GridSize]\nSize=2\n[Result Filter]\nMinWordSize=6\n");
    TOptionsData options(dir.File("options.ini"));
    EXPECT_EQ(options.GridSize, 4);
    EXPECT_EQ(options.MinWordSize, 4);
}

TEST(TOptionsData, ChangesAreWrittenWhenDestroyedAndOtherLinesKept) {
    TempDir dir;
    dir.Write("options.ini", "; réglages\r\n[Display]\r\nFontName=Garamond\r\nExtra=keep\r\n");
    {
        TOptionsData options(dir.File("options.ini"));
        options.GridSize = 10;
        options.SpeedMode = 0;
        options.FontColorNum = 3;
    }
    TOptionsData reread(dir.File("options.ini"));
    EXPECT_EQ(reread.GridSize, 10);
    EXPECT_EQ(reread.TickPeriod, 75);
    EXPECT_EQ(reread.FontColorNum, 3);
    EXPECT_EQ(reread.FontName, "Garamond");
    const std::string text = dir.Read("options.ini");
    EXPECT_NE(text.find("; réglages"), std::string::npos);
    EXPECT_NE(text.find("Extra=keep"), std::string::npos);
}

TEST(TOptionsData, UncreatableFileIsReportedAndDefaultsStay) {
    TempDir dir;
    const std::string path = dir.File("missing-folder/options.ini");
    testing::internal::CaptureStderr();
    {
        TOptionsData options(path);
        EXPECT_EQ(options.GridSize, 8);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Impossible de créer le fichier : \n" + path), std::string::npos) << err;
}

} // namespace
} // namespace scrivel
