#include "graphics/texture_bank.h"

#include "graphics/procedural.h"
#include "platform/canvas.h"
#include "platform/sheet_layout.h"
#include "scene/model/height_map.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace scrivel::graphics {

using platform::Bitmap;
using platform::Canvas;
using platform::Point;

namespace {

constexpr platform::SheetLayout kSheet = platform::kTextureBankSheet;
constexpr int kTile = platform::SheetLayout::TileSize;
constexpr double kPi = std::numbers::pi;

// Fields that all tiles of a kind share along their edges.
constexpr std::uint32_t kWaterBody = 101;
constexpr std::uint32_t kWaterWaves = 102;
constexpr std::uint32_t kFoam = 103;
constexpr std::uint32_t kSand = 201;
constexpr std::uint32_t kSandGrain = 202;
constexpr std::uint32_t kGrass = 301;
constexpr std::uint32_t kGrassGrain = 302;
constexpr std::uint32_t kRock = 401;
constexpr std::uint32_t kCracks = 402;
constexpr std::uint32_t kSnow = 403;
constexpr std::uint32_t kRockGrain = 404;

// Water reaches this far into a shore tile where it meets the next shore tile.
constexpr double kCoastDepth = 22.0;

// A scalar per pixel of a tile; reads outside wrap around, as GL_REPEAT does.
class Grid {
public:
    double& operator()(int x, int y) { return values_[Index(x, y)]; }
    double operator()(int x, int y) const { return values_[Index(x, y)]; }

private:
    static std::size_t Index(int x, int y) {
        x = ((x % kTile) + kTile) % kTile;
        y = ((y % kTile) + kTile) % kTile;
        return static_cast<std::size_t>(y * kTile + x);
    }
    std::vector<double> values_ = std::vector<double>(kTile * kTile);
};

// Pixel centre in tile units.
double U(int x) {
    return (x + 0.5) / kTile;
}

template <class F> Grid MakeGrid(F field) {
    Grid grid;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            grid(x, y) = field(x, y);
        }
    }
    return grid;
}

double EdgeDistance(int x, int y) {
    return std::min({x, kTile - 1 - x, y, kTile - 1 - y});
}

// 0 along the border, 1 from 14 pixels in: how far a tile may depart from its kind.
double Interior(int x, int y) {
    return Smoothstep(2.0, 14.0, EdgeDistance(x, y));
}

// A field whose edges all tiles of the kind share (see TileFbm), the inside the tile's own.
Grid KindField(std::uint32_t kindSeed, std::uint32_t tileSeed, int cellsX, int cellsY, int octaves,
               double gain = 0.5) {
    return MakeGrid([&](int x, int y) {
        return TileFbm(U(x), U(y), cellsX, cellsY, octaves, kindSeed, tileSeed, gain);
    });
}

// Positive on bumps, negative in hollows. Unlike light from one side, this looks the same however
// the landscape flips the tile.
double Relief(const Grid& grid, int x, int y) {
    double sum = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            sum += grid(x + dx, y + dy);
        }
    }
    return grid(x, y) - sum / 25.0;
}

double Grain(int x, int y, std::uint32_t seed) {
    return Hash(x, y, seed) / 4294967295.0 - 0.5;
}

Colour Shade(const Colour& colour, double factor) {
    return Scale(colour, factor);
}

void Put(Bitmap& tile, int x, int y, const Colour& colour) {
    tile.SetPixel(x, y, ToPixel(colour));
}

// ---------------------------------------------------------------- water and sand

struct WaterFields {
    Grid body;
    Grid waves;
    Grid foam;
};

WaterFields MakeWaterFields(std::uint32_t seed) {
    return {KindField(kWaterBody, seed, 3, 3, 4), KindField(kWaterWaves, seed + 1, 2, 7, 3, 0.45),
            KindField(kFoam, seed + 2, 8, 8, 2)};
}

// depth: distance in pixels from the shore line; open sea is anything past 15.
Colour Water(const WaterFields& fields, int x, int y, double depth) {
    static const std::array<Colour, 3> deepStops = {Rgb255(18, 54, 104), Rgb255(26, 76, 134),
                                                    Rgb255(40, 104, 160)};
    const double body = fields.body(x, y);
    const Colour deep = Ramp(deepStops.data(), 3, body);
    const Colour shallow = Mix(Rgb255(46, 146, 158), Rgb255(92, 186, 180), body);
    Colour colour = Mix(shallow, deep, Smoothstep(0.0, 15.0, depth));
    const double crest = 1.0 - std::abs(2.0 * fields.waves(x, y) - 1.0);
    colour = Shade(colour, 1.0 + 2.0 * Relief(fields.waves, x, y));
    colour = Mix(colour, Rgb255(150, 196, 226), 0.3 * std::pow(crest, 8.0));
    // Surf: a broken white line along the shore.
    const double surf =
        (1.0 - Smoothstep(0.5, 3.5, depth)) * Smoothstep(0.25, 0.6, fields.foam(x, y));
    return Mix(colour, Rgb255(236, 244, 244), 0.85 * surf);
}

