#include "platform_x11/x11_fixture.h"
#include "skin/image_list.h"
#include "skin/mask_helpers.h"
#include "skin/tavrin_control.h"
#include "support/temp_dir.h"

#include <fstream>

namespace scrivel {
namespace {

using TTavrinControlTest = test::X11Test;

constexpr std::uint32_t kWhite = 0xFFFFFF;

// A control whose protected operations the tests call directly.
class Control : public TTavrinControl {
public:
    using TTavrinControl::DoMouseLeave;
    using TTavrinControl::DoMouseMove;
    using TTavrinControl::TTavrinControl;

    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TTavrinControl::Paint();
    }
};

platform::Bitmap Filled(int width, int height, std::uint32_t colour) {
    platform::Bitmap bitmap(width, height);
    bitmap.Fill(colour);
    return bitmap;
}

// A BMP file: a black disc on white, the white corners being outside.
std::string WriteDisc(const test::TempDir& folder, const std::string& name, int size) {
    platform::Bitmap bitmap = Filled(size, size, kWhite);
    const double centre = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if ((x - centre) * (x - centre) + (y - centre) * (y - centre) <= centre * centre) {
                bitmap.SetPixel(x, y, 0x000000);
            }
        }
    }
    const std::string path = folder.File(name);
    bitmap.SaveBmp(path);
    return path;
}

TEST_F(TTavrinControlTest, RoundCornersOfZeroTakeHalfTheSize) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 500, 400});
    Control control(form);
    control.SetBounds(0, 0, 25, 25);
    control.SetRoundCorners(0, 0);
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeRoundRect);
    EXPECT_EQ(control.CornerWidth(), 12);
    EXPECT_EQ(control.CornerHeight(), 12);

    platform::Path path;
    control.BuildOutline(1, path);
    ASSERT_EQ(path.Figures().size(), 1u);
    const platform::Path::Figure& figure = path.Figures()[0];
    EXPECT_EQ(figure.kind, platform::Path::Kind::RoundRect);
    EXPECT_EQ(figure.left, 1);
    EXPECT_EQ(figure.top, 1);
    EXPECT_EQ(figure.right, 23);
    EXPECT_EQ(figure.bottom, 23);
    EXPECT_EQ(figure.cornerWidth, 12);
    EXPECT_EQ(figure.cornerHeight, 12);
    ASSERT_TRUE(control.OutlineRegion());
    EXPECT_EQ(*control.WindowShape(), *platform::Region::FromPath(path));

    control.SetBounds(0, 0, 400, 300);
    control.SetRoundCorners(233, 233);
    EXPECT_EQ(control.CornerWidth(), 233);
    EXPECT_EQ(control.CornerHeight(), 233);
    // Odd insets lose half a pixel of the ellipse, truncated.
    platform::Path inset;
    control.BuildOutline(3, inset);
    EXPECT_EQ(inset.Figures()[0].cornerWidth, 232);
    EXPECT_EQ(inset.Figures()[0].right, 394);
}

TEST_F(TTavrinControlTest, LoadingAMissingPictureChangesNothing) {
    test::TempDir folder;
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 100, 100});
    Control control(form);
    control.SetBounds(3, 4, 30, 20);
    control.SetRoundCorners(10, 10);
    const platform::Region shape = *control.WindowShape();

    control.LoadPicture(folder.File("absent.bmp"));
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeRoundRect);
    EXPECT_EQ(control.Width(), 30);
    EXPECT_EQ(control.Height(), 20);
    EXPECT_EQ(control.Picture(), nullptr);
    EXPECT_EQ(control.FileName(), "");
    EXPECT_EQ(*control.WindowShape(), shape);

    // A file that exists but is no picture throws, and changes nothing either.
    const std::string broken = folder.Write("broken.bmp", "BM not really a bitmap");
    EXPECT_THROW(control.LoadPicture(broken), platform::ImageError);
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeRoundRect);
    EXPECT_EQ(control.FileName(), "");
    EXPECT_EQ(control.Width(), 30);
}

