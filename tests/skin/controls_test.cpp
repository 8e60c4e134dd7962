#include "platform/path.h"
#include "platform_x11/x11_fixture.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/tavrin_control.h"
#include "support/temp_dir.h"

namespace scrivel {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

using Control = TTavrinControl;

// Every control test on one form of 200 x 120.
class ControlTest : public test::X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        form_ = std::make_unique<platform::Window>(
            App(), platform::WindowKind::Form,
            platform::WindowBounds{test::kLeft + 40, test::kTop + 40, 200, 120});
    }
    void TearDown() override {
        form_.reset();
        X11Test::TearDown();
    }
    platform::Window& Form() { return *form_; }
    test::TempDir folder_;

private:
    std::unique_ptr<platform::Window> form_;
};

using TTavrinControlTest = ControlTest;
using TCustomButtonTest = ControlTest;

TEST_F(TTavrinControlTest, RoundCornersOfZeroTakeHalfTheSizeAndAMissingPictureChangesNothing) {
    Control control(Form());
    control.SetBounds(0, 0, 25, 25);
    control.SetRoundCorners(0, 0);
    platform::Path path;
    control.BuildOutline(1, path);
    ASSERT_EQ(path.Figures().size(), 1u);
    const platform::Path::Figure& f = path.Figures()[0];
    EXPECT_EQ(f.kind, platform::Path::Kind::RoundRect);
    EXPECT_EQ(std::vector<int>({f.left, f.top, f.right, f.bottom, f.cornerWidth, f.cornerHeight}),
              std::vector<int>({1, 1, 23, 23, 12, 12}));
    ASSERT_NE(control.WindowShape(), nullptr);
    const platform::Region shape = *control.WindowShape();

    control.LoadPicture(folder_.File("absent.bmp"));
    EXPECT_THROW(control.LoadPicture(folder_.Write("broken.bmp", "BM not really a bitmap")),
                 platform::ImageError);
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeRoundRect);
    EXPECT_TRUE(control.Picture() == nullptr && *control.WindowShape() == shape);
}

TEST_F(TTavrinControlTest, AGlyphStretchesAtTheFirstPaintAndIsDimmedUntilThePointerIsOver) {
    TImageList icons(20, 20);
    icons.Add(test::Filled(20, 20, kWhite));
    Control control(Form());
    control.SetBounds(10, 10, 25, 25);
    control.SetImageList(&icons);
    control.SetGlyphIndex(0);
    EXPECT_EQ(control.Width(), 25);
    ShowAndSettle(Form());
    EXPECT_EQ(control.Width(), 20);
    EXPECT_EQ(WindowPixel(control, 10, 10), 0xC0C0C0u);
    MovePointerTo(control, 10, 10);
    EXPECT_EQ(WindowPixel(control, 10, 10), kWhite);
}

TEST_F(TTavrinControlTest, APressOutsideTheShapeDoesNotReachTheControl) {
    platform::Bitmap bitmap = test::Filled(31, 31, kWhite); // a black disc, its corners outside
    platform::Path disc;
    disc.RoundRect(0, 0, 31, 31, 31, 31);
    platform::Region::FromPath(disc)->Paint(bitmap, 0);
    bitmap.SaveBmp(folder_.File("disc.bmp"));
    Control control(Form());
    control.SetBounds(20, 20, 10, 10);
    control.LoadPicture(folder_.File("disc.bmp"));
    EXPECT_EQ(control.Width(), 31);
    EXPECT_EQ(control.Picture()->Pixel(0, 0), kWhite); // only the traced copy was reduced
    int clicks = 0;
    control.SetOnClickEvent([&](TTavrinControl&) { ++clicks; });
    ShowAndSettle(Form());
    Click(control, 1, 1);
    EXPECT_EQ(clicks, 0);
    Click(control, 15, 15);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TCustomButtonTest, PressMoveOffAndReleaseStillClicksAndFlipsDown) {
    TCustomButton button(Form(), "F1", "F1", {128, 128, 128});
    button.SetBounds(10, 10, 40, 20);
    int clicks = 0;
    button.SetOnClickEvent([&](TTavrinControl&) { ++clicks; });
    ShowAndSettle(Form());
    MovePointerTo(button, 20, 10);
    PressButton();
    MovePointerTo(Form(), 150, 100);
    ReleaseButton();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button.Down());
    Click(button, 20, 10);
    EXPECT_FALSE(button.Down());
}

} // namespace
} // namespace scrivel