Colour Sand(const Grid& sand, int x, int y, double wet, double ripple = 0.0) {
    static const std::array<Colour, 3> stops = {Rgb255(192, 166, 118), Rgb255(218, 196, 148),
                                                Rgb255(236, 220, 178)};
    Colour colour = Ramp(stops.data(), 3, sand(x, y));
    colour =
        Shade(colour, 1.0 + 0.08 * Grain(x, y, kSandGrain) + 1.6 * Relief(sand, x, y) + ripple);
    return Mix(colour, Shade(Rgb255(160, 136, 98), 0.9 + 0.2 * sand(x, y)), 0.7 * wet);
}

// Sand where land >= 0, water where land < 0; land is the distance in pixels from the shore line.
Bitmap ShoreTile(std::uint32_t seed, const std::function<double(int, int)>& land,
                 const std::function<double(int, int)>& ripple = nullptr) {
    const WaterFields water = MakeWaterFields(seed);
    const Grid sand = KindField(kSand, seed + 5, 4, 4, 4);
    Bitmap tile(kTile, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double distance = land(x, y);
            const double wet = 1.0 - Smoothstep(0.0, 6.0, distance);
            const Colour beach = Sand(sand, x, y, wet, ripple ? ripple(x, y) : 0.0);
            const Colour sea = Water(water, x, y, std::max(0.0, -distance));
            Put(tile, x, y, Mix(sea, beach, Clamp01(distance + 0.5)));
        }
    }
    return tile;
}

// A smooth wobble of the shore line, nothing at either end so neighbouring tiles still meet.
double Wobble(int t, std::uint32_t seed, double amplitude) {
    const double envelope = std::pow(std::sin(kPi * t / (kTile - 1)), 2.0);
    return amplitude * envelope * (2.0 * Fbm(U(t), 0.37, 4, 1, 3, seed) - 1.0);
}

// Water along the top: the sea is on the side of the tile's first rows.
Bitmap ShoreTop(std::uint32_t seed) {
    return ShoreTile(seed, [seed](int x, int y) { return y - (kCoastDepth + Wobble(x, seed, 6)); });
}

// Water along the right.
Bitmap ShoreRight(std::uint32_t seed) {
    return ShoreTile(
        seed, [seed](int x, int y) { return (kTile - 1 - kCoastDepth - Wobble(y, seed, 6)) - x; });
}

// Water along the top and the right around a rounded headland.
Bitmap ShoreCorner(std::uint32_t seed, double radius) {
    return ShoreTile(seed, [seed, radius](int x, int y) {
        const double top = y - (kCoastDepth + Wobble(x, seed, 5));
        const double right = (kTile - 1 - kCoastDepth - Wobble(y, seed + 1, 5)) - x;
        if (top < radius && right < radius) {
            return radius - std::hypot(radius - top, radius - right);
        }
        return std::min(top, right);
    });
}

void Pebbles(Bitmap& tile, std::uint32_t seed, int count, bool shells) {
    Canvas canvas(tile);
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const Point centre{random.Range(12, 52), random.Range(12, 52)};
        const double rx = random.Range(1.2, 2.8);
        const double ry = rx * random.Range(0.6, 1.0);
        const bool shell = shells && random.Below(4) == 0;
        const Colour base = shell ? Rgb255(238, 214, 206)
                                  : Mix(Rgb255(112, 106, 98), Rgb255(170, 160, 146), random.Unit());
        canvas.FillEllipse({centre.x + 0.8, centre.y + 0.9}, rx, ry, ToColour(Rgb255(90, 74, 50)),
                           0.35);
        canvas.FillEllipse(centre, rx, ry, ToColour(base));
        canvas.FillEllipse({centre.x - rx * 0.3, centre.y - ry * 0.35}, rx * 0.45, ry * 0.4,
                           ToColour(Mix(base, Rgb255(255, 255, 255), 0.45)), 0.8);
    }
}

void Tufts(Bitmap& tile, std::uint32_t seed, int count) {
    Canvas canvas(tile);
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const Point root{random.Range(14, 50), random.Range(14, 50)};
        canvas.FillEllipse({root.x + 1, root.y + 1}, 3.5, 2.2, ToColour(Rgb255(120, 100, 62)),
                           0.35);
        const int blades = 7 + random.Below(5);
        for (int b = 0; b < blades; ++b) {
            const double angle = random.Range(0, 2 * kPi);
            const double length = random.Range(3.0, 6.5);
            const Colour colour = Mix(Rgb255(104, 132, 58), Rgb255(182, 186, 104), random.Unit());
            canvas.DrawLine(root,
                            {root.x + length * std::cos(angle), root.y + length * std::sin(angle)},
                            ToColour(colour), 0.9);
        }
    }
}

