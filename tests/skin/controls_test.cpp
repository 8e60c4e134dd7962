#include "platform/canvas.h"
#include "platform/path.h"
#include "platform_x11/x11_fixture.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/tavrin_control.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace scrivel {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kDimmedWhite = 0xC0C0C0;

// A control whose protected operations the tests call directly.
class Control : public TTavrinControl {
public:
    using TTavrinControl::DoMouseLeave;
    using TTavrinControl::DoMouseMove;
    using TTavrinControl::TTavrinControl;
};

platform::Bitmap Filled(int width, int height, std::uint32_t colour) {
    platform::Bitmap bitmap(width, height);
    bitmap.Fill(colour);
    return bitmap;
}

TImageList Glyphs(int size, std::initializer_list<std::uint32_t> colours) {
    TImageList list(size, size);
    for (std::uint32_t colour : colours) {
        list.Add(Filled(size, size, colour));
    }
    return list;
}

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

    // A BMP file: a black disc on white, the white corners being outside.
    std::string WriteDisc(const std::string& name, int size) {
        platform::Bitmap bitmap = Filled(size, size, kWhite);
        platform::Path disc;
        disc.RoundRect(0, 0, size, size, size, size);
        platform::Region::FromPath(disc)->Paint(bitmap, 0);
        discPixels_ = test::PixelsOf(*platform::Region::FromPath(disc));
        bitmap.SaveBmp(folder_.File(name));
        return folder_.File(name);
    }
    test::TempDir folder_;
    test::PixelSet discPixels_;

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
    EXPECT_EQ(shape, *platform::Region::FromPath(path));

    control.LoadPicture(folder_.File("absent.bmp"));
    EXPECT_THROW(control.LoadPicture(folder_.Write("broken.bmp", "BM not really a bitmap")),
                 platform::ImageError);
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeRoundRect);
    EXPECT_EQ(control.Width(), 25);
    EXPECT_EQ(control.Picture(), nullptr);
    EXPECT_EQ(control.FileName(), "");
    EXPECT_EQ(*control.WindowShape(), shape);

    // Odd insets lose half a pixel of the ellipse, truncated.
    control.SetBounds(0, 0, 400, 300);
    control.SetRoundCorners(233, 233);
    control.BuildOutline(3, path);
    EXPECT_EQ(path.Figures().back().cornerWidth, 232);
    EXPECT_EQ(path.Figures().back().right, 394);
}

TEST_F(TTavrinControlTest, LoadingAPictureTakesItsSizeAndTheShapeOfItsMask) {
    const std::string file = WriteDisc("disc.bmp", 21);
    Control control(Form());
    control.SetBounds(10, 10, 40, 40);
    control.LoadPicture(file);
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeBitmap);
    EXPECT_EQ(control.FileName(), file);
    EXPECT_EQ(control.Width(), 21);
    EXPECT_EQ(control.Height(), 21);
    ASSERT_NE(control.Picture(), nullptr);
    EXPECT_EQ(control.Picture()->Pixel(0, 0), kWhite); // only the traced copy was reduced
    const test::PixelSet expected = discPixels_;
    EXPECT_EQ(test::PixelsOf(*control.WindowShape()), expected);
    EXPECT_FALSE(control.RegionBuilt());
    // The first paint traces again, from the picture: removing the file cannot break it.
    std::remove(file.c_str());
    ShowAndSettle(Form());
    EXPECT_TRUE(control.RegionBuilt());
    EXPECT_EQ(test::PixelsOf(*control.WindowShape()), expected);

    // A picture without shape: no region, so the window shape is removed.
    Control plain(Form());
    plain.SetRoundCorners(4, 4);
    Filled(12, 8, kWhite).SaveBmp(folder_.File("plain.bmp"));
    plain.LoadPicture(folder_.File("plain.bmp"));
    EXPECT_EQ(plain.Shape(), TTavrinControl::ShapeBitmap);
    EXPECT_EQ(plain.Width(), 12);
    EXPECT_FALSE(plain.OutlineRegion().has_value());
    EXPECT_EQ(plain.WindowShape(), nullptr);
}

