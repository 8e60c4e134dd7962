#include "graphics/landscape.h"

#include "graphics/procedural.h"
#include "platform/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace scrivel::graphics {

using platform::Bitmap;
using platform::Canvas;
using platform::Point;

namespace {

constexpr double kPi = std::numbers::pi;

// The height map's grid in scene units, as the landscape lays it out.
constexpr int kMapSide = 64;
constexpr double kSpacing = 1.5;
constexpr double kHalfSpan = kMapSide * kSpacing * 0.5;
constexpr double kHeightScale = 15.0;

// Blue values at the landscape's class limits.
constexpr double kShoreTop = 64.0;
constexpr double kPlainTop = 192.0;
// Under and in front of the board the ground stays under this, well below the board's lower edge.
constexpr double kLowTop = 100.0;

double SceneX(int column) {
    return column * kSpacing - kHalfSpan;
}

double SceneZ(int row) {
    return row * kSpacing - kHalfSpan;
}

// Noise over the whole map, repeating outside it (which nothing reads).
double MapNoise(double x, double z, int cells, int octaves, std::uint32_t seed) {
    const double span = 2.0 * kHalfSpan;
    return Fbm((x + kHalfSpan) / span, (z + kHalfSpan) / span, cells, cells, octaves, seed);
}

// Uniform in [0, 1) per pixel: fine grain that does not repeat.
double Grain01(int x, int y, std::uint32_t seed) {
    return Hash(x, y, seed) / 4294967296.0;
}

double SegmentDistance(double x, double z, double ax, double az, double bx, double bz) {
    const double dx = bx - ax;
    const double dz = bz - az;
    const double t = std::clamp(((x - ax) * dx + (z - az) * dz) / (dx * dx + dz * dz), 0.0, 1.0);
    return std::hypot(x - (ax + t * dx), z - (az + t * dz));
}

// Roughly the distance in units from the coast, positive on land.
double Coast(double x, double z) {
    const double dx = x + 1.0;
    const double dz = z + 5.0;
    const double angle = std::atan2(dz, dx) / (2 * kPi) + 0.5;
    const double radius = 41.0 + 3.5 * (2.0 * Fbm(angle, 0.31, 7, 1, 3, 7001) - 1.0);
    double land = radius - std::hypot(dx, dz);
    // A bay on the left, behind the score table, and a sand spit reaching into it.
    land = std::min(land, std::hypot(x + 37.0, z - 12.0) - 10.0);
    land = std::max(land, 1.6 - SegmentDistance(x, z, -27.0, 24.0, -38.0, 17.0));
    // A cove at the back right, seen past the volcano.
    land = std::min(land, std::hypot(x - 25.0, z + 35.0) - 6.5);
    // The lagoon the volcano rises from.
    land = std::min(land, std::hypot((x + 2.0) * 1.1, z + 24.0) - 8.0);
    return land;
}

// 0 .. 1: how strongly mountains rise here.
double Mountains(double x, double z) {
    // The ridge behind, lower just behind the volcano so that its cone stands against the sky.
    const double saddle = 1.0 - 0.45 * std::exp(-std::pow((x + 2.0) / 9.0, 2.0));
    const double back = std::exp(-std::pow((z + 35.0) / 5.0, 2.0)) * saddle;
    // Ridges down both sides, ending before the low ground in front.
    const double sides = 1.0 - Smoothstep(-8.0, 6.0, z);
    const double left = std::exp(-std::pow((x + 31.0) / 4.5, 2.0)) * sides;
    const double right = std::exp(-std::pow((x - 29.0) / 5.0, 2.0)) * sides;
    return std::max({back, left, right});
}

// 0 .. 1: where the cameras look past the board, and round the volcano's lagoon.
double Lowland(double x, double z) {
    const double front =
        (1.0 - Smoothstep(14.0, 22.0, std::abs(x + 2.0))) * Smoothstep(-20.0, -12.0, z);
    const double lagoon = 1.0 - Smoothstep(14.0, 19.0, std::hypot(x + 2.0, z + 24.0));
    return std::max(front, lagoon);
}

double HeightAt(int column, int row) {
    // The outermost ring of the map is always open sea.
    if (column == 0 || row == 0 || column == kMapSide - 1 || row == kMapSide - 1) {
        return 0.0;
    }
    const double x = SceneX(column);
    const double z = SceneZ(row);
    const double land = Coast(x, z);
    if (land <= 0.0) {
        return 0.0;
    }
    const double shore = std::clamp(4.0 + 13.0 * land, 1.0, kShoreTop - 2.0);
    const double plain = 74.0 + 45.0 * MapNoise(x, z, 6, 3, 7002);
    double height = Mix(shore, plain, Smoothstep(3.0, 7.0, land));
    const double rock = Mountains(x, z) * Smoothstep(2.0, 8.0, land);
    const double peaks = 0.75 + 0.5 * MapNoise(x, z, 9, 3, 7003);
    height = std::max(height, Mix(height, 262.0 * peaks, rock));
    const double low = Lowland(x, z);
    height =
        Mix(height, std::min(height, kLowTop - 10.0 * (1.0 - MapNoise(x, z, 5, 2, 7004))), low);
    return std::clamp(std::round(height), land > 0.0 ? 1.0 : 0.0, 255.0);
}

Colour ClassColour(double blue) {
    if (blue <= 0.0) {
        return Rgb255(29, 78, 137);
    }
    if (blue <= kShoreTop) {
        return Mix(Rgb255(232, 215, 166), Rgb255(217, 192, 137), blue / kShoreTop);
    }
    if (blue <= kPlainTop) {
        static const std::array<Colour, 3> greens = {Rgb255(139, 191, 90), Rgb255(106, 168, 79),
                                                     Rgb255(79, 138, 60)};
        return Ramp(greens.data(), 3, (blue - kShoreTop) / (kPlainTop - kShoreTop));
    }
    return Mix(Rgb255(138, 122, 106), Rgb255(91, 74, 63), (blue - kPlainTop) / 64.0);
}

} // namespace

