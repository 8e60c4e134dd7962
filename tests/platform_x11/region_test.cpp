#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/path.h"
#include "platform_x11/x11_fixture.h"

#include <algorithm>
#include <tuple>

namespace scrivel::platform {
namespace {

using test::PixelSet;

struct Probe {
    int x;
    int y;
    bool inside;
};

void ExpectPixels(const Region& region, const std::vector<Probe>& probes) {
    for (const Probe& p : probes) {
        EXPECT_EQ(region.Contains(p.x, p.y), p.inside) << p.x << ", " << p.y;
    }
}

TEST(Region, RectIncludesLeftAndTopButNotRightAndBottom) {
    const Region region = Region::Rect(2, 3, 5, 6);
    EXPECT_EQ(region.PixelCount(), 9);
    ExpectPixels(region, {{2, 3, true}, {4, 5, true}, {5, 5, false}, {4, 6, false}, {1, 3, false}});
    EXPECT_EQ(Region::Rect(5, 6, 2, 3), region);
    // Nothing at negative coordinates, and no crash for them.
    EXPECT_EQ(Region::Rect(-4, -4, 2, 2).PixelCount(), 4);
    EXPECT_FALSE(Region::Rect(-4, -4, 2, 2).Contains(-1, -1));
}

TEST(Region, APathEnclosesExactlyItsPixels) {
    EXPECT_FALSE(Region::FromPath(Path()).has_value());
    Path block; // the border chain of a 5 x 3 block, as the outline tracer gives it
    block.MoveTo(2, 2);
    for (auto [x, y] : {std::pair{6, 2}, {6, 4}, {2, 4}, {2, 2}}) {
        block.LineTo(x, y);
    }
    EXPECT_EQ(test::PixelsOf(*Region::FromPath(block)), test::PixelsOf(Region::Rect(2, 2, 7, 5)));

    Path triangle; // without a MoveTo, from the origin; the diagonal's pixels belong
    triangle.LineTo(4, 4);
    triangle.LineTo(0, 4);
    const PixelSet below = test::PixelsOf(*Region::FromPath(triangle));
    EXPECT_EQ(below.size(), 15u);
    EXPECT_TRUE(
        std::all_of(below.begin(), below.end(), [](auto p) { return p.first <= p.second; }));

    Path point;
    point.MoveTo(3, 7);
    point.LineTo(3, 7);
    EXPECT_EQ(test::PixelsOf(*Region::FromPath(point)), (PixelSet{{3, 7}}));
}

TEST(Region, RoundRectCutsTheCornersWithAnEllipseAtMostItsSize) {
    Path path;
    path.RoundRect(0, 0, 20, 10, 8, 6);
    ExpectPixels(*Region::FromPath(path), {{0, 0, false},
                                           {19, 9, false},
                                           {10, 0, true},
                                           {0, 5, true},
                                           {19, 5, true},
                                           {20, 5, false},
                                           {10, 9, true},
                                           {10, 10, false}});
    Path large;
    large.RoundRect(0, 0, 40, 30, 233, 233);
    Path fitting;
    fitting.RoundRect(0, 0, 40, 30, 40, 30);
    EXPECT_EQ(large.Figures()[0].cornerWidth, 40);
    EXPECT_EQ(*Region::FromPath(large), *Region::FromPath(fitting));
    ExpectPixels(*Region::FromPath(large), {{20, 15, true}, {1, 1, false}});
}

TEST(Region, IntersectFrameAndPaint) {
    const Region a = Region::Rect(0, 0, 6, 4);
    EXPECT_EQ(test::PixelsOf(a.Intersect(Region::Rect(4, 2, 10, 10))),
              (PixelSet{{4, 2}, {5, 2}, {4, 3}, {5, 3}}));
    EXPECT_TRUE(a.Intersect(Region()).IsEmpty());

    const Region square = Region::Rect(0, 0, 10, 10);
    EXPECT_EQ(square.Frame(1, 1).PixelCount(), 36);
    EXPECT_EQ(square.Frame(2, 2).PixelCount(), 64);
    // Wider than high: only the columns near the left and right edges count deeper.
    ExpectPixels(square.Frame(3, 1), {{2, 5, true}, {5, 2, false}});
    EXPECT_TRUE(square.Frame(0, 0).IsEmpty());

    Bitmap bitmap(4, 3);
    bitmap.Fill(0x000000);
    Region::Rect(2, 1, 50, 50).Paint(bitmap, 0x0000FF); // stays inside the bitmap
    for (auto [x, y, colour] : {std::tuple{1, 1, 0u}, {2, 1, 0xFFu}, {3, 2, 0xFFu}, {2, 0, 0u}}) {
        EXPECT_EQ(bitmap.Pixel(x, y), colour) << x << ", " << y;
    }
}

TEST(Path, AOnePixelPenStrokesTheOutlinePixelsOfARectangle) {
    Bitmap bitmap(12, 12);
    bitmap.Fill(0x000000);
    Path path;
    path.Rectangle(2, 3, 8, 9);
    {
        Canvas canvas(bitmap);
        StrokePath(canvas, path, 0xFFFFFF, 1);
    }
    PixelSet lit;
    for (int i = 0; i < 12 * 12; ++i) {
        if (bitmap.Pixel(i % 12, i / 12) != 0) {
            lit.insert({i % 12, i / 12});
        }
    }
    EXPECT_EQ(lit, test::PixelsOf(Region::Rect(2, 3, 8, 9).Frame(1, 1)));
}

} // namespace
} // namespace scrivel::platform