TEST_F(TTavrinControlTest, LoadingAPictureTakesItsSizeAndTheShapeOfItsMask) {
    test::TempDir folder;
    const std::string file = WriteDisc(folder, "disc.bmp", 21);
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 100, 100});
    Control control(form);
    control.SetBounds(10, 10, 40, 40);
    control.LoadPicture(file);

    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeBitmap);
    EXPECT_EQ(control.FileName(), file);
    EXPECT_EQ(control.Width(), 21);
    EXPECT_EQ(control.Height(), 21);
    ASSERT_NE(control.Picture(), nullptr);
    // The picture itself keeps its colours; only the traced copy was reduced.
    EXPECT_EQ(control.Picture()->Pixel(0, 0), kWhite);
    const platform::Bitmap disc = platform::Bitmap::LoadBmp(file);
    test::PixelSet expected;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            if (disc.Pixel(x, y) == 0) {
                expected.insert({x, y});
            }
        }
    }
    EXPECT_EQ(test::PixelsOf(*control.WindowShape()), expected);
    EXPECT_FALSE(control.RegionBuilt());

    // The first paint traces again, from the picture: removing the file cannot break it.
    std::remove(file.c_str());
    ShowAndSettle(form);
    EXPECT_GE(control.paints, 1);
    EXPECT_TRUE(control.RegionBuilt());
    EXPECT_EQ(test::PixelsOf(*control.WindowShape()), expected);
}

TEST_F(TTavrinControlTest, APictureWithoutShapeLeavesTheControlRectangular) {
    test::TempDir folder;
    const std::string file = folder.File("plain.bmp");
    Filled(12, 8, kWhite).SaveBmp(file);
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 100, 100});
    Control control(form);
    control.SetRoundCorners(4, 4);
    control.LoadPicture(file);
    EXPECT_EQ(control.Shape(), TTavrinControl::ShapeBitmap);
    EXPECT_EQ(control.Width(), 12);
    EXPECT_EQ(control.Height(), 8);
    // No path, so no region: the window region is removed, as SetWindowRgn without one does.
    EXPECT_FALSE(control.OutlineRegion().has_value());
    EXPECT_EQ(control.WindowShape(), nullptr);
}

TEST_F(TTavrinControlTest, StretchToGlyphTakesTheGlyphsSizeAtTheFirstPaint) {
    TImageList icons(23, 23);
    icons.Add(Filled(23, 23, kWhite));
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 100, 100});
    Control stretching(form);
    stretching.SetBounds(5, 5, 25, 25);
    stretching.SetImageList(&icons);
    stretching.SetGlyphIndex(0);
    Control fixed(form);
    fixed.SetBounds(50, 5, 25, 25);
    fixed.SetImageList(&icons);
    fixed.SetGlyphIndex(0);
    fixed.SetStretchToGlyph(false);
    EXPECT_EQ(stretching.Width(), 25);

    ShowAndSettle(form);
    EXPECT_EQ(stretching.Width(), 23);
    EXPECT_EQ(stretching.Height(), 23);
    EXPECT_EQ(fixed.Width(), 25);
    // The glyph is stretched over the whole of the fixed control (dimmed: white AND 0xC0C0C0).
    EXPECT_EQ(WindowPixel(fixed, 12, 12), 0xC0C0C0u);
}

TEST_F(TTavrinControlTest, AGlyphIndexBeyondTheListIsPulledBackToTheLastImage) {
    TImageList icons(10, 10);
    icons.Add(Filled(10, 10, 0x0000FF));
    icons.Add(Filled(10, 10, 0xFFFFFF));
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 60, 60});
    Control control(form);
    control.SetBounds(5, 5, 10, 10);
    control.SetImageList(&icons);
    control.SetGlyphIndex(7);
    ShowAndSettle(form);
    EXPECT_EQ(control.GlyphIndex(), 1);
    control.Repaint();
    Settle();
    EXPECT_EQ(WindowPixel(control, 5, 5), 0xC0C0C0u);
}

