// Random masks through the outline tracer, then the outline filled as the skins fill it: the trace
// starts at the first shape pixel, walks from neighbour to neighbour over shape pixels only, never
// twice over one, stops within its step limit and closes; the filled region holds every pixel of
// the trace.
#include "fuzz_file.h"
#include "platform/bitmap.h"
#include "platform/path.h"
#include "platform/region.h"
#include "skin/region_maker.h"

#include <array>
#include <cstdlib>
#include <set>
#include <utility>

using scrivel::fuzz::Require;
using scrivel::platform::Bitmap;
using scrivel::platform::Path;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // Two bytes of size, then two bits a pixel: four colours, so that the reduction to the
    // top-left pixel's colour is tried as well.
    const int width = 1 + data[0] % 64;
    const int height = 1 + data[1] % 64;
    constexpr std::array<std::uint32_t, 4> kColours = {0xFFFFFF, 0x000000, 0x0000FF, 0x7F7F7F};
    Bitmap mask(width, height);
    std::size_t bit = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, bit += 2) {
            const std::size_t at = 2 + bit / 8;
            const unsigned index = at < size ? (data[at] >> (bit % 8)) & 3u : 0u;
            mask.SetPixel(x, y, kColours[index]);
        }
    }
    const std::uint32_t background = mask.Pixel(0, 0);
    int firstX = -1;
    int firstY = -1;
    for (int y = 0; y < height && firstX < 0; ++y) {
        for (int x = 0; x < width; ++x) {
            if (mask.Pixel(x, y) != background) {
                firstX = x;
                firstY = y;
                break;
            }
        }
    }

    Path path;
    path.MoveTo(-5, -5); // emptied first
    scrivel::TRegionMaker().BuildPath(mask, path);
    if (firstX < 0) {
        Require(path.Empty(), "a mask without a shape gives no outline");
        return 0;
    }
    Require(path.Figures().size() == 1, "one outline");
    const auto& points = path.Figures().front().points;
    Require(points.size() >= 2 && points.size() <= scrivel::TRegionMaker::MaxSteps + 2,
            "the outline stays within its step limit");
    Require(points.front() == (scrivel::platform::PixelPoint{firstX, firstY}),
            "the outline starts at the first shape pixel");
    Require(points.back() == points.front(), "the outline is closed");
    std::set<std::pair<int, int>> seen;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const auto [x, y] = points[i];
        Require(x >= 0 && x < width && y >= 0 && y < height, "the outline stays in the mask");
        Require(mask.Pixel(x, y) == 0x000000, "the outline walks on shape pixels only");
        Require(seen.insert({x, y}).second, "the outline passes each pixel once");
        if (i > 0) {
            const auto [px, py] = points[i - 1];
            Require(std::abs(x - px) <= 1 && std::abs(y - py) <= 1 && (x != px || y != py),
                    "the outline steps from neighbour to neighbour");
        }
    }

    const auto region = scrivel::platform::Region::FromPath(path);
    Require(region.has_value(), "an outline gives a region");
    for (const auto& point : points) {
        Require(region->Contains(point.x, point.y), "the region holds its outline");
    }
    return 0;
}