// ---------------------------------------------------------------- grass and fields

Colour Grass(const Grid& grass, int x, int y) {
    static const std::array<Colour, 4> stops = {Rgb255(50, 90, 32), Rgb255(76, 122, 44),
                                                Rgb255(108, 152, 58), Rgb255(138, 168, 72)};
    Colour colour = Ramp(stops.data(), 4, grass(x, y));
    return Shade(colour, 1.0 + 0.2 * Grain(x, y, kGrassGrain) + 3.0 * Relief(grass, x, y));
}

enum class Crop { None, Wheat, Ploughed };

Bitmap PlainTile(std::uint32_t seed, Crop crop) {
    const Grid grass = KindField(kGrass, seed, 4, 4, 5);
    const Grid patch = MakeGrid([&](int x, int y) { return Fbm(U(x), U(y), 4, 4, 3, seed + 9); });
    Bitmap tile(kTile, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            Colour colour = Grass(grass, x, y);
            if (crop != Crop::None) {
                // A gentle patch of crop that fades out before the tile's edges, so that a field
                // of tiles reads as meadow with patches rather than a grid of squares.
                const double amount =
                    Smoothstep(0.42, 0.58, patch(x, y)) * Smoothstep(4.0, 16.0, EdgeDistance(x, y));
                Colour field;
                if (crop == Crop::Wheat) {
                    const double rows = 0.92 + 0.08 * std::sin(2 * kPi * x / 4.0);
                    field = Shade(Mix(Rgb255(150, 150, 70), Rgb255(178, 166, 88), patch(x, y)),
                                  rows + 0.1 * Grain(x, y, seed));
                } else {
                    const double furrows = 0.88 + 0.12 * std::sin(2 * kPi * y / 3.5);
                    field = Shade(Mix(Rgb255(96, 92, 48), Rgb255(120, 112, 62), patch(x, y)),
                                  furrows + 0.1 * Grain(x, y, seed));
                }
                colour = Mix(colour, field, 0.75 * amount);
            }
            Put(tile, x, y, colour);
        }
    }
    return tile;
}

void Flowers(Bitmap& tile, std::uint32_t seed, int count) {
    static const std::array<Colour, 4> colours = {Rgb255(244, 242, 228), Rgb255(246, 214, 64),
                                                  Rgb255(232, 118, 160), Rgb255(168, 120, 222)};
    Canvas canvas(tile);
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const Point centre{random.Range(11, 53), random.Range(11, 53)};
        const Colour colour = colours[static_cast<std::size_t>(random.Below(4))];
        canvas.FillEllipse(centre, 1.1, 1.1, ToColour(colour));
    }
}

// Round crowns seen from above, with a shadow to the bottom-right.
void Trees(Bitmap& tile, const std::vector<Point>& places, double radius, std::uint32_t seed) {
    Canvas canvas(tile);
    Random random(seed);
    for (const Point& place : places) {
        const double r = radius * random.Range(0.8, 1.15);
        canvas.FillEllipse({place.x + r * 0.35, place.y + r * 0.4}, r, r * 0.9,
                           ToColour(Rgb255(24, 44, 16)), 0.45);
        canvas.FillEllipse(place, r, r, ToColour(Rgb255(38, 78, 30)));
        for (int k = 0; k < 6; ++k) {
            const double a = random.Range(0, 2 * kPi);
            const double d = random.Range(0, r * 0.5);
            canvas.FillEllipse({place.x + d * std::cos(a), place.y + d * std::sin(a)}, r * 0.45,
                               r * 0.45, ToColour(Rgb255(52, 98, 38)), 0.7);
        }
        canvas.FillEllipse({place.x - r * 0.3, place.y - r * 0.3}, r * 0.45, r * 0.4,
                           ToColour(Rgb255(96, 146, 64)), 0.6);
    }
}

// ---------------------------------------------------------------- rock and snow

struct MountainStyle {
    double snowLine = 0.8; // snow where the snow field rises above this
    double cracks = 0.5;
    bool scree = false;
};