TEST_F(TTavrinControlTest, ThePictureIsDimmedByTheMaskColourUntilThePointerIsOverIt) {
    TImageList icons(20, 20);
    icons.Add(Filled(20, 20, kWhite));
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 30, test::kTop + 30, 80, 80});
    Control control(form);
    control.SetBounds(10, 10, 20, 20);
    control.SetImageList(&icons);
    control.SetGlyphIndex(0);
    ShowAndSettle(form);
    EXPECT_EQ(WindowPixel(control, 10, 10), 0xC0C0C0u);

    MovePointerTo(control, 10, 10);
    EXPECT_TRUE(control.Hot());
    EXPECT_EQ(WindowPixel(control, 10, 10), kWhite);

    MovePointerTo(form, 70, 70);
    EXPECT_FALSE(control.Hot());
    EXPECT_EQ(WindowPixel(control, 10, 10), 0xC0C0C0u);

    control.SetMaskColor(0x0000FF);
    control.Repaint();
    Settle();
    EXPECT_EQ(WindowPixel(control, 10, 10), 0x0000FFu);
}

TEST_F(TTavrinControlTest, TheBorderIsDimmedToo) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 30, test::kTop + 30, 80, 80});
    TImageList icons(20, 20);
    icons.Add(Filled(20, 20, kWhite));
    Control control(form);
    control.SetBounds(10, 10, 20, 20);
    control.SetImageList(&icons);
    control.SetGlyphIndex(0);
    control.SetBorder(3);
    control.SetBorderColor(0x0000FF);
    control.SetMaskColor(0x00FF00);
    ShowAndSettle(form);
    // The outline at inset 0 runs along the control's edge; the window starts one pixel in, so
    // the pen shows from its second pixel.
    EXPECT_EQ(WindowPixel(control, 1, 10), 0x000000u); // red AND green
    EXPECT_EQ(WindowPixel(control, 10, 10), 0x00FF00u);
    MovePointerTo(control, 10, 10);
    EXPECT_EQ(WindowPixel(control, 1, 10), 0x0000FFu);
    EXPECT_EQ(WindowPixel(control, 10, 10), kWhite);
}

TEST_F(TTavrinControlTest, ThePointerCountsAsOverUpToWidthAndHeightInclusive) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 0, test::kTop + 0, 100, 100});
    Control control(form);
    control.SetBounds(0, 0, 40, 20);
    std::vector<std::pair<platform::ShiftState, int>> moves;
    control.SetOnMouseMoveEvent([&](TTavrinControl&, platform::ShiftState shift, int x, int) {
        moves.push_back({shift, x});
    });

    control.DoMouseMove(40, 20, 0);
    EXPECT_TRUE(control.Hot());
    control.DoMouseMove(41, 20, 1);
    EXPECT_FALSE(control.Hot());
    control.DoMouseMove(0, 0, 1 | 4); // left button with Shift: not exactly the left button
    EXPECT_TRUE(control.Hot());
    control.DoMouseMove(-1, 5, 0);
    EXPECT_FALSE(control.Hot());
    ASSERT_EQ(moves.size(), 4u);
    EXPECT_EQ(moves[1].first, platform::ShiftState::Left);
    EXPECT_EQ(moves[2].first, platform::ShiftState::Empty);

    control.DoMouseMove(3, 3, 0);
    control.DoMouseLeave();
    EXPECT_FALSE(control.Hot());
    EXPECT_FALSE(control.Pressed());
}

TEST_F(TTavrinControlTest, PressAndReleaseFireTheirEventsAndOnlyInsideTheShape) {
    test::TempDir folder;
    const std::string file = WriteDisc(folder, "disc.bmp", 31);
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 40, test::kTop + 40, 100, 100});
    Control control(form);
    control.SetBounds(20, 20, 10, 10);
    control.LoadPicture(file);
    int downs = 0;
    int clicks = 0;
    control.SetOnLeftDownEvent([&](TTavrinControl&) { ++downs; });
    control.SetOnClickEvent([&](TTavrinControl&) { ++clicks; });
    ShowAndSettle(form);

    MovePointerTo(control, 1, 1); // a corner outside the disc
    PressButton();
    EXPECT_EQ(downs, 0);
    EXPECT_FALSE(control.Pressed());
    ReleaseButton();
    EXPECT_EQ(clicks, 0);

    MovePointerTo(control, 15, 15);
    PressButton();
    EXPECT_EQ(downs, 1);
    EXPECT_TRUE(control.Pressed());
    EXPECT_EQ(clicks, 0);
    ReleaseButton();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(control.Pressed());

    // The right button neither presses nor clicks.
    PressButton(3);
    ReleaseButton(3);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace scrivel
