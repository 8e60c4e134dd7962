// A demo of the skinned window framework: a form cut to the shape of a mask and skinned buttons,
// one of them hovered. It leaves skin_demo.png in the build folder.

#include "platform/canvas.h"
#include "platform_x11/x11_fixture.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/region_mg.h"

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

platform::Bitmap Filled(int width, int height, std::uint32_t colour) {
    platform::Bitmap bitmap(width, height);
    bitmap.Fill(colour);
    return bitmap;
}

using SkinDemo = test::X11Test;

TEST_F(SkinDemo, AShapedFormWithSkinnedButtonsOneHovered) {
    platform::Bitmap background = Filled(kWidth, kHeight, 0x803020);
    platform::Canvas title(background);
    title.SetFont({"Times New Roman", 18, 0xFFFFFF, platform::FontStyle::Bold});
    title.TextOut(110, 20, "Scrivel", platform::TextEncoding::Utf8);
    platform::Bitmap mask = Filled(kWidth, kHeight, 0xFFFFFF); // a plate with a tab on the right
    platform::Canvas(mask).FillRect(10, 10, 240, 200, 0);
    platform::Canvas(mask).FillRect(230, 80, 88, 60, 0);
    DemoForm form(App(), background);
    App().SetMainWindow(&form);
    TRegionMg outline(form, mask);

    TImageList icons(23, 23);
    icons.Add(Filled(23, 23, 0x2020E0));
    icons.Add(Filled(23, 23, 0x2090F0));
    TCustomButton close(form, "X", "X", 0);
    TCustomButton reduce(form, "_", "_", 0);
    for (TCustomButton* button : {&close, &reduce}) {
        button->SetBounds(button == &close ? 270 : 240, 95, 25, 25);
        button->SetImageList(&icons);
        button->SetGlyphIndex(button == &close ? 0 : 1);
        button->SetRoundCorners(0, 0);
    }
    TCustomButton f1(form, "F1", "F1", 0xC08040);
    f1.SetBounds(40, 150, 50, 24);

    ShowAndSettle(form);
    MovePointerTo(close, 11, 11);
    const auto [left, top] = ScreenPosition(form, 0, 0);
    EXPECT_NE(ScreenPixel(left + 2, top + 2), background.Pixel(2, 2)); // outside the mask
    EXPECT_EQ(WindowPixel(close, 11, 3), 0x2020E0u);                   // hovered
    EXPECT_EQ(WindowPixel(reduce, 11, 3), 0x2090F0u & 0xC0C0C0u);      // dimmed

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
