#include "platform/canvas.h"
#include "platform_x11/x11_fixture.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"

#include <algorithm>

namespace scrivel {
namespace {

using TCustomButtonTest = test::X11Test;

TEST(TCustomButton, CaptionSitsCentredAndMovesOnePixelWhilePressed) {
    EXPECT_EQ(TCustomButton::CaptionOrigin(40, 20, {12, 11}, false), (platform::PixelPoint{15, 3}));
    EXPECT_EQ(TCustomButton::CaptionOrigin(40, 20, {12, 11}, true), (platform::PixelPoint{16, 4}));
    // Halves truncate toward zero, also for a caption larger than the button.
    EXPECT_EQ(TCustomButton::CaptionOrigin(25, 25, {14, 16}, false), (platform::PixelPoint{6, 3}));
    EXPECT_EQ(TCustomButton::CaptionOrigin(10, 10, {15, 13}, false),
              (platform::PixelPoint{-1, -2}));
}

TEST_F(TCustomButtonTest, PressMoveOffAndReleaseStillClicksAndFlipsDown) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 40, test::kTop + 40, 200, 120});
    TCustomButton button(form, "F1", "F1", 0x808080);
    button.SetBounds(10, 10, 40, 20);
    int clicks = 0;
    button.SetOnClickEvent([&](TTavrinControl& sender) {
        EXPECT_EQ(&sender, &button);
        ++clicks;
    });
    ShowAndSettle(form);
    EXPECT_FALSE(button.Down());

    MovePointerTo(button, 20, 10);
    PressButton();
    MovePointerTo(form, 150, 100);
    EXPECT_FALSE(button.Hot()); // the moves still come, from outside
    ReleaseButton();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button.Down());

    MovePointerTo(button, 20, 10);
    PressButton();
    ReleaseButton();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button.Down());

    // A press that began elsewhere does not click the button it is released on.
    MovePointerTo(form, 150, 100);
    PressButton();
    MovePointerTo(button, 20, 10);
    ReleaseButton();
    EXPECT_EQ(clicks, 2);
}

TEST_F(TCustomButtonTest, WithoutPictureItFillsItselfWithItsColourDimmedUntilHovered) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 40, test::kTop + 40, 200, 120});
    TCustomButton button(form, "", "", 0x40FFFF);
    button.SetDownColor(0xFF8000);
    button.SetBounds(10, 10, 40, 20);
    ShowAndSettle(form);
    EXPECT_EQ(WindowPixel(button, 20, 10), 0x40C0C0u);
    MovePointerTo(button, 20, 10);
    EXPECT_EQ(WindowPixel(button, 20, 10), 0x40FFFFu);
    button.SetDown(true);
    Settle();
    EXPECT_EQ(WindowPixel(button, 20, 10), 0xFF8000u);
}

TEST_F(TCustomButtonTest, WhileDownItShowsTheDownGlyph) {
    TImageList icons(23, 23);
    platform::Bitmap red(23, 23);
    red.Fill(0x0000FF);
    platform::Bitmap blue(23, 23);
    blue.Fill(0xFF0000);
    icons.Add(red);
    icons.Add(blue);
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 40, test::kTop + 40, 100, 100});
    TCustomButton button(form, "X", "X", 0);
    button.SetBounds(10, 10, 25, 25);
    button.SetImageList(&icons);
    button.SetGlyphIndex(0);
    button.SetDownGlyphIndex(1);
    button.SetRoundCorners(0, 0);
    ShowAndSettle(form);
    EXPECT_EQ(button.Width(), 23);
    EXPECT_EQ(WindowPixel(button, 11, 3), 0x0000C0u); // red, dimmed
    button.SetDown(true);
    Settle();
    EXPECT_EQ(WindowPixel(button, 11, 3), 0xC00000u); // blue, dimmed
    EXPECT_EQ(button.GlyphIndex(), 0);                // the up glyph is kept
}

// The smallest box holding every pixel of the window that differs from background.
struct Box {
    int left = 1 << 20;
    int top = 1 << 20;
    int right = -1;
    int bottom = -1;
};

Box InkBox(test::X11Test& test, const platform::Window& window, std::uint32_t background,
           const std::function<std::uint32_t(int, int)>& pixel) {
    Box box;
    for (int y = 0; y < window.Height(); ++y) {
        for (int x = 0; x < window.Width(); ++x) {
            if (pixel(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    static_cast<void>(test);
    return box;
}

TEST_F(TCustomButtonTest, TheCaptionIsDrawnWhereCaptionOriginSaysAndShiftsWhilePressed) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 40, test::kTop + 40, 200, 120});
    TCustomButton button(form, "F1", "F1", 0xFFFFFF);
    button.SetBounds(10, 10, 40, 20);
    ShowAndSettle(form);
    MovePointerTo(button, 39, 19); // hovered: a plain white fill
    auto pixel = [&](int x, int y) { return WindowPixel(button, x, y); };

    platform::Bitmap scratch(1, 1);
    platform::Canvas measure(scratch);
    measure.SetFont(button.Font());
    const platform::TextSize size = measure.TextExtent("F1", platform::TextEncoding::Utf8);
    const platform::PixelPoint at = TCustomButton::CaptionOrigin(40, 20, size, false);

    const Box up = InkBox(*this, button, 0xFFFFFF, pixel);
    ASSERT_GE(up.right, 0) << "no caption drawn";
    EXPECT_GE(up.left, at.x);
    EXPECT_GE(up.top, at.y);
    EXPECT_LT(up.right, at.x + size.width + 1);
    EXPECT_LT(up.bottom, at.y + size.height);

    PressButton();
    const Box pressed = InkBox(*this, button, 0xFFFFFF, pixel);
    ReleaseButton();
    EXPECT_EQ(pressed.left, up.left + 1);
    EXPECT_EQ(pressed.top, up.top + 1);
    EXPECT_EQ(pressed.right, up.right + 1);
    EXPECT_EQ(pressed.bottom, up.bottom + 1);
}

} // namespace
} // namespace scrivel