TEST_F(TTavrinControlTest, GlyphsStretchAndAreDimmedByTheMaskColourUntilThePointerIsOver) {
    TImageList icons = Glyphs(20, {kRed, kWhite});
    Control control(Form());
    control.SetBounds(10, 10, 25, 25);
    control.SetImageList(&icons);
    control.SetGlyphIndex(1);
    control.SetBorder(3);
    control.SetBorderColor(kRed);
    Control fixed(Form());
    fixed.SetBounds(50, 10, 25, 25);
    fixed.SetImageList(&icons);
    fixed.SetGlyphIndex(7); // beyond the list: pulled back to the last image
    fixed.SetStretchToGlyph(false);
    EXPECT_EQ(control.Width(), 25);
    ShowAndSettle(Form());
    // StretchToGlyph takes the glyph's size at the first paint; without it, the glyph stretches.
    EXPECT_EQ(std::vector<int>({control.Width(), control.Height(), fixed.Width()}),
              std::vector<int>({20, 20, 25}));
    EXPECT_EQ(fixed.GlyphIndex(), 1);
    EXPECT_EQ(WindowPixel(fixed, 12, 12), kDimmedWhite);
    // The outline runs along the control's edge; the window starts one pixel in.
    EXPECT_EQ(WindowPixel(control, 10, 10), kDimmedWhite);
    EXPECT_EQ(WindowPixel(control, 1, 10), kRed & kDimmedWhite);
    MovePointerTo(control, 10, 10);
    EXPECT_TRUE(control.Hot());
    EXPECT_EQ(WindowPixel(control, 10, 10), kWhite);
    EXPECT_EQ(WindowPixel(control, 1, 10), kRed);
    MovePointerTo(Form(), 150, 100);
    control.SetMaskColor(0x00FF00);
    control.Repaint();
    Settle();
    EXPECT_EQ(WindowPixel(control, 10, 10), 0x00FF00u);
    EXPECT_EQ(WindowPixel(control, 1, 10), 0u); // red AND green
}

TEST_F(TTavrinControlTest, ThePointerCountsAsOverUpToWidthAndHeightInclusive) {
    Control control(Form());
    control.SetBounds(0, 0, 40, 20);
    std::vector<platform::ShiftState> shifts;
    control.SetOnMouseMoveEvent(
        [&](TTavrinControl&, platform::ShiftState shift, int, int) { shifts.push_back(shift); });
    std::vector<bool> hot;
    // Left button with Shift (1 | 4) is not exactly the left button.
    for (auto [x, y, keys] : {std::tuple{40, 20, 0}, {41, 20, 1}, {0, 0, 1 | 4}, {-1, 5, 0}}) {
        control.DoMouseMove(x, y, keys);
        hot.push_back(control.Hot());
    }
    EXPECT_EQ(hot, (std::vector<bool>{true, false, true, false}));
    using S = platform::ShiftState;
    EXPECT_EQ(shifts, (std::vector<S>{S::Empty, S::Left, S::Empty, S::Empty}));
    control.DoMouseMove(3, 3, 0);
    control.DoMouseLeave();
    EXPECT_FALSE(control.Hot());
}

TEST_F(TTavrinControlTest, PressAndReleaseFireTheirEventsOnlyInsideTheShape) {
    Control control(Form());
    control.SetBounds(20, 20, 10, 10);
    control.LoadPicture(WriteDisc("disc.bmp", 31));
    int downs = 0;
    int clicks = 0;
    control.SetOnLeftDownEvent([&](TTavrinControl&) { ++downs; });
    control.SetOnClickEvent([&](TTavrinControl&) { ++clicks; });
    ShowAndSettle(Form());
    Click(control, 1, 1); // a corner outside the disc
    EXPECT_EQ(downs + clicks, 0);
    MovePointerTo(control, 15, 15);
    PressButton();
    EXPECT_EQ(downs, 1);
    EXPECT_TRUE(control.Pressed());
    EXPECT_EQ(clicks, 0);
    ReleaseButton();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(control.Pressed());
    PressButton(3); // the right button neither presses nor clicks
    ReleaseButton(3);
    EXPECT_EQ(downs + clicks, 2);
}

TEST(TCustomButton, CaptionSitsCentredAndMovesOnePixelWhilePressed) {
    using P = platform::PixelPoint;
    EXPECT_EQ(TCustomButton::CaptionOrigin(40, 20, {12, 11}, false), (P{15, 3}));
    EXPECT_EQ(TCustomButton::CaptionOrigin(40, 20, {12, 11}, true), (P{16, 4}));
    // Halves truncate toward zero, also for a caption larger than the button.
    EXPECT_EQ(TCustomButton::CaptionOrigin(25, 25, {14, 16}, false), (P{6, 3}));
    EXPECT_EQ(TCustomButton::CaptionOrigin(10, 10, {15, 13}, false), (P{-1, -2}));
}