Bitmap MountainTile(std::uint32_t seed, const MountainStyle& style) {
    static const std::array<Colour, 4> rockStops = {Rgb255(74, 68, 64), Rgb255(112, 102, 92),
                                                    Rgb255(150, 138, 122), Rgb255(184, 176, 164)};
    const Grid rock = KindField(kRock, seed, 3, 3, 4, 0.55);
    const Grid cracks = KindField(kCracks, seed + 1, 4, 4, 3);
    const Grid snow = KindField(kSnow, seed + 2, 3, 3, 4);
    Bitmap tile(kTile, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double inside = Interior(x, y);
            // Layers of rock along one axis, which flipping the tile never turns.
            const double strata = std::sin(2 * kPi * (y / 9.0 + 1.5 * rock(x, y)));
            Colour colour = Ramp(rockStops.data(), 4, rock(x, y) + 0.1 * strata);
            // Rust-brown and blue-grey stone in patches.
            const double tint = snow(x + 17, y + 29) - 0.5;
            colour = {colour.r * (1.0 + 0.12 * tint), colour.g, colour.b * (1.0 - 0.12 * tint)};
            colour = Shade(colour, 1.0 + 3.0 * Relief(rock, x, y) + 0.08 * Grain(x, y, kRockGrain));
            if (style.scree && inside > 0) {
                const CellSample stone = CellNoise(U(x), U(y), 9, seed + 3);
                const double lit =
                    0.78 + 0.35 * (1.0 - stone.f1) + 0.1 * ((stone.id & 0xFF) / 255.0);
                const double gap = Smoothstep(0.05, 0.16, stone.f2 - stone.f1);
                colour = Mix(colour, Shade(colour, lit * (0.55 + 0.45 * gap)), inside);
            }
            const double line = 1.0 - Smoothstep(0.0, 0.06, std::abs(2.0 * cracks(x, y) - 1.0));
            colour = Shade(colour, 1.0 - 0.5 * line * Mix(0.5, style.cracks, inside));
            // More snow towards the middle of a snowy tile, the common amount at its edges.
            const double snowLine =
                Mix(1.15, style.snowLine, Smoothstep(0.0, 30.0, EdgeDistance(x, y)));
            const double cover =
                Smoothstep(snowLine - 0.05, snowLine + 0.05, snow(x, y) + 1.5 * Relief(rock, x, y));
            const Colour white =
                Shade(Mix(Rgb255(200, 212, 230), Rgb255(246, 248, 252), snow(x, y)),
                      1.0 + 3.0 * Relief(snow, x, y));
            Put(tile, x, y, Mix(colour, white, cover));
        }
    }
    return tile;
}

// ---------------------------------------------------------------- filler

template <class F> Bitmap PixelTile(F colourAt) {
    Bitmap tile(kTile, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            Put(tile, x, y, colourAt(x, y));
        }
    }
    return tile;
}

Bitmap Lava(std::uint32_t seed) {
    static const std::array<Colour, 4> glow = {Rgb255(255, 232, 120), Rgb255(250, 150, 30),
                                               Rgb255(190, 50, 14), Rgb255(60, 24, 18)};
    return PixelTile([&](int x, int y) {
        const CellSample cell = CellNoise(U(x), U(y), 5, seed);
        const double noise = Fbm(U(x), U(y), 4, 4, 4, seed + 1);
        const double crack = cell.f2 - cell.f1 + 0.25 * (noise - 0.5);
        const Colour crust = Shade(Rgb255(54, 40, 36), 0.7 + 0.6 * noise + 0.3 * (1 - cell.f1));
        return Mix(Ramp(glow.data(), 4, crack / 0.22), crust, Smoothstep(0.12, 0.24, crack));
    });
}

Bitmap Stones(std::uint32_t seed, int cells, const Colour& light, const Colour& dark,
              const Colour& mortar, double moss) {
    return PixelTile([&](int x, int y) {
        const CellSample cell = CellNoise(U(x), U(y), cells, seed);
        const double noise = Fbm(U(x), U(y), 8, 8, 3, seed + 1);
        const double tone = (cell.id >> 8 & 0xFF) / 255.0;
        Colour stone = Mix(dark, light, 0.3 + 0.5 * tone + 0.3 * (noise - 0.5));
        // Rounded tops: brighter towards the light, darker on the far side.
        stone = Shade(stone, 1.15 - 0.5 * cell.f1);
        if (moss > 0) {
            const double green =
                Smoothstep(0.55, 0.7, Fbm(U(x), U(y), 4, 4, 4, seed + 2) + 0.3 * cell.f1);
            stone = Mix(stone, Shade(Rgb255(78, 116, 44), 0.8 + 0.4 * noise), moss * green);
        }
        return Mix(mortar, stone, Smoothstep(0.05, 0.12, cell.f2 - cell.f1));
    });
}

