#include "platform/bitmap.h"
#include "skin/skin_mg.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

// Runs each test in a fresh folder: the skin files are looked up from the current directory.
class TSkinMgTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory("Skins"); }

    static void Picture(const std::string& name, int width, int height) {
        platform::Bitmap bitmap(width, height);
        bitmap.Fill(0x336699);
        if (name.ends_with(".bmp")) {
            bitmap.SaveBmp("Skins/" + name);
        } else {
            bitmap.SaveJpeg("Skins/" + name);
        }
    }

    test::CurrentTempDir folder_;
};

TEST_F(TSkinMgTest, LoadZeroSucceedsAtOnceAndMissingFilesFailWithoutTouchingTheRecord) {
    TSkinMg manager(true, nullptr);
    EXPECT_TRUE(manager.Load(0));
    EXPECT_EQ(manager.PictureName(), "");
    platform::Bitmap mask(3, 3);
    EXPECT_FALSE(manager.LoadMask(mask));
    EXPECT_EQ(mask.Width(), 3);

    manager.Infos().PanelWidth = 7;
    EXPECT_FALSE(manager.Load(3));
    Picture("region3.jpg", 10, 10);
    EXPECT_FALSE(manager.Load(3)); // the mask is missing, but the picture's name is kept
    EXPECT_EQ(manager.PictureName(), "Skins/region3.jpg");
    EXPECT_EQ(manager.MaskName(), "");
    EXPECT_EQ(manager.Infos().PanelWidth, 7);
}

} // namespace
} // namespace scrivel
