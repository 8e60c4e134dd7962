#include "platform/path.h"
#include "platform_x11/x11_fixture.h"
#include "skin/region_maker.h"
#include "skin/region_mg.h"

namespace scrivel {
namespace {

// A mask drawn as text: '#' black, '.' white, any other letter a colour of its own.
platform::Bitmap MaskOf(const std::vector<std::string>& rows) {
    platform::Bitmap mask(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            mask.SetPixel(x, y, c == '#' ? 0x000000u : c == '.' ? 0xFFFFFFu : 0x010203u * c);
        }
    }
    return mask;
}

// The traced chain as "x,y x,y ...".
std::string Trace(platform::Bitmap mask) {
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    std::string chain;
    for (const platform::PixelPoint& p :
         path.Empty() ? std::vector<platform::PixelPoint>{} : path.Figures()[0].points) {
        chain += (chain.empty() ? "" : " ") + std::to_string(p.x) + "," + std::to_string(p.y);
    }
    return chain;
}

// The outline fuzz target holds any mask to the tracer's promises (first pixel, neighbour steps,
// closed, in the mask); these pin the exact walk.
TEST(TRegionMaker, TracesTheBorderClockwiseFromTheTopLeft) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"......", ".###..", ".###..", ".###..", "......"}, "1,1 2,1 3,1 3,2 3,3 2,3 1,3 1,2 1,1"},
        // East is tried first even across an inner corner: the walk gets stuck and the closing
        // line cuts (1, 2) off, as the tables say.
        {{".........", ".##......", ".##......", ".######..", ".#######.", "...###...",
          "........."},
         "1,1 2,1 2,2 3,3 4,3 5,3 6,3 7,4 6,4 5,5 4,5 3,5 2,4 1,4 1,3 2,3 3,4 1,1"}};
    for (const auto& [rows, chain] : cases) {
        EXPECT_EQ(Trace(MaskOf(rows)), chain) << rows[0];
    }
    EXPECT_EQ(Trace(platform::Bitmap()), "");
}

TEST(TRegionMaker, LeavesTheCallersMaskBlackAndWhite) {
    platform::Bitmap mask = MaskOf({"ab", "c."});
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    EXPECT_EQ(std::pair(mask.Pixel(0, 0), mask.Pixel(1, 1)), std::pair(0xFFFFFFu, 0u));
}

TEST(TRegionMaker, ALongTraceIsCutAfter5000Steps) {
    platform::Bitmap mask = test::Filled(1502, 1202, 0xFFFFFF);
    platform::Region::Rect(1, 1, 1501, 1201).Paint(mask, 0);
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    const auto& chain = path.Figures()[0].points;
    ASSERT_EQ(chain.size(), 1u + TRegionMaker::MaxSteps + 1u);
    // 1499 steps east along the top, then 1199 down, 1499 west and 803 up; then closed.
    EXPECT_EQ(chain[5000], (platform::PixelPoint{1, 1200 - 803}));
    EXPECT_EQ(chain.back(), (platform::PixelPoint{1, 1}));
}

using TRegionMgTest = test::X11Test;

// The traced mask on the server is the form tests' check.
TEST_F(TRegionMgTest, ShapesTheWindowToARoundedRectangleOrOnePixelForABlankMask) {
    platform::Window plain(App(), platform::WindowKind::Form,
                           {test::kLeft + 10, test::kTop + 10, 100, 80});
    const TRegionMg rounded(plain);
    platform::Path expected;
    expected.RoundRect(0, 0, 100, 80, 25, 20);
    EXPECT_EQ(ServerShape(plain), test::PixelsOf(*platform::Region::FromPath(expected)));

    // A mask with no shape pixel leaves the window one pixel.
    platform::Bitmap blank = MaskOf({"....", "...."});
    platform::Window tiny(App(), platform::WindowKind::Form,
                          {test::kLeft + 10, test::kTop + 10, 4, 2});
    const TRegionMg none(tiny, blank);
    EXPECT_EQ(ServerShape(tiny), (test::PixelSet{{0, 0}}));
}

} // namespace
} // namespace scrivel