Bitmap Planks(std::uint32_t seed) {
    return PixelTile([&](int x, int y) {
        const int plank = x / 16;
        const double tint = (Hash(plank, 0, seed) & 0xFF) / 255.0;
        const double grain =
            std::sin(2 * kPi * (x / 5.0 + 2.5 * Fbm(U(x), U(y), 2, 6, 3, seed + plank)));
        Colour colour =
            Mix(Rgb255(128, 84, 48), Rgb255(172, 122, 74), 0.4 + 0.3 * tint + 0.2 * grain);
        colour = Shade(colour, 1.0 + 0.06 * Grain(x, y, seed));
        if (x % 16 == 0) {
            colour = Shade(colour, 0.45);
        } else if (x % 16 == 1) {
            colour = Shade(colour, 1.15);
        }
        const int nailY = (plank % 2 == 0) ? 6 : 38;
        if (std::hypot(x % 16 - 8.0, y - nailY) < 1.3) {
            colour = Rgb255(70, 66, 62);
        }
        return colour;
    });
}

Bitmap Bricks(std::uint32_t seed) {
    return PixelTile([&](int x, int y) {
        const int row = y / 8;
        const int shifted = x + (row % 2) * 8;
        const int brick = (shifted / 16) % 4;
        const double tone = (Hash(brick, row, seed) & 0xFF) / 255.0;
        const double noise = Fbm(U(x), U(y), 8, 8, 3, seed + 1);
        Colour colour = Mix(Rgb255(132, 52, 36), Rgb255(178, 84, 56), 0.2 + 0.6 * tone);
        colour = Shade(colour, 0.85 + 0.3 * noise + 0.08 * Grain(x, y, seed));
        const bool mortar = y % 8 == 7 || shifted % 16 == 15;
        return mortar ? Shade(Rgb255(188, 180, 166), 0.9 + 0.2 * noise) : colour;
    });
}

Bitmap Leaves(std::uint32_t seed) {
    Bitmap tile = PixelTile([&](int x, int y) {
        return Shade(Rgb255(62, 46, 32), 0.7 + 0.6 * Fbm(U(x), U(y), 4, 4, 4, seed));
    });
    static const std::array<Colour, 5> colours = {Rgb255(204, 92, 30), Rgb255(226, 164, 44),
                                                  Rgb255(164, 48, 30), Rgb255(140, 128, 44),
                                                  Rgb255(190, 120, 40)};
    Canvas canvas(tile);
    Random random(seed + 1);
    for (int i = 0; i < 60; ++i) {
        const Point c{random.Range(-4, 68), random.Range(-4, 68)};
        const double a = random.Range(0, 2 * kPi);
        const double length = random.Range(5, 9);
        const double width = length * 0.28;
        const Point along{std::cos(a), std::sin(a)};
        const Point across{-along.y, along.x};
        std::vector<Point> leaf;
        for (int k = 0; k <= 12; ++k) {
            const double t = k / 12.0;
            const double half = width * std::sin(kPi * t) * (1.2 - 0.4 * t);
            leaf.push_back({c.x + along.x * length * (t - 0.5) + across.x * half,
                            c.y + along.y * length * (t - 0.5) + across.y * half});
        }
        for (int k = 11; k >= 1; --k) {
            const double t = k / 12.0;
            const double half = width * std::sin(kPi * t) * (1.2 - 0.4 * t);
            leaf.push_back({c.x + along.x * length * (t - 0.5) - across.x * half,
                            c.y + along.y * length * (t - 0.5) - across.y * half});
        }
        const Colour colour =
            Shade(colours[static_cast<std::size_t>(random.Below(5))], random.Range(0.8, 1.1));
        canvas.FillPolygon(leaf, ToColour(colour));
        canvas.DrawLine({c.x - along.x * length * 0.6, c.y - along.y * length * 0.6},
                        {c.x + along.x * length * 0.5, c.y + along.y * length * 0.5},
                        ToColour(Shade(colour, 0.6)), 0.6);
    }
    return tile;
}

Bitmap Ice(std::uint32_t seed) {
    return PixelTile([&](int x, int y) {
        const CellSample cell = CellNoise(U(x), U(y), 3, seed);
        const double noise = Fbm(U(x), U(y), 4, 4, 4, seed + 1);
        Colour colour = Mix(Rgb255(150, 196, 226), Rgb255(226, 242, 250),
                            0.3 + 0.5 * cell.f1 + 0.3 * (noise - 0.5));
        const double crack = 1.0 - Smoothstep(0.0, 0.05, cell.f2 - cell.f1);
        return Mix(colour, Rgb255(250, 252, 255), 0.8 * crack);
    });
}