Bitmap MakeHeightField() {
    Bitmap map(kMapSide, kMapSide);
    for (int row = 0; row < kMapSide; ++row) {
        for (int column = 0; column < kMapSide; ++column) {
            const double blue = HeightAt(column, row);
            // Red and green follow the classes so the file reads as a map; the game reads blue.
            const Colour tint = ClassColour(blue);
            map.SetPixel(column, row,
                         platform::Bitmap::Rgb(static_cast<int>(tint.r * 255),
                                               static_cast<int>(tint.g * 255),
                                               static_cast<int>(blue)));
        }
    }
    return map;
}

Bitmap MakeHeightFieldPreview(const Bitmap& heights) {
    constexpr int kScale = 10;
    const int side = heights.Width();
    const auto blue = [&](int x, int y) {
        x = std::clamp(x, 0, side - 1);
        y = std::clamp(y, 0, side - 1);
        return static_cast<double>((heights.Pixel(x, y) >> 16) & 0xFF);
    };
    Bitmap preview(side * kScale, side * kScale);
    for (int py = 0; py < preview.Height(); ++py) {
        for (int px = 0; px < preview.Width(); ++px) {
            const int x = px / kScale;
            const int y = py / kScale;
            const double h = blue(x, y);
            // Light from the top left, on the scene's heights.
            const double slope =
                (blue(x - 1, y) - blue(x + 1, y) + blue(x, y - 1) - blue(x, y + 1)) * kHeightScale /
                256.0 / (2 * kSpacing);
            const double shade = h <= 0 ? 1.0 : std::clamp(1.0 + 0.35 * slope, 0.55, 1.35);
            preview.SetPixel(px, py, ToPixel(Scale(ClassColour(h), shade)));
        }
    }
    Canvas canvas(preview);
    const auto at = [&](double x, double z) {
        return Point{(x + kHalfSpan) / kSpacing * kScale, (z + kHalfSpan) / kSpacing * kScale};
    };
    const platform::Colour mark = ToColour(Rgb255(200, 30, 30));
    // The board (6 units wide at z = 2) on its plate, and the volcano's ring.
    const Point plate = at(-4.0, 0.0);
    const Point plateEnd = at(4.0, 4.0);
    canvas.FillRect(static_cast<int>(plate.x), static_cast<int>(plate.y),
                    static_cast<int>(plateEnd.x - plate.x), static_cast<int>(plateEnd.y - plate.y),
                    ToColour(Rgb255(200, 180, 140)), 0.8);
    canvas.DrawLine(at(-3.0, 2.0), at(3.0, 2.0), mark, 3.0);
    canvas.DrawEllipse(at(-2.0, -25.0), 11.0 / kSpacing * kScale, 11.0 / kSpacing * kScale, mark,
                       2.0);
    // Each screen's camera, with a line along its view.
    struct Eye {
        double x, z, yaw;
    };
    for (const Eye& eye : {Eye{0, 20, 0}, Eye{10, 20, -50}, Eye{6, 5, -100}, Eye{0, 23, 0}}) {
        const double yaw = eye.yaw * kPi / 180.0;
        canvas.FillEllipse(at(eye.x, eye.z), 5, 5, mark);
        canvas.DrawLine(at(eye.x, eye.z),
                        at(eye.x + 12.0 * std::sin(yaw), eye.z - 12.0 * std::cos(yaw)), mark, 2.0);
    }
    return preview;
}

Bitmap MakeSun() {
    Bitmap sun(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const double r = std::hypot(x - 31.5, y - 31.5) / 45.0;
            sun.SetPixel(x, y, ToPixel(Mix(Rgb255(255, 228, 120), Rgb255(255, 206, 84), r)));
        }
    }
    return sun;
}

