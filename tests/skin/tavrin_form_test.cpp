#include "platform/canvas.h"
#include "platform_x11/x11_fixture.h"
#include "skin/region_mg.h"
#include "skin/skin_mg.h"
#include "skin/tavrin_form.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace scrivel {
namespace {

constexpr std::uint32_t kPictureColour = 0x3080C0;

// A form in a fresh folder holding Skins/: skin 1 is a 120 x 90 ellipse, skin 2 a 100 x 80
// rectangle whose picture is only 60 x 40; the tests add broken ones.
class TTavrinFormTest : public test::X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        std::filesystem::create_directory("Skins");
        platform::Bitmap mask = test::Filled(120, 90, 0xFFFFFF);
        platform::Canvas canvas(mask);
        canvas.SetAntialias(platform::Antialias::Off);
        canvas.FillEllipse({60, 45}, 55, 40, platform::colours::kBlack);
        mask.SaveBmp("Skins/region1mask.bmp");
        test::Filled(120, 90, kPictureColour).SaveJpeg("Skins/region1.jpg", 100);
        platform::Bitmap rectangle = test::Filled(100, 80, 0xFFFFFF);
        platform::Canvas(rectangle).FillRect(2, 2, 96, 76, platform::colours::kBlack);
        rectangle.SaveBmp("Skins/region2mask.bmp");
        test::Filled(60, 40, kPictureColour).SaveJpeg("Skins/region2.jpg", 100);
        form_ = std::make_unique<TTavrinForm>(
            App(), platform::WindowBounds{test::kLeft, test::kTop, 200, 150}, "form");
    }
    void TearDown() override {
        form_.reset();
        X11Test::TearDown();
    }
    // Shows skin index and reports whether it took.
    bool Apply(int index) {
        form_->SetSkinned(true);
        form_->SetSkinIndex(index);
        form_->ApplySkin();
        ShowAndSettle(*form_);
        return form_->Skinned();
    }
    bool Near(std::uint32_t a, std::uint32_t b) {
        for (int shift : {0, 8, 16}) {
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 6) {
                return false;
            }
        }
        return true;
    }

    test::CurrentTempDir folder_;
    std::unique_ptr<TTavrinForm> form_;
};

TEST_F(TTavrinFormTest, ASkinGivesTheMasksSizeShapeAndPictureWithoutAFrame) {
    EXPECT_TRUE(form_->Framed());
    ASSERT_TRUE(Apply(1));
    EXPECT_FALSE(form_->Framed());
    EXPECT_EQ(std::pair(form_->Width(), form_->Height()), std::pair(120, 90));
    EXPECT_TRUE(form_->RegionApplied());
    const platform::Region& shape = form_->RegionMg()->WindowRegion();
    EXPECT_EQ(ServerShape(*form_), test::PixelsOf(shape));
    EXPECT_TRUE(shape.Contains(60, 45) && !shape.Contains(2, 2));
    EXPECT_TRUE(Near(WindowPixel(*form_, 60, 45), kPictureColour));

    // Skin 2's picture covers only part of its mask: the rest is filled, not left stale.
    ASSERT_TRUE(Apply(2));
    EXPECT_EQ(form_->Width(), 100);
    EXPECT_TRUE(Near(WindowPixel(*form_, 30, 20), kPictureColour));
    EXPECT_EQ(WindowPixel(*form_, 80, 60), 0x303030u);
}

TEST_F(TTavrinFormTest, AFailedSkinLeavesTheFormUnskinnedWithARoundedOutline) {
    // Missing files, an undecodable picture, a mask without any shape: each fails the skin.
    folder_.Write("Skins/region3.jpg", "not a picture");
    std::filesystem::copy_file("Skins/region1mask.bmp", "Skins/region3mask.bmp");
    test::Filled(50, 50, 0xFFFFFF).SaveBmp("Skins/region4mask.bmp");
    test::Filled(50, 50, kPictureColour).SaveJpeg("Skins/region4.jpg");
    TSkinInfos untouched;
    EXPECT_FALSE(form_->LoadSkinInfos(untouched, 0)); // built-in records are for 1 to 4 only
    EXPECT_FALSE(form_->LoadSkinInfos(untouched, 5));
    for (int index : {5, 3, 4}) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(Apply(1));
        EXPECT_FALSE(Apply(index));
        EXPECT_TRUE(form_->SkinMg() == nullptr && form_->RegionBitmap() == nullptr);
        EXPECT_EQ(form_->Width(), 120); // the size stays
        EXPECT_FALSE(form_->RegionMg()->MaskMode());
        EXPECT_GT(test::PixelsOf(form_->RegionMg()->WindowRegion()).size(), 1000u);
        // The last picture stays, stretched over the form.
        EXPECT_TRUE(Near(WindowPixel(*form_, 60, 45), kPictureColour));
    }
}

} // namespace
} // namespace scrivel
