#include "skin/mask_helpers.h"
#include "skin/region_maker.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

using platform::PixelPoint;
using test::MaskOf;
using test::PointsOf;
using Chain = std::vector<PixelPoint>;

Chain Trace(platform::Bitmap mask) {
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    return PointsOf(path);
}

TEST(TRegionMaker, AFilledRectangleGivesItsBorderClockwiseFromTheTopLeft) {
    EXPECT_EQ(Trace(MaskOf({"......", ".###..", ".###..", ".###..", "......"})),
              (Chain{{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}, {1, 1}}));
}

TEST(TRegionMaker, AShapeOnTheLeftEdgeNeverStepsOutOfTheBitmap) {
    EXPECT_EQ(Trace(MaskOf({"....", "##..", "##..", "...."})),
              (Chain{{0, 1}, {1, 1}, {1, 2}, {0, 2}, {0, 1}}));
    // One pixel wide: the edge rows settle it.
    EXPECT_EQ(Trace(MaskOf({".", "#", "#", "."})), (Chain{{0, 1}, {0, 2}, {0, 1}}));
    EXPECT_EQ(Trace(MaskOf({".##"})), (Chain{{1, 0}, {2, 0}, {1, 0}}));
}

TEST(TRegionMaker, ASinglePixelMovesToItselfAndCloses) {
    EXPECT_EQ(Trace(MaskOf({"...", ".#.", "..."})), (Chain{{1, 1}, {1, 1}}));
}

TEST(TRegionMaker, TheTopLeftPixelsColourIsOutsideWhateverItIs) {
    platform::Bitmap mask = MaskOf({"####", "#..#", "#..#", "####"});
    EXPECT_EQ(Trace(MaskOf({"####", "#..#", "#..#", "####"})),
              (Chain{{1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}}));
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    EXPECT_EQ(mask.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(mask.Pixel(1, 1), 0x000000u);
}

TEST(TRegionMaker, AMaskWithoutShapeGivesNoPathAndSoNoRegion) {
    platform::Bitmap mask = MaskOf({"aaa", "aaa"});
    platform::Path path;
    path.MoveTo(5, 5); // whatever was there before goes
    TRegionMaker().BuildPath(mask, path);
    EXPECT_TRUE(path.Empty());
    EXPECT_FALSE(platform::Region::FromPath(path).has_value());
    platform::Bitmap empty;
    TRegionMaker().BuildPath(empty, path);
    EXPECT_TRUE(path.Empty());
}

TEST(TRegionMaker, LeavesTheCallersMaskBlackAndWhite) {
    platform::Bitmap mask = MaskOf({"abcd", "a.#e", "fghi"});
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            const bool background = (x == 0 && y <= 1);
            EXPECT_EQ(mask.Pixel(x, y), background ? 0xFFFFFFu : 0u) << x << ", " << y;
        }
    }
}

TEST(TRegionMaker, TheOutlineOfAConvexShapeEnclosesAllOfIt) {
    const std::vector<std::string> rows = {".........", "...###...", "..#####..", ".#######.",
                                           ".#######.", "..#####..", "........."};
    platform::Bitmap mask = MaskOf(rows);
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    EXPECT_EQ(test::PixelsOf(*platform::Region::FromPath(path)), test::ShapeOf(rows));
}

TEST(TRegionMaker, EastIsTriedFirstEvenWhereItCutsAcrossAnInnerCorner) {
    // Coming up the left side at (1, 3), east leads into the shape's inner corner before north
    // is tried; the walk then gets stuck and the closing line cuts (1, 2) off, as the tables say.
    EXPECT_EQ(Trace(MaskOf({".........", ".##......", ".##......", ".######..", ".#######.",
                            "...###...", "........."})),
              (Chain{{1, 1},
                     {2, 1},
                     {2, 2},
                     {3, 3},
                     {4, 3},
                     {5, 3},
                     {6, 3},
                     {7, 4},
                     {6, 4},
                     {5, 5},
                     {4, 5},
                     {3, 5},
                     {2, 4},
                     {1, 4},
                     {1, 3},
                     {2, 3},
                     {3, 4},
                     {1, 1}}));
}

TEST(TRegionMaker, ALongTraceIsCutAfter5000Steps) {
    platform::Bitmap mask(1502, 1202);
    mask.Fill(0xFFFFFF);
    for (int y = 1; y <= 1200; ++y) {
        for (int x = 1; x <= 1500; ++x) {
            mask.SetPixel(x, y, 0);
        }
    }
    const Chain chain = Trace(std::move(mask));
    ASSERT_EQ(chain.size(), 1u + TRegionMaker::MaxSteps + 1u);
    EXPECT_EQ(chain.front(), (PixelPoint{1, 1}));
    EXPECT_EQ(chain.back(), (PixelPoint{1, 1}));
    // 1499 steps east along the top, then 1199 down, 1499 west and 803 up.
    EXPECT_EQ(chain[1499], (PixelPoint{1500, 1}));
    EXPECT_EQ(chain[5000], (PixelPoint{1, 1200 - 803}));
}

} // namespace
} // namespace scrivel
