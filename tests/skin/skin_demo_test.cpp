// A demo of the skinned window framework: a form cut to the shape of a mask and skinned buttons of
// the three outline kinds, one of them hovered. It leaves skin_demo.png in the build folder.

#include "platform/canvas.h"
#include "platform_x11/x11_fixture.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/region_mg.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <iostream>

namespace scrivel {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 220;

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

// A white bitmap with something drawn on it by draw.
template <class Draw> platform::Bitmap Drawn(int width, int height, Draw draw) {
    platform::Bitmap bitmap(width, height);
    bitmap.Fill(0xFFFFFF);
    platform::Canvas canvas(bitmap);
    draw(canvas);
    return bitmap;
}

using SkinDemo = test::X11Test;

TEST_F(SkinDemo, AShapedFormWithSkinnedButtonsOneHovered) {
    test::TempDir folder;
    platform::Bitmap background = Drawn(kWidth, kHeight, [](platform::Canvas& canvas) {
        canvas.FillLinearGradient(0, 0, kWidth, kHeight, {0, 0}, 0x803020, {0, kHeight}, 0x20A0F0);
        canvas.SetFont({"Times New Roman", 18, 0xFFFFFF, platform::FontStyle::Bold});
        canvas.TextOut(110, 20, "Scrivel", platform::TextEncoding::Utf8);
    });
    platform::Bitmap mask = Drawn(kWidth, kHeight, [](platform::Canvas& canvas) {
        canvas.SetAntialias(platform::Antialias::Off); // an ellipse with a tab on the right
        canvas.FillEllipse({150, 110}, 148, 105, 0x000000);
        canvas.FillRect(230, 80, 88, 60, 0x000000);
    });
    DemoForm form(App(), background);
    App().SetMainWindow(&form);
    TRegionMg outline(form, mask);

    TImageList icons(23, 23);
    for (std::uint32_t colour : {0x2020E0u, 0x2090F0u}) { // red, orange
        icons.Add(Drawn(23, 23, [&](platform::Canvas& c) {
            c.FillEllipse({11.5, 11.5}, 11, 11, colour);
        }));
    }
    TCustomButton close(form, "X", "X", 0);
    TCustomButton reduce(form, "_", "_", 0);
    for (TCustomButton* button : {&close, &reduce}) {
        button->SetBounds(button == &close ? 270 : 240, 95, 25, 25);
        button->Font().colour = 0xFFFFFF;
        button->Font().size = 12;
        button->SetImageList(&icons);
        button->SetGlyphIndex(button == &close ? 0 : 1);
        button->SetRoundCorners(0, 0);
    }
    TCustomButton f1(form, "F1", "F1", 0xC08040);
    f1.SetBounds(40, 150, 50, 24);
    f1.SetBorder(1);
    f1.SetBorderColor(0xFFFFFF);
    f1.Font().size = 10;
    TCustomButton right(form, "", "", 0); // an arrow, its white background outside
    right.SetBounds(120, 146, 32, 32);
    Drawn(32, 32, [](platform::Canvas& c) {
        c.SetAntialias(platform::Antialias::Off);
        c.FillPolygon({{2, 10}, {16, 10}, {16, 2}, {30, 16}, {16, 30}, {16, 22}, {2, 22}},
                      0x30C030);
    }).SaveBmp(folder.File("right.bmp"));
    right.LoadPicture(folder.File("right.bmp"));

    ShowAndSettle(form);
    MovePointerTo(close, 11, 11);
    const auto [left, top] = ScreenPosition(form, 0, 0);
    EXPECT_NE(ScreenPixel(left + 2, top + 2), background.Pixel(2, 2)); // outside the mask
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
            shot.SetPixel(x, y, Rgb(XGetPixel(image, x, y)));
        }
    }
    XDestroyImage(image);
    const std::string file =
        (std::filesystem::path(SCRIVEL_GAME_DIR).parent_path().parent_path() / "skin_demo.png")
            .string();
    shot.SavePng(file);
    std::cout << "screenshot: " << file << "\n";
}

} // namespace
} // namespace scrivel
