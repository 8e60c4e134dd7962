#include "platform/ini_file.h"
#include "support/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

TEST(IniFile, ReadsIgnoringCaseAndSpacing) {
    test::TempDir dir;
    const IniFile ini(dir.Write("options.ini", "Size=99\n  [ display ]  \r\n; FontName=Comment\n"
                                               "\tFONTNAME =  Times New Roman \t\n[DISPLAY]\n"
                                               "Later=1"));
    EXPECT_EQ(ini.ReadString("Display", "FontName", "x"), "Times New Roman");
    // Keys before any section and in a second section of the same name are not read.
    EXPECT_EQ(ini.ReadString("Display", "Size", "x"), "x");
    EXPECT_EQ(ini.ReadString("Display", "Later", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("Missing", "Size", 8), 8);
}

// Found by fuzzing: of two marks only the first was skipped, so the first section stayed hidden
// until a save dropped that mark, and then its old values came back over the saved ones.
TEST(IniFile, ByteOrderMarksAtTheStartAreSkipped) {
    for (const int marks : {1, 2}) {
        std::string text;
        for (int i = 0; i < marks; ++i) {
            text += "\xEF\xBB\xBF";
        }
        const IniFile ini("a.ini", text + "[Speed]\r\nSpeedMode=2\r\n");
        EXPECT_EQ(ini.ReadInteger("Speed", "SpeedMode", 1), 2) << marks;
        EXPECT_EQ(IniFile("a.ini", ini.Text()).Text(), ini.Text()) << marks;
    }
}

TEST(IniFile, ReadIntegerAcceptsDecimalAndHexOnly) {
    test::TempDir dir;
    const IniFile ini(dir.Write("n.ini", "[N]\n42= 42 \n255=0XfF\n2147483647=$7fffffff\n"
                                         "-2147483648=-2147483648\nover=2147483648\n"
                                         "hexover=0x80000000\ngarbage=12abc\nbare=0x\nempty=\n"));
    for (const int number : {42, 255, INT_MAX, INT_MIN}) {
        EXPECT_EQ(ini.ReadInteger("N", std::to_string(number), -999), number);
    }
    for (const char* key : {"over", "hexover", "garbage", "bare", "empty"}) {
        EXPECT_EQ(ini.ReadInteger("N", key, -999), -999) << key;
    }
}

TEST(IniFile, WriteKeepsEveryOtherLine) {
    test::TempDir dir;
    const std::string path = dir.Write("options.ini", "; Scrivel\n[GridSize]\n  size = 8  \n"
                                                      "Unknown=kept\n\n[Display]\n");
    IniFile ini(path);
    ini.WriteString("gridsize", "SIZE", "12");
    ini.WriteString("GridSize", "Extra", "x");
    ini.WriteString("SpeedInfo", "SpeedMode", "1");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(dir.Read("options.ini"), "; Scrivel\r\n[GridSize]\r\nsize=12\r\nUnknown=kept\r\n"
                                       "Extra=x\r\n\r\n[Display]\r\n\r\n[SpeedInfo]\r\n"
                                       "SpeedMode=1\r\n");
}

} // namespace
} // namespace scrivel::platform
