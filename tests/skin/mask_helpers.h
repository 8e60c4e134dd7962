#pragma once

#include "platform/bitmap.h"
#include "platform/path.h"
#include "platform/region.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace scrivel::test {

using PixelSet = std::set<std::pair<int, int>>;

// A mask drawn as text: '#' black, '.' white, any other letter a colour of its own.
inline platform::Bitmap MaskOf(const std::vector<std::string>& rows) {
    platform::Bitmap mask(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            mask.SetPixel(x, y, c == '#' ? 0x000000u : c == '.' ? 0xFFFFFFu : 0x010203u * c);
        }
    }
    return mask;
}

inline PixelSet PixelsOf(const platform::Region& region) {
    PixelSet pixels;
    for (int y = 0; y < region.Height(); ++y) {
        for (int x = 0; x < region.Width(); ++x) {
            if (region.Contains(x, y)) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

// The pixels of a text mask that are not of its top-left character.
inline PixelSet ShapeOf(const std::vector<std::string>& rows) {
    PixelSet pixels;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] != rows[0][0]) {
                pixels.insert({static_cast<int>(x), static_cast<int>(y)});
            }
        }
    }
    return pixels;
}

inline std::vector<platform::PixelPoint> PointsOf(const platform::Path& path) {
    return path.Empty() ? std::vector<platform::PixelPoint>{} : path.Figures()[0].points;
}

} // namespace scrivel::test