TEST_F(TCustomButtonTest, PressMoveOffAndReleaseStillClicksAndFlipsDown) {
    TCustomButton button(Form(), "F1", "F1", 0x808080);
    button.SetBounds(10, 10, 40, 20);
    int clicks = 0;
    button.SetOnClickEvent([&](TTavrinControl& sender) { clicks += &sender == &button ? 1 : 100; });
    ShowAndSettle(Form());
    MovePointerTo(button, 20, 10);
    PressButton();
    MovePointerTo(Form(), 150, 100);
    EXPECT_FALSE(button.Hot()); // the moves still come, from outside
    ReleaseButton();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button.Down());
    Click(button, 20, 10);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button.Down());
    // A press that began elsewhere does not click the button it is released on.
    MovePointerTo(Form(), 150, 100);
    PressButton();
    MovePointerTo(button, 20, 10);
    ReleaseButton();
    EXPECT_EQ(clicks, 2);
}

TEST_F(TCustomButtonTest, ItShowsItsColourOrGlyphDimmedUntilHoveredAndAnotherWhileDown) {
    TCustomButton plain(Form(), "", "", 0x40FFFF);
    plain.SetDownColor(0xFF8000);
    plain.SetBounds(10, 10, 40, 20);
    TImageList icons = Glyphs(23, {kRed, kBlue});
    TCustomButton glyph(Form(), "X", "X", 0);
    glyph.SetBounds(100, 10, 25, 25);
    glyph.SetImageList(&icons);
    glyph.SetGlyphIndex(0);
    glyph.SetDownGlyphIndex(1);
    glyph.SetRoundCorners(0, 0);
    ShowAndSettle(Form());
    EXPECT_EQ(WindowPixel(plain, 20, 10), 0x40C0C0u);
    EXPECT_EQ(WindowPixel(glyph, 11, 3), kRed & kDimmedWhite);
    MovePointerTo(plain, 20, 10);
    EXPECT_EQ(WindowPixel(plain, 20, 10), 0x40FFFFu);
    plain.SetDown(true);
    glyph.SetDown(true);
    Settle();
    EXPECT_EQ(WindowPixel(plain, 20, 10), 0xFF8000u);
    EXPECT_EQ(WindowPixel(glyph, 11, 3), kBlue & kDimmedWhite);
    EXPECT_EQ(glyph.GlyphIndex(), 0); // the up glyph is kept
}

TEST_F(TCustomButtonTest, TheCaptionIsDrawnWhereCaptionOriginSaysAndShiftsWhilePressed) {
    TCustomButton button(Form(), "F1", "F1", kWhite);
    button.SetBounds(10, 10, 40, 20);
    ShowAndSettle(Form());
    MovePointerTo(button, 39, 19); // hovered: a plain white fill
    // The smallest box {left, top, right, bottom} holding every pixel that is not white.
    auto inkBox = [&] {
        std::vector<int> box = {1 << 20, 1 << 20, -1, -1};
        for (int y = 0; y < button.Height(); ++y) {
            for (int x = 0; x < button.Width(); ++x) {
                if (WindowPixel(button, x, y) != kWhite) {
                    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                           std::max(box[3], y)};
                }
            }
        }
        return box;
    };
    platform::Bitmap scratch(1, 1);
    platform::Canvas measure(scratch);
    measure.SetFont(button.Font());
    const platform::TextSize size = measure.TextExtent("F1", platform::TextEncoding::Utf8);
    const platform::PixelPoint at = TCustomButton::CaptionOrigin(40, 20, size, false);
    const std::vector<int> up = inkBox();
    ASSERT_GE(up[2], 0) << "no caption drawn";
    EXPECT_GE(up[0], at.x);
    EXPECT_GE(up[1], at.y);
    EXPECT_LT(up[2], at.x + size.width + 1);
    EXPECT_LT(up[3], at.y + size.height);
    PressButton();
    EXPECT_EQ(inkBox(), std::vector<int>({up[0] + 1, up[1] + 1, up[2] + 1, up[3] + 1}));
    ReleaseButton();
}

TEST(TImageList, HoldsCopiesOfEqualSizeImagesInOrder) {
    TImageList list(23, 23);
    platform::Bitmap red = Filled(23, 23, kRed);
    EXPECT_EQ(list.Add(red), 0);
    EXPECT_EQ(list.Add(Filled(23, 23, kBlue)), 1);
    red.Fill(0x00FF00);
    list.GetBitmap(1).Fill(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Image(0).Pixel(5, 5), kRed);
    EXPECT_EQ(list.Image(1).Pixel(22, 22), kBlue);
    EXPECT_THROW(list.Add(platform::Bitmap(23, 22)), std::invalid_argument);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_THROW(list.Image(2), std::out_of_range);
    EXPECT_THROW(list.GetBitmap(-1), std::out_of_range);
    EXPECT_THROW(TImageList(0, 23), std::invalid_argument);
}

} // namespace
} // namespace scrivel
