#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/path.h"
#include "platform/region.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace scrivel::platform {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const Region& region) {
    Pixels pixels;
    for (int y = 0; y < region.Height(); ++y) {
        for (int x = 0; x < region.Width(); ++x) {
            if (region.Contains(x, y)) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

TEST(Region, RectIncludesLeftAndTopButNotRightAndBottom) {
    const Region region = Region::Rect(2, 3, 5, 6);
    EXPECT_EQ(region.PixelCount(), 9);
    EXPECT_TRUE(region.Contains(2, 3));
    EXPECT_TRUE(region.Contains(4, 5));
    EXPECT_FALSE(region.Contains(5, 5));
    EXPECT_FALSE(region.Contains(4, 6));
    EXPECT_FALSE(region.Contains(1, 3));
    EXPECT_EQ(Region::Rect(5, 6, 2, 3), region);
    // Nothing at negative coordinates, and no crash for them.
    EXPECT_EQ(Region::Rect(-4, -4, 2, 2).PixelCount(), 4);
    EXPECT_FALSE(Region::Rect(-4, -4, 2, 2).Contains(-1, -1));
}

TEST(Region, NothingComesOfAPathWithoutFigures) {
    EXPECT_FALSE(Region::FromPath(Path()).has_value());
}

TEST(Region, APixelChainEnclosesExactlyItsPixels) {
    // The border chain of a 5 x 3 block, as the outline tracer gives it.
    Path block;
    block.MoveTo(2, 2);
    block.LineTo(6, 2);
    block.LineTo(6, 4);
    block.LineTo(2, 4);
    block.LineTo(2, 2);
    const std::optional<Region> region = Region::FromPath(block);
    ASSERT_TRUE(region);
    Pixels expected;
    for (int y = 2; y <= 4; ++y) {
        for (int x = 2; x <= 6; ++x) {
            expected.insert({x, y});
        }
    }
    EXPECT_EQ(PixelsOf(*region), expected);

    // A triangle with a diagonal side: the diagonal's pixels belong, those beyond it do not.
    Path triangle;
    triangle.MoveTo(0, 0);
    triangle.LineTo(4, 4);
    triangle.LineTo(0, 4);
    const Pixels below = PixelsOf(*Region::FromPath(triangle));
    EXPECT_EQ(below.size(), 15u);
    for (const auto& [x, y] : below) {
        EXPECT_LE(x, y);
    }
}

TEST(Region, ADegeneratePathIsItsOnePixel) {
    Path path;
    path.MoveTo(3, 7);
    path.LineTo(3, 7);
    EXPECT_EQ(PixelsOf(*Region::FromPath(path)), (Pixels{{3, 7}}));
}

TEST(Region, RoundRectCutsTheCornersOnly) {
    Path path;
    path.RoundRect(0, 0, 20, 10, 8, 6);
    const Region region = *Region::FromPath(path);
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_FALSE(region.Contains(19, 9));
    EXPECT_TRUE(region.Contains(10, 0));
    EXPECT_TRUE(region.Contains(0, 5));
    EXPECT_TRUE(region.Contains(19, 5));
    EXPECT_FALSE(region.Contains(20, 5));
    EXPECT_TRUE(region.Contains(10, 9));
    EXPECT_FALSE(region.Contains(10, 10));
}

TEST(Region, AnEllipseLargerThanTheRectangleIsCutDownToIt) {
    Path large;
    large.RoundRect(0, 0, 40, 30, 233, 233);
    Path fitting;
    fitting.RoundRect(0, 0, 40, 30, 40, 30);
    EXPECT_EQ(large.Figures()[0].cornerWidth, 40);
    EXPECT_EQ(*Region::FromPath(large), *Region::FromPath(fitting));
    EXPECT_TRUE(Region::FromPath(large)->Contains(20, 15));
    EXPECT_FALSE(Region::FromPath(large)->Contains(1, 1));
}

TEST(Region, IntersectKeepsThePixelsOfBoth) {
    const Region a = Region::Rect(0, 0, 6, 4);
    const Region b = Region::Rect(4, 2, 10, 10);
    EXPECT_EQ(PixelsOf(a.Intersect(b)), (Pixels{{4, 2}, {5, 2}, {4, 3}, {5, 3}}));
    EXPECT_EQ(a.Intersect(a), a);
    EXPECT_TRUE(a.Intersect(Region()).IsEmpty());
}

TEST(Region, FrameIsTheBandAlongTheOutline) {
    const Region square = Region::Rect(0, 0, 10, 10);
    EXPECT_EQ(square.Frame(1, 1).PixelCount(), 36);
    EXPECT_EQ(square.Frame(2, 2).PixelCount(), 64);
    EXPECT_FALSE(square.Frame(2, 2).Contains(2, 2));
    EXPECT_TRUE(square.Frame(2, 2).Contains(1, 5));
    // Wider than high: only the columns near the left and right edges count twice as deep.
    EXPECT_TRUE(square.Frame(3, 1).Contains(2, 5));
    EXPECT_FALSE(square.Frame(3, 1).Contains(5, 2));
    EXPECT_TRUE(square.Frame(0, 0).IsEmpty());
}

TEST(Region, PaintStaysInsideTheBitmap) {
    Bitmap bitmap(4, 3);
    bitmap.Fill(0x000000);
    Region::Rect(2, 1, 50, 50).Paint(bitmap, 0x0000FF);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x000000u);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0x0000FFu);
    EXPECT_EQ(bitmap.Pixel(3, 2), 0x0000FFu);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0x000000u);
}

TEST(Region, PackedRowsPutTheLeftmostPixelInTheLowestBit) {
    int bytesPerRow = 0;
    const std::vector<unsigned char> rows = Region::Rect(1, 1, 10, 2).PackedRows(bytesPerRow);
    ASSERT_EQ(bytesPerRow, 2);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], 0x00);
    EXPECT_EQ(rows[1], 0x00);
    EXPECT_EQ(rows[2], 0xFE);
    EXPECT_EQ(rows[3], 0x03);
}

TEST(Path, LineToWithoutMoveToStartsAtTheOrigin) {
    Path path;
    path.LineTo(4, 0);
    ASSERT_EQ(path.Figures().size(), 1u);
    EXPECT_EQ(path.Figures()[0].points, (std::vector<PixelPoint>{{0, 0}, {4, 0}}));
}

TEST(Path, AOnePixelPenStrokesTheOutlinePixelsOfARectangle) {
    Bitmap bitmap(12, 12);
    bitmap.Fill(0x000000);
    {
        Canvas canvas(bitmap);
        Path path;
        path.Rectangle(2, 3, 8, 9);
        StrokePath(canvas, path, 0xFFFFFF, 1);
    }
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 8 && y >= 3 && y < 9;
            const bool outline = inside && (x == 2 || x == 7 || y == 3 || y == 8);
            EXPECT_EQ(bitmap.Pixel(x, y), outline ? 0xFFFFFFu : 0u) << x << ", " << y;
        }
    }
}

} // namespace
} // namespace scrivel::platform
