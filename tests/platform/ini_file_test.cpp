#include "platform/ini_file.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

TEST(IniFile, ReadsIgnoringCaseAndSpacing) {
    test::TempDir dir;
    const IniFile ini(dir.Write("options.ini", "Size=99\n"
                                               "  [ display ]  \r\n"
                                               "; FontName=Comment\n"
                                               "\tFONTNAME =  Times New Roman \t\n"
                                               "just text\r"
                                               "Empty=\r\n"
                                               "[Other]\n"
                                               "Size=7 ; not a comment\n"
                                               "[DISPLAY]\n"
                                               "Later=1"));
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
    const IniFile ini(dir.Write("n.ini", "[N]\n"
                                         "a= 42 \nb=-17\nc=+5\nd=0x1F\ne=0XfF\nf=-0x10\n"
                                         "g=$7fffffff\nh=-$80000000\ni=-2147483648\n"
                                         "over=2147483648\nunder=-2147483649\nhexover=0x80000000\n"
                                         "huge=99999999999999999999\ngarbage=12abc\nspace=1 2\n"
                                         "bare=0x\nsign=-\nempty=\nnone=None\nfloat=1.5\n"));
    const auto read = [&](const char* key) { return ini.ReadInteger("N", key, -999); };
    const std::pair<const char*, int> numbers[] = {{"a", 42},
                                                   {"b", -17},
                                                   {"c", 5},
                                                   {"d", 31},
                                                   {"e", 255},
                                                   {"f", -16},
                                                   {"g", 2147483647},
                                                   {"h", -2147483647 - 1},
                                                   {"i", -2147483647 - 1}};
    for (const auto& [key, value] : numbers) {
        EXPECT_EQ(read(key), value) << key;
    }
    for (const char* key : {"over", "under", "hexover", "huge", "garbage", "space", "bare", "sign",
                            "empty", "none", "float", "missing"}) {
        EXPECT_EQ(read(key), -999) << key;
    }
}

TEST(IniFile, WriteKeepsEveryOtherLine) {
    test::TempDir dir;
    const std::string path = dir.Write("options.ini", "; Scrivel\n"
                                                      "[GridSize]\n"
                                                      "  size = 8  \n"
                                                      "Unknown=kept\n"
                                                      "; about display\n"
                                                      "\n"
                                                      "[Display]\n"
                                                      "[Empty]\n");
    IniFile ini(path);
    ini.WriteString("gridsize", "SIZE", "12");
    ini.WriteString("GridSize", "Extra", "x");
    ini.WriteString("Display", "FontName", "Arial");
    ini.WriteString("Display", "NumTexture", "0");
    ini.WriteString("SpeedInfo", "SpeedMode", "1");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(dir.Read("options.ini"), "; Scrivel\r\n"
                                       "[GridSize]\r\n"
                                       "size=12\r\n"
                                       "Unknown=kept\r\n"
                                       "Extra=x\r\n"
                                       "; about display\r\n"
                                       "\r\n"
                                       "[Display]\r\n"
                                       "FontName=Arial\r\n"
                                       "NumTexture=0\r\n"
                                       "[Empty]\r\n"
                                       "\r\n"
                                       "[SpeedInfo]\r\n"
                                       "SpeedMode=1\r\n");
    EXPECT_EQ(IniFile(path).ReadInteger("GridSize", "Size", 0), 12);
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

TEST(IniFile, FailedSaveReportsFalseAndKeepsOldFile) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("game"));
    dir.Write("game/options.ini", "[GridSize]\nSize=8\n");
    IniFile ini(dir.File("game/options.ini"));
    ini.WriteString("GridSize", "Size", "5");
    // The folder moves away under the loaded file and a plain file takes its name.
    std::filesystem::rename(dir.File("game"), dir.File("moved"));
    dir.Write("game", "");
    EXPECT_FALSE(ini.Save());
    EXPECT_EQ(dir.Read("moved/options.ini"), "[GridSize]\nSize=8\n");
}

} // namespace
} // namespace scrivel::platform
