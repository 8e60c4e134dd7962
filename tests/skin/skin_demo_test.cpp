// A demo of the skinned window framework on a real X server: a form cut to the shape of a mask,
// its background painted, and skinned buttons of the three outline kinds, one of them hovered.
// It leaves a screenshot, skin_demo.png, in the build folder.

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform_x11/x11_fixture.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/region_mg.h"
#include "support/temp_dir.h"

#include <cmath>
#include <filesystem>
#include <iostream>

namespace scrivel {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 220;

// A form that copies its background picture, as the skinned form will.
class DemoForm : public platform::Window {
public:
    DemoForm(platform::Application& app, platform::Bitmap& background)
        : platform::Window(app, platform::WindowKind::Form,
                           {test::kLeft + 60, test::kTop + 60, kWidth, kHeight}, "Scrivel"),
          background_(background) {}

protected:
    void Paint() override { GetCanvas().Draw(0, 0, background_); }

private:
    platform::Bitmap& background_;
};

platform::Bitmap Background() {
    platform::Bitmap picture(kWidth, kHeight);
    platform::Canvas canvas(picture);
    canvas.FillLinearGradient(0, 0, kWidth, kHeight, {0, 0}, 0x803020, {0, kHeight}, 0x20A0F0);
    canvas.SetFont({"Times New Roman", 18, 0xFFFFFF, platform::FontStyle::Bold});
    canvas.TextOut(110, 20, "Scrivel", platform::TextEncoding::Utf8);
    return picture;
}

// White outside, black inside: an ellipse with a tab on the right.
platform::Bitmap FormMask() {
    platform::Bitmap mask(kWidth, kHeight);
    mask.Fill(0xFFFFFF);
    platform::Canvas canvas(mask);
    canvas.SetAntialias(platform::Antialias::Off);
    canvas.FillEllipse({150, 110}, 148, 105, 0x000000);
    canvas.FillRect(230, 80, 88, 60, 0x000000);
    return mask;
}

platform::Bitmap Tile(std::uint32_t colour) {
    platform::Bitmap tile(23, 23);
    tile.Fill(0xFFFFFF);
    platform::Canvas canvas(tile);
    canvas.FillEllipse({11.5, 11.5}, 11, 11, colour);
    return tile;
}

// An arrow pointing right, on a white background that the mask leaves outside.
std::string WriteArrow(const test::TempDir& folder) {
    platform::Bitmap arrow(32, 32);
    arrow.Fill(0xFFFFFF);
    platform::Canvas canvas(arrow);
    canvas.SetAntialias(platform::Antialias::Off);
    canvas.FillPolygon({{2, 10}, {16, 10}, {16, 2}, {30, 16}, {16, 30}, {16, 22}, {2, 22}},
                       0x30C030);
    const std::string path = folder.File("right.bmp");
    arrow.SaveBmp(path);
    return path;
}

using SkinDemo = test::X11Test;

TEST_F(SkinDemo, AShapedFormWithSkinnedButtonsOneHovered) {
    test::TempDir folder;
    platform::Bitmap background = Background();
    platform::Bitmap mask = FormMask();
    DemoForm form(App(), background);
    App().SetMainWindow(&form);
    TRegionMg outline(form, mask);

    TImageList icons(23, 23);
    icons.Add(Tile(0xF0C060)); // light blue
    icons.Add(Tile(0x2020E0)); // red
    icons.Add(Tile(0x2090F0)); // orange

    TCustomButton close(form, "X", "X", 0);
    close.SetBounds(270, 95, 25, 25);
    close.Font().colour = 0xFFFFFF;
    close.Font().size = 12;
    close.SetImageList(&icons);
    close.SetGlyphIndex(1);
    close.SetRoundCorners(0, 0);
    close.SetHint("Fermer");

    TCustomButton reduce(form, "_", "_", 0);
    reduce.SetBounds(240, 95, 25, 25);
    reduce.Font().colour = 0xFFFFFF;
    reduce.Font().size = 12;
    reduce.SetImageList(&icons);
    reduce.SetGlyphIndex(2);
    reduce.SetRoundCorners(0, 0);

    TCustomButton f1(form, "F1", "F1", 0xC08040);
    f1.SetBounds(40, 150, 50, 24);
    f1.SetBorder(1);
    f1.SetBorderColor(0xFFFFFF);
    f1.Font().size = 10;

    TCustomButton right(form, "", "", 0);
    right.SetBounds(120, 146, 32, 32);
    right.LoadPicture(WriteArrow(folder));

    ShowAndSettle(form);
    MovePointerTo(close, 11, 11); // the close button shows undimmed
    Settle();

    // Outside the mask the screen shows what lies beneath, not the form.
    const auto [left, top] = ScreenPosition(form, 0, 0);
    EXPECT_NE(ScreenPixel(left + 2, top + 2), background.Pixel(2, 2));
    EXPECT_EQ(WindowPixel(form, 150, 60), background.Pixel(150, 60));
    EXPECT_TRUE(close.Hot());
    EXPECT_EQ(WindowPixel(close, 11, 3), 0x2020E0u);               // hovered: the tile's own red
    EXPECT_EQ(WindowPixel(reduce, 11, 3), 0x2090F0u & 0xC0C0C0u);  // dimmed
    EXPECT_NE(WindowPixel(form, 121, 147), 0x30C030u & 0xC0C0C0u); // arrow's cut corner

    // The screenshot: the form with a margin, as the screen shows it.
    constexpr int kMargin = 12;
    XImage* image = XGetImage(XDisplay(), Root(), left - kMargin, top - kMargin,
                              kWidth + 2 * kMargin, kHeight + 2 * kMargin, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    platform::Bitmap shot(image->width, image->height);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            shot.SetPixel(x, y, ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16));
        }
    }
    XDestroyImage(image);
    // Beside the game folder, in the build folder.
    const std::string file =
        (std::filesystem::path(SCRIVEL_GAME_DIR).parent_path().parent_path() / "skin_demo.png")
            .string();
    shot.SavePng(file);
    std::cout << "screenshot: " << file << "\n";
}

} // namespace
} // namespace scrivel
