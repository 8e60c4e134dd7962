#include "scene/model/height_map.h"

#include <algorithm>

namespace scrivel {

THeightMap::THeightMap(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      heights_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

float THeightMap::FromColour(platform::Colour colour) {
    return static_cast<float>(colour.b) * 0.00390625f;
}

bool THeightMap::IsSea(int x, int y) const {
    return At(x, y) == 0.0f && At(x + 1, y) == 0.0f && At(x + 1, y + 1) == 0.0f &&
           At(x, y + 1) == 0.0f;
}

TTileRect OrientationRect(int orientation) {
    static constexpr std::array<TTileRect, 4> kRects = {
        {{0, 0, 1, 1}, {1, 1, 0, 0}, {1, 0, 0, 1}, {0, 1, 1, 0}}};
    return kRects[static_cast<std::size_t>(orientation & 3)];
}

namespace {

// The sea flags of a shore cell's four neighbours. N1, N3 and N4 keep their value from the last
// shore cell where a border leaves them unexamined; N2 counts as sea there.
struct ShoreNeighbours {
    bool n1 = false; // (x - 1, y)
    bool n3 = false; // (x + 1, y)
    bool n4 = false; // (x, y + 1)

    TTileChoice Choose(const THeightMap& map, int x, int y, const RandomSource& random) {
        const int w = map.Width();
        const int h = map.Height();
        const bool smooth = random() % 2 != 0;
        if (x >= 1 && y <= h - 2) {
            n1 = map.IsSea(x - 1, y);
        }
        bool n2 = true; // (x, y - 1)
        if (y >= 1 && x <= w - 2) {
            n2 = map.IsSea(x, y - 1);
        }
        if (x <= w - 3 && y <= h - 2) {
            n3 = map.IsSea(x + 1, y);
        }
        if (x <= w - 2 && y <= h - 3) {
            n4 = map.IsSea(x, y + 1);
        }
        const int headland = smooth ? tiles::Headland : tiles::HeadlandPebbles;
        TTileChoice choice{x, y, 0, 0};
        if (n4 && n1 && !n2 && !n3) {
            choice = {x, y, headland, 0};
        } else if (n2 && n1 && !n4 && !n3) {
            choice = {x, y, headland, 3};
        } else if (n2 && n3 && !n4 && !n1) {
            choice = {x, y, headland, 1};
        } else if (n3 && n4 && !n2 && !n1) {
            choice = {x, y, headland, 2};
        } else if (n2) {
            choice = {x, y, tiles::SeaAlong, 3};
        } else if (n3) {
            choice = {x, y, tiles::SeaAcross, 1};
        } else if (n1) {
            choice = {x, y, tiles::SeaAcross, 0};
        } else if (n4) {
            choice = {x, y, tiles::SeaAlong, 2};
        } else {
            choice.orientation = random() % 4;
            choice.tile = tiles::FirstBeach + random() % 3;
        }
        return choice;
    }
};

} // namespace

std::vector<TTileChoice> LayTiles(const THeightMap& map, const RandomSource& random) {
    std::vector<TTileChoice> cells;
    const int w = map.Width();
    const int h = map.Height();
    if (w < 2 || h < 2) {
        return cells;
    }
    cells.reserve(static_cast<std::size_t>((w - 1) * (h - 1)));
    ShoreNeighbours shore;
    for (int x = 0; x <= w - 2; ++x) {
        for (int y = 0; y <= h - 2; ++y) {
            const float top =
                std::max({map.At(x, y), map.At(x + 1, y), map.At(x + 1, y + 1), map.At(x, y + 1)});
            TTileChoice choice{x, y, 0, 0};
            if (map.IsSea(x, y)) {
                choice.tile = random() % 10 <= 8 ? 1 : 0;
                choice.orientation = random() % 4;
            } else if (top <= tiles::ShoreTop) {
                choice = shore.Choose(map, x, y, random);
            } else if (top <= tiles::PlainTop) {
                choice.orientation = random() % 4;
                choice.tile = tiles::FirstPlain + random() % 6;
            } else {
                choice.orientation = random() % 4;
                choice.tile = tiles::FirstMountain + random() % 6;
            }
            cells.push_back(choice);
        }
    }
    return cells;
}

} // namespace scrivel
