#include "graphics/procedural.h"

#include <algorithm>
#include <cmath>

namespace scrivel::graphics {

std::uint64_t Random::Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::Unit() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int Random::Below(int count) {
    return count <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(count));
}

std::uint32_t Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

namespace {

int Wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// Value noise whose lattice values come from `lattice(x, y)` (already wrapped).
template <class L> double Interpolate(double u, double v, int cellsX, int cellsY, L lattice) {
    const double x = u * cellsX;
    const double y = v * cellsY;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double a = lattice(Wrap(ix, cellsX), Wrap(iy, cellsY));
    const double b = lattice(Wrap(ix + 1, cellsX), Wrap(iy, cellsY));
    const double c = lattice(Wrap(ix, cellsX), Wrap(iy + 1, cellsY));
    const double d = lattice(Wrap(ix + 1, cellsX), Wrap(iy + 1, cellsY));
    return Mix(Mix(a, b, tx), Mix(c, d, tx), ty);
}

double Unit32(std::uint32_t value) {
    return value / 4294967295.0;
}

// Sums of several octaves crowd around 0.5; stretch them back towards the full range.
double Normalise(double sum, double total, int octaves) {
    const double spread = total > 0 ? sum / total : 0.5;
    return Clamp01(0.5 + (spread - 0.5) * (octaves > 1 ? 1.6 : 1.0));
}

} // namespace

double ValueNoise(double u, double v, int cellsX, int cellsY, std::uint32_t seed) {
    return Interpolate(u, v, cellsX, cellsY,
                       [seed](int x, int y) { return Unit32(Hash(x, y, seed)); });
}

double Fbm(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t seed,
           double gain) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * ValueNoise(u, v, cellsX, cellsY, seed + 7919u * octave);
        total += weight;
        weight *= gain;
        cellsX *= 2;
        cellsY *= 2;
    }
    return Normalise(sum, total, octaves);
}

double TileFbm(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t kindSeed,
               std::uint32_t tileSeed, double gain) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        const std::uint32_t kind = kindSeed + 7919u * octave;
        const std::uint32_t own = tileSeed + 7919u * octave;
        const int nx = cellsX;
        const int ny = cellsY;
        // Value noise along a lattice line depends only on that line's values, and the fade is
        // symmetric, so palindromic border lines give palindromic tile edges.
        sum += weight * Interpolate(u, v, nx, ny, [&](int x, int y) {
                   if (x == 0) {
                       return Unit32(Hash(0, std::min(y, ny - y), kind));
                   }
                   if (y == 0) {
                       return Unit32(Hash(std::min(x, nx - x), 0, kind));
                   }
                   return Unit32(Hash(x, y, own));
               });
        total += weight;
        weight *= gain;
        cellsX *= 2;
        cellsY *= 2;
    }
    return Normalise(sum, total, octaves);
}

CellSample CellNoise(double u, double v, int cells, std::uint32_t seed) {
    const double x = u * cells;
    const double y = v * cells;
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    CellSample sample{1e9, 1e9, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = ix + dx;
            const int cy = iy + dy;
            const std::uint32_t h = Hash(Wrap(cx, cells), Wrap(cy, cells), seed);
            const double px = cx + 0.15 + 0.7 * (h & 0xFFFF) / 65536.0;
            const double py = cy + 0.15 + 0.7 * (h >> 16) / 65536.0;
            const double d = std::hypot(x - px, y - py);
            if (d < sample.f1) {
                sample.f2 = sample.f1;
                sample.f1 = d;
                sample.id = h;
            } else if (d < sample.f2) {
                sample.f2 = d;
            }
        }
    }
    return sample;
}

double Clamp01(double value) {
    return std::clamp(value, 0.0, 1.0);
}

double Smoothstep(double edge0, double edge1, double value) {
    const double t = Clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

Colour Mix(const Colour& a, const Colour& b, double t) {
    return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}

Colour Scale(const Colour& colour, double factor) {
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}

Colour Rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

platform::Colour ToColour(const Colour& colour) {
    const auto channel = [](double value) {
        return static_cast<std::uint8_t>(std::lround(Clamp01(value) * 255.0));
    };
    return {channel(colour.r), channel(colour.g), channel(colour.b)};
}

std::uint32_t ToPixel(const Colour& colour) {
    return ToColour(colour).Windows();
}

Colour FromPixel(std::uint32_t pixel) {
    return Rgb255(static_cast<int>(pixel & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                  static_cast<int>((pixel >> 16) & 0xFF));
}

Colour Ramp(const Colour* stops, int count, double t) {
    if (count <= 1) {
        return count == 1 ? stops[0] : Colour{};
    }
    const double position = Clamp01(t) * (count - 1);
    const int index = std::min(static_cast<int>(position), count - 2);
    return Mix(stops[index], stops[index + 1], position - index);
}

} // namespace scrivel::graphics