Bitmap Mosaic(std::uint32_t seed) {
    static const std::array<Colour, 5> colours = {Rgb255(30, 92, 150), Rgb255(40, 140, 160),
                                                  Rgb255(214, 168, 52), Rgb255(236, 232, 214),
                                                  Rgb255(26, 60, 110)};
    return PixelTile([&](int x, int y) {
        const CellSample cell = CellNoise(U(x), U(y), 8, seed);
        const Colour tile = Shade(colours[cell.id % 5], 0.9 + 0.25 * (1 - cell.f1));
        return Mix(Rgb255(210, 204, 190), tile, Smoothstep(0.06, 0.1, cell.f2 - cell.f1));
    });
}

Bitmap Clouds(std::uint32_t seed) {
    return PixelTile([&](int x, int y) {
        const double cloud = Fbm(U(x), U(y), 3, 3, 5, seed, 0.55);
        const Colour sky = Mix(Rgb255(84, 146, 220), Rgb255(130, 182, 236), U(y));
        const Colour white = Shade(Rgb255(250, 250, 252), 0.85 + 0.3 * cloud);
        return Mix(sky, white, Smoothstep(0.5, 0.78, cloud));
    });
}

Bitmap Bark(std::uint32_t seed) {
    return PixelTile([&](int x, int y) {
        const double ridges = Fbm(U(x), U(y), 9, 2, 4, seed);
        const double furrow = 1.0 - std::abs(2.0 * ridges - 1.0);
        const Colour colour = Mix(Rgb255(56, 40, 28), Rgb255(126, 98, 70), std::pow(furrow, 1.5));
        return Shade(colour, 1.0 + 0.1 * Grain(x, y, seed));
    });
}

Bitmap Tartan() {
    // The same sett across and down; where bands cross their colours mix.
    const auto band = [](int t) {
        const int p = t % 32;
        if (p < 10) {
            return Rgb255(26, 70, 46);
        }
        if (p < 12 || (p >= 20 && p < 22)) {
            return Rgb255(20, 24, 54);
        }
        if (p == 15 || p == 16) {
            return Rgb255(196, 172, 60);
        }
        return Rgb255(160, 30, 34);
    };
    return PixelTile([&](int x, int y) {
        const bool warp = ((x + y) / 2) % 2 == 0;
        const Colour colour = Mix(band(x), band(y), warp ? 0.35 : 0.65);
        return Shade(colour, 0.92 + 0.08 * ((x + y) % 2));
    });
}

Bitmap FlowerBed(std::uint32_t seed) {
    Bitmap tile = PixelTile([&](int x, int y) {
        return Shade(Rgb255(54, 96, 40), 0.75 + 0.5 * Fbm(U(x), U(y), 6, 6, 3, seed));
    });
    static const std::array<Colour, 4> colours = {Rgb255(220, 40, 60), Rgb255(248, 200, 40),
                                                  Rgb255(150, 70, 200), Rgb255(248, 246, 240)};
    Canvas canvas(tile);
    Random random(seed + 1);
    for (int i = 0; i < 90; ++i) {
        const Point c{random.Range(0, 64), random.Range(0, 64)};
        const Colour colour = colours[static_cast<std::size_t>(random.Below(4))];
        const double r = random.Range(1.2, 2.4);
        for (int petal = 0; petal < 5; ++petal) {
            const double a = petal * 2 * kPi / 5;
            canvas.FillEllipse({c.x + r * 0.6 * std::cos(a), c.y + r * 0.6 * std::sin(a)}, r * 0.55,
                               r * 0.55, ToColour(colour));
        }
        canvas.FillEllipse(c, r * 0.35, r * 0.35, ToColour(Rgb255(250, 220, 80)));
    }
    return tile;
}

Bitmap Marble(std::uint32_t seed) {
    return PixelTile([&](int x, int y) {
        const double turbulence = Fbm(U(x), U(y), 2, 2, 4, seed, 0.5);
        const double wave = std::sin(2 * kPi * (U(x) + U(y)) + 7.0 * turbulence);
        const double vein = 1.0 - Smoothstep(0.0, 0.2, std::abs(wave));
        const Colour base = Mix(Rgb255(222, 220, 214), Rgb255(246, 244, 240), turbulence);
        return Mix(base, Rgb255(108, 122, 116), 0.7 * vein);
    });
}

// ---------------------------------------------------------------- feathers

struct Plumage {
    Colour base;
    Colour mid;
    Colour tip;
    double bars = 0; // strength of dark bars across the feathers
    Colour down;     // between the feathers
};

