#include "platform/path.h"
#include "platform_x11/x11_fixture.h"

namespace scrivel::platform {
namespace {

using test::PixelSet;

TEST(Region, RectIncludesLeftAndTopButNotRightAndBottomAndIntersects) {
    const Region region = Region::Rect(2, 3, 5, 6);
    EXPECT_EQ(region.PixelCount(), 9);
    EXPECT_TRUE(region.Contains(2, 3) && region.Contains(4, 5));
    EXPECT_FALSE(region.Contains(5, 5) || region.Contains(4, 6));
    // Nothing at negative coordinates, and no crash for them.
    EXPECT_EQ(Region::Rect(-4, -4, 2, 2).PixelCount(), 4);
    EXPECT_FALSE(Region::Rect(-4, -4, 2, 2).Contains(-1, -1));
    EXPECT_EQ(test::PixelsOf(region.Intersect(Region::Rect(4, 5, 10, 10))), (PixelSet{{4, 5}}));
    EXPECT_TRUE(region.Intersect(Region()).IsEmpty());
    EXPECT_FALSE(Region::FromPath(Path()).has_value());
}

TEST(Region, RoundRectCutsTheCornersWithAnEllipse) {
    Path path;
    path.RoundRect(0, 0, 20, 10, 8, 6);
    const Region region = *Region::FromPath(path);
    EXPECT_FALSE(region.Contains(0, 0) || region.Contains(19, 9) || region.Contains(20, 5));
    EXPECT_TRUE(region.Contains(10, 0) && region.Contains(0, 5) && region.Contains(10, 9));
}

} // namespace
} // namespace scrivel::platform
