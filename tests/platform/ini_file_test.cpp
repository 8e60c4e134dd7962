#include "platform/ini_file.h"
#include "support/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

TEST(IniFile, ReadsIgnoringCaseAndSpacing) {
    test::TempDir dir;
    const IniFile ini(dir.Write("options.ini", "Size=99\n  [ display ]  \r\n; FontName=Comment\n"
                                               "\tFONTNAME =  Times New Roman \t\njust text\r"
                                               "Empty=\r\n[Other]\nSize=7 ; not a comment\n"
                                               "[DISPLAY]\nLater=1"));
    EXPECT_EQ(ini.ReadString("Display", "FontName", "x"), "Times New Roman");
    EXPECT_EQ(ini.ReadString("Display", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("other", "SIZE", "x"), "7 ; not a comment");
    // Keys before any section, stray text and a second section of the same name are not read.
    EXPECT_EQ(ini.ReadString("Display", "Size", "x"), "x");
    EXPECT_EQ(ini.ReadString("Display", "just text", "x"), "x");
    EXPECT_EQ(ini.ReadString("Display", "Later", "x"), "x");
    EXPECT_EQ(ini.ReadInteger("Missing", "Size", 8), 8);
    EXPECT_EQ(IniFile(dir.File("missing.ini")).ReadString("Display", "FontName", "x"), "x");
}

TEST(IniFile, ReadIntegerAcceptsDecimalAndHexOnly) {
    test::TempDir dir;
    const IniFile ini(dir.Write("n.ini", "[N]\n0= 42 \n1=-17\n2=+5\n3=0x1F\n4=0XfF\n5=-0x10\n"
                                         "6=$7fffffff\n7=-$80000000\n8=-2147483648\n"
                                         "over=2147483648\nunder=-2147483649\nhexover=0x80000000\n"
                                         "huge=99999999999999999999\ngarbage=12abc\nspace=1 2\n"
                                         "bare=0x\nsign=-\nempty=\nnone=None\nfloat=1.5\n"));
    const int numbers[] = {42, -17, 5, 31, 255, -16, INT_MAX, INT_MIN, INT_MIN};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(ini.ReadInteger("N", std::to_string(i), -999), numbers[i]) << i;
    }
    for (const char* key : {"over", "under", "hexover", "huge", "garbage", "space", "bare", "sign",
                            "empty", "none", "float", "missing"}) {
        EXPECT_EQ(ini.ReadInteger("N", key, -999), -999) << key;
    }
}

TEST(IniFile, WriteKeepsEveryOtherLine) {
    test::TempDir dir;
    const std::string path = dir.Write("options.ini", "; Scrivel\n[GridSize]\n  size = 8  \n"
                                                      "Unknown=kept\n; about display\n\n"
                                                      "[Display]\n[Empty]\n");
    IniFile ini(path);
    ini.WriteString("gridsize", "SIZE", "12");
    ini.WriteString("GridSize", "Extra", "x");
    ini.WriteString("Display", "FontName", "Arial");
    ini.WriteString("Display", "NumTexture", "0");
    ini.WriteString("SpeedInfo", "SpeedMode", "1");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(dir.Read("options.ini"),
              "; Scrivel\r\n[GridSize]\r\nsize=12\r\nUnknown=kept\r\nExtra=x\r\n; about display\r\n"
              "\r\n[Display]\r\nFontName=Arial\r\nNumTexture=0\r\n[Empty]\r\n\r\n[SpeedInfo]\r\n"
              "SpeedMode=1\r\n");
}

TEST(IniFile, LineBreaksInWrittenTextCannotForgeLines) {
    test::TempDir dir;
    IniFile ini(dir.File("a.ini"));
    ini.WriteString("Display", "FontName", "Arial\r\n[GridSize]\nSize=99");
    ASSERT_TRUE(ini.Save());
    const IniFile again(dir.File("a.ini"));
    EXPECT_EQ(again.ReadString("GridSize", "Size", "none"), "none");
    EXPECT_EQ(again.ReadString("Display", "FontName", ""), "Arial  [GridSize] Size=99");
}

TEST(IniFile, FailedSaveReportsFalse) {
    IniFile ini(test::TempDir().File("missing/options.ini"));
    ini.WriteString("GridSize", "Size", "5");
    EXPECT_FALSE(ini.Save());
}

} // namespace
} // namespace scrivel::platform