// A fan of long flight feathers from the top-right corner (where the wing meets the body), tips
// towards the left edge and the top-left corner (the trailing edge and the wing tip), covered near
// the corner by a row of short coverts.
Bitmap Feathers(const Plumage& plumage) {
    struct Layer {
        double pivotX, pivotY, first, last, count, start, length, halfWidth;
    };
    const std::array<Layer, 2> layers = {
        Layer{68, -6, 1.62, 3.25, 12, 6, 0, 8.5}, // flight feathers, reaching the far edges
        Layer{68, -6, 1.66, 3.2, 10, 4, 30, 7.5}, // coverts on top
    };
    const auto sample = [&](double px, double py) {
        Colour colour = plumage.down;
        for (std::size_t l = 0; l < layers.size(); ++l) {
            const Layer& layer = layers[l];
            const double dx = px - layer.pivotX;
            const double dy = py - layer.pivotY;
            const double r = std::hypot(dx, dy);
            const double a = std::atan2(dy, dx) + (dy < 0 ? 2 * kPi : 0); // 0 .. 2 pi, y down
            const double step = (layer.last - layer.first) / (layer.count - 1);
            // Later feathers lie on top: look from the last one down.
            for (int i = static_cast<int>(layer.count) - 1; i >= 0; --i) {
                const double axis = layer.first + i * step;
                // Flight feathers end just past the left or bottom edge of the tile.
                const double toEdge = std::min(68.0 / std::max(0.05, -std::cos(axis)),
                                               70.0 / std::max(0.05, std::sin(axis)));
                const double length = layer.length > 0 ? layer.length : toEdge - layer.start + 3.0;
                const double t = (r - layer.start) / length;
                if (t < 0 || t > 1) {
                    continue;
                }
                const double half = layer.halfWidth * (0.45 + 0.55 * t) *
                                    std::sqrt(std::max(0.0, 1 - std::pow(t, 6)));
                const double across = (a - axis) * r / std::max(half, 0.01);
                if (std::abs(across) > 1) {
                    continue;
                }
                // Dark tips on the primaries, towards the wing tip.
                const double tipAmount =
                    l == 0 ? Smoothstep(0.6, 0.9, t) * Smoothstep(2.4, 2.9, axis) : 0;
                Colour c = Mix(plumage.base, plumage.mid, Smoothstep(0.0, 0.8, t));
                c = Mix(c, plumage.tip, tipAmount);
                c = Shade(c, 1.0 - plumage.bars * Smoothstep(0.3, 0.9, std::sin(r * 0.55)));
                // Barbs slant away from the shaft; the shaft is pale, the rim dark.
                c = Shade(c, 0.96 + 0.04 * std::sin(r * 2.0 + std::abs(across) * 4.0));
                if (std::abs(across) < 0.08) {
                    c = Mix(c, Rgb255(236, 232, 220), 0.4);
                }
                // The edge that the next feather covers lies in its shadow.
                c = Shade(c, 1.0 - 0.4 * Smoothstep(0.55, 1.0, across) -
                                 0.12 * Smoothstep(0.8, 1.0, -across));
                colour = c;
                break;
            }
        }
        return colour;
    };
    // Four samples a pixel smooth the feather edges.
    return PixelTile([&](int x, int y) {
        Colour sum;
        for (const double oy : {0.25, 0.75}) {
            for (const double ox : {0.25, 0.75}) {
                const Colour c = sample(x + ox, y + oy);
                sum = {sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4};
            }
        }
        return sum;
    });
}

// ---------------------------------------------------------------- the bank

