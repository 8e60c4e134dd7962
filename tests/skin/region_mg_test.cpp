#include "platform/path.h"
#include "platform_x11/x11_fixture.h"
#include "skin/mask_helpers.h"
#include "skin/region_mg.h"

#include <X11/extensions/shape.h>

namespace scrivel {
namespace {

using test::PixelSet;
using TRegionMgTest = test::X11Test;

PixelSet ServerShape(Display* display, ::Window window) {
    int count = 0;
    int ordering = 0;
    XRectangle* rectangles = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
    PixelSet pixels;
    for (int i = 0; i < count; ++i) {
        for (int y = rectangles[i].y; y < rectangles[i].y + rectangles[i].height; ++y) {
            for (int x = rectangles[i].x; x < rectangles[i].x + rectangles[i].width; ++x) {
                pixels.insert({x, y});
            }
        }
    }
    XFree(rectangles);
    return pixels;
}

TEST_F(TRegionMgTest, WithoutAMaskTheWindowBecomesARoundedRectangle) {
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 10, test::kTop + 10, 100, 80});
    const TRegionMg manager(form);
    EXPECT_FALSE(manager.MaskMode());
    EXPECT_EQ(manager.CornerWidth(), 25);
    EXPECT_EQ(manager.CornerHeight(), 20);
    platform::Path expected;
    expected.RoundRect(0, 0, 100, 80, 25, 20);
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle()),
              test::PixelsOf(*platform::Region::FromPath(expected)));
}

TEST_F(TRegionMgTest, AMaskShapesTheWindowToItsTracedOutline) {
    const std::vector<std::string> rows = {"..........", "...####...", ".########.",
                                           ".########.", "...####...", ".........."};
    platform::Bitmap mask = test::MaskOf(rows);
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 10, test::kTop + 10, 10, 6});
    TRegionMg manager(form, mask);
    EXPECT_TRUE(manager.MaskMode());
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle()), test::ShapeOf(rows));
    EXPECT_EQ(test::PixelsOf(manager.WindowRegion()), test::ShapeOf(rows));

    // Applying again works from the mask already reduced to two colours: same outline.
    manager.Apply();
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle()), test::ShapeOf(rows));
}

TEST_F(TRegionMgTest, AMaskWithoutShapeLeavesTheWindowOnePixel) {
    platform::Bitmap mask = test::MaskOf({"....", "...."});
    platform::Window form(App(), platform::WindowKind::Form,
                          {test::kLeft + 10, test::kTop + 10, 4, 2});
    const TRegionMg manager(form, mask);
    EXPECT_FALSE(manager.PathRegion().has_value());
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle()), (PixelSet{{0, 0}}));
}

} // namespace
} // namespace scrivel
