#pragma once

#include "platform/colour.h"
#include "scene/model/random_source.h"

#include <array>
#include <cstdint>
#include <vector>

namespace scrivel {

// Heights of the landscape's grid corners, 0 to 255/256, read from a height map's blue channel.
class THeightMap {
public:
    THeightMap(int width, int height);

    // A pixel's blue channel / 256 (the other channels never count).
    static float FromColour(platform::Colour colour);

    int Width() const { return width_; }
    int Height() const { return height_; }
    float At(int x, int y) const { return heights_[Index(x, y)]; }
    void Set(int x, int y, float value) { heights_[Index(x, y)] = value; }

    // All four corners of cell (x, y) are exactly 0.
    bool IsSea(int x, int y) const;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(x * height_ + y); }

    int width_;
    int height_;
    std::vector<float> heights_;
};

// Texture coordinates (s0, t0, s1, t1) of a tile quad: corner (x, y) takes (s0, t0), (x + 1, y)
// (s1, t0), (x + 1, y + 1) (s1, t1) and (x, y + 1) (s0, t1).
using TTileRect = std::array<float, 4>;

// The rectangle for orientation 0 to 3: as is, turned half round, and the two mirror images.
TTileRect OrientationRect(int orientation);

// One cell of the landscape: its bank tile and orientation.
struct TTileChoice {
    int x = 0;
    int y = 0;
    int tile = 0;
    int orientation = 0;
};

// Bank tiles by kind.
namespace tiles {
inline constexpr float ShoreTop = 0.25f;
inline constexpr float PlainTop = 0.75f;
inline constexpr int Headland = 5; // or HeadlandPebbles, sea on two sides
inline constexpr int HeadlandPebbles = 11;
inline constexpr int SeaAcross = 9;      // sea on the side of small s
inline constexpr int SeaAlong = 10;      // sea on the side of large t
inline constexpr int FirstBeach = 6;     // 6 to 8, no sea beside
inline constexpr int FirstPlain = 12;    // 12 to 17
inline constexpr int FirstMountain = 18; // 18 to 23
} // namespace tiles

// Chooses the tile and orientation of every cell, x outer and y inner, drawing from random in the
// landscape's fixed order, so that one generator state always lays the same landscape. A W x H
// map gives (W - 1) x (H - 1) cells; a map narrower than 2 gives none.
std::vector<TTileChoice> LayTiles(const THeightMap& map, const RandomSource& random = CRandom);

} // namespace scrivel