std::array<Bitmap, 36> MakeTiles() {
    std::array<Bitmap, 36> tiles;
    const auto sea = [](std::uint32_t seed, bool whitecaps) {
        const WaterFields water = MakeWaterFields(seed);
        return PixelTile([&](int x, int y) {
            Colour colour = Water(water, x, y, 100.0);
            if (whitecaps) {
                const double crest = 1.0 - std::abs(2.0 * water.waves(x, y) - 1.0);
                const double cap =
                    Smoothstep(0.93, 0.99, crest) * Smoothstep(0.55, 0.75, water.foam(x, y));
                colour = Mix(colour, Rgb255(240, 246, 248), 0.8 * cap * Interior(x, y));
            }
            return colour;
        });
    };
    tiles[0] = sea(1000, true);
    tiles[1] = sea(1001, false);
    tiles[2] = Lava(1002);
    tiles[3] = Stones(1003, 4, Rgb255(188, 178, 160), Rgb255(110, 102, 92), Rgb255(62, 58, 52), 0);
    tiles[4] = Planks(1004);

    tiles[5] = ShoreCorner(1005, 15.0);
    tiles[6] = ShoreTile(
        1006, [](int, int) { return 100.0; },
        [](int x, int y) {
            const double wave = std::sin(2 * kPi * (y / 5.5 + 0.6 * Fbm(U(x), U(y), 3, 3, 2, 77)));
            return 0.07 * wave * Interior(x, y);
        });
    tiles[7] = ShoreTile(1007, [](int, int) { return 100.0; });
    Pebbles(tiles[7], 1107, 16, true);
    tiles[8] = ShoreTile(1008, [](int, int) { return 100.0; });
    Tufts(tiles[8], 1108, 6);
    tiles[9] = ShoreTop(1009);
    tiles[10] = ShoreRight(1010);
    tiles[11] = ShoreCorner(1011, 8.0);
    Pebbles(tiles[11], 1111, 5, false);

    tiles[12] = PlainTile(1012, Crop::None);
    tiles[13] = PlainTile(1013, Crop::None);
    Flowers(tiles[13], 1113, 40);
    tiles[14] = PlainTile(1014, Crop::None);
    Trees(tiles[14], {{20, 22}, {42, 38}, {26, 46}}, 4.5, 1114);
    tiles[15] = PlainTile(1015, Crop::Wheat);
    tiles[16] = PlainTile(1016, Crop::Ploughed);
    tiles[17] = PlainTile(1017, Crop::None);
    Trees(tiles[17], {{19, 19}, {45, 20}, {20, 45}, {45, 45}}, 7.0, 1117);

    tiles[18] = MountainTile(1018, {0.6, 0.5, false});
    tiles[19] = MountainTile(1019, {0.56, 1.0, false});
    tiles[20] = MountainTile(1020, {0.66, 0.3, true});
    tiles[21] = MountainTile(1021, {0.46, 0.6, false});
    tiles[22] = MountainTile(1022, {0.4, 0.5, false});
    tiles[23] = MountainTile(1023, {0.34, 0.4, false});

    tiles[24] = Bricks(1024);
    tiles[25] = Leaves(1025);
    tiles[26] = Ice(1026);
    tiles[27] = Mosaic(1027);
    tiles[28] = Clouds(1028);
    tiles[29] = Bark(1029);
    tiles[30] = Feathers({Rgb255(244, 244, 242), Rgb255(176, 184, 194), Rgb255(34, 34, 40), 0,
                          Rgb255(226, 228, 230)});
    tiles[31] = Feathers({Rgb255(196, 160, 112), Rgb255(128, 86, 52), Rgb255(62, 40, 26), 0.3,
                          Rgb255(170, 132, 92)});
    tiles[32] = Tartan();
    tiles[33] = FlowerBed(1033);
    tiles[34] = Marble(1034);
    tiles[35] = Stones(1035, 3, Rgb255(160, 160, 150), Rgb255(96, 98, 92), Rgb255(50, 56, 44), 0.8);
    return tiles;
}

} // namespace

Bitmap MakeTextureBank() {
    Bitmap bank(kSheet.Width(), kSheet.Height());
    Canvas canvas(bank);
    canvas.FillRect(0, 0, kSheet.Width(), kSheet.Height(), ToColour(Rgb255(64, 64, 64)));
    const std::array<Bitmap, 36> tiles = MakeTiles();
    for (int k = 0; k < kSheet.TileCount(); ++k) {
        canvas.Draw(kSheet.TileLeft(k), kSheet.TileTop(k), tiles[static_cast<std::size_t>(k)]);
    }
    return bank;
}

Bitmap MakeTerrainPreview(const Bitmap& bank, const Bitmap& heights) {
    constexpr int kCell = 16;
    THeightMap map(heights.Width(), heights.Height());
    for (int x = 0; x < map.Width(); ++x) {
        for (int y = 0; y < map.Height(); ++y) {
            map.Set(x, y,
                    THeightMap::FromColour(platform::Colour::FromWindows(heights.Pixel(x, y))));
        }
    }
    // The game's own tile rule, fed by a fixed generator instead of rand.
    Random random(42);
    const auto cells = LayTiles(map, [&random] { return random.Below(1 << 30); });

    Bitmap preview((map.Width() - 1) * kCell, (map.Height() - 1) * kCell);
    for (const TTileChoice& cell : cells) {
        // Texture coordinates as the landscape gives them; texel (s, t) is bank pixel
        // (column t, row s) of the tile, the upload being transposed.
        const auto [s0, t0, s1, t1] = OrientationRect(cell.orientation);
        const int left = kSheet.TileLeft(cell.tile);
        const int topRow = kSheet.TileTop(cell.tile);
        for (int py = 0; py < kCell; ++py) {
            for (int px = 0; px < kCell; ++px) {
                const double u = (px + 0.5) / kCell;
                const double v = (py + 0.5) / kCell;
                const double s = s0 + u * (s1 - s0);
                const double t = t0 + v * (t1 - t0);
                const int column = std::min(kTile - 1, static_cast<int>(t * kTile));
                const int row = std::min(kTile - 1, static_cast<int>(s * kTile));
                preview.SetPixel(cell.x * kCell + px, cell.y * kCell + py,
                                 bank.Pixel(left + column, topRow + row));
            }
        }
    }
    return preview;
}

} // namespace scrivel::graphics