Bitmap MakeGround() {
    constexpr int kSide = 400;
    constexpr double kKerb = 0.32; // units
    Bitmap ground(kSide, kSide);
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            // Rows run along x (8 units), columns along z (4 units).
            const double x = (row + 0.5) / kSide * 8.0;
            const double z = (column + 0.5) / kSide * 4.0;
            const double edge = std::min({x, 8.0 - x, z, 4.0 - z});
            const double grain = Grain01(column, row, 7101) - 0.5;
            Colour colour;
            if (edge < kKerb) {
                // A kerb of long dark stones, each 1 unit, with a bevel towards the inside.
                const double along = (x < kKerb || x > 8.0 - kKerb) ? z : x;
                const double joint = std::abs(along - std::round(along));
                const double bevel = Smoothstep(kKerb - 0.08, kKerb, edge);
                colour = Mix(Rgb255(92, 80, 68), Rgb255(124, 110, 94),
                             MapNoise(x * 6, z * 6, 4, 3, 7102));
                colour = Scale(colour,
                               (1.0 - 0.25 * bevel) * (joint < 0.02 ? 0.55 : 1.0) + 0.05 * grain);
            } else {
                // Flagstones about 0.8 units across.
                const CellSample cell = CellNoise(x / 8.0, z / 8.0, 10, 7103);
                const double tone = ((cell.id >> 8) & 0xFF) / 255.0;
                const double noise = MapNoise(x * 8, z * 8, 8, 3, 7104);
                Colour stone = Mix(Rgb255(168, 146, 112), Rgb255(206, 186, 148), 0.25 + 0.5 * tone);
                stone = Scale(stone, 0.9 + 0.2 * noise + 0.06 * grain - 0.12 * cell.f1);
                const double gap = Smoothstep(0.04, 0.09, cell.f2 - cell.f1);
                colour = Mix(Rgb255(88, 76, 60), stone, gap);
            }
            ground.SetPixel(column, row, ToPixel(colour));
        }
    }
    return ground;
}

Bitmap MakeGroundPreview(const Bitmap& ground) {
    // Texel (s, t) is picture pixel (column t, row s); s runs along x, t along z.
    Bitmap preview(800, 400);
    for (int py = 0; py < 400; ++py) {
        for (int px = 0; px < 800; ++px) {
            preview.SetPixel(px, py, ground.Pixel(py, px / 2));
        }
    }
    return preview;
}

Bitmap MakeVolcano() {
    constexpr int kSide = 400;
    static const std::array<Colour, 4> flank = {Rgb255(52, 44, 42), Rgb255(78, 64, 56),
                                                Rgb255(110, 94, 80), Rgb255(140, 126, 108)};
    Bitmap rock(kSide, kSide);
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            const double around = (row + 0.5) / kSide;  // s, round the cone
            const double down = (column + 0.5) / kSide; // t, apex to foot
            // Gullies run from the summit to the foot: noise stretched along t.
            const double gully = Fbm(around, down, 28, 2, 3, 7201);
            const double ridges = 1.0 - std::abs(2.0 * gully - 1.0);
            const double patch = Fbm(around, down, 6, 6, 4, 7202);
            Colour colour = Ramp(flank.data(), 4, 0.15 + 0.75 * down + 0.25 * (patch - 0.5));
            // Darker basalt and rust near the crater.
            const double summit = 1.0 - Smoothstep(0.0, 0.3, down);
            colour = Mix(colour, Mix(Rgb255(40, 32, 30), Rgb255(104, 52, 34), patch), 0.8 * summit);
            // Old lava flows: dark tongues from the summit that thin out downhill.
            const double flow = Fbm(around, down * 0.3, 12, 1, 3, 7203);
            const double tongue = Smoothstep(0.62, 0.7, flow) * (1.0 - Smoothstep(0.4, 0.9, down));
            colour = Mix(colour, Rgb255(34, 28, 28), 0.7 * tongue);
            colour = Scale(colour, 0.8 + 0.35 * ridges + 0.1 * (Grain01(column, row, 7204) - 0.5));
            // Scattered pale boulders on the lower slopes.
            const CellSample stone = CellNoise(around, down, 40, 7205);
            const double boulder = (stone.id % 7 == 0 ? 1.0 : 0.0) *
                                   (1.0 - Smoothstep(0.08, 0.14, stone.f1)) *
                                   Smoothstep(0.35, 0.6, down);
            colour = Mix(colour, Rgb255(170, 160, 146), 0.7 * boulder);
            rock.SetPixel(column, row, ToPixel(colour));
        }
    }
    return rock;
}

Bitmap MakeVolcanoPreview(const Bitmap& rock) {
    constexpr int kSide = 400;
    Bitmap preview(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double dx = x - kSide / 2.0;
            const double dy = y - kSide / 2.0;
            const double r = std::hypot(dx, dy) / (kSide / 2.0);
            if (r >= 1.0) {
                preview.SetPixel(x, y, ToPixel(Rgb255(106, 168, 79)));
                continue;
            }
            const double around = std::atan2(dy, dx) / (2 * kPi) + 0.5;
            const int column = std::min(kSide - 1, static_cast<int>(r * kSide));
            const int row = std::min(kSide - 1, static_cast<int>(around * kSide));
            preview.SetPixel(x, y, rock.Pixel(column, row));
        }
    }
    return preview;
}

} // namespace scrivel::graphics
