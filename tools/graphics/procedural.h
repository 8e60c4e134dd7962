#pragma once

#include "platform/colour.h"

#include <cstdint>

// Small deterministic building blocks for the generated pictures: a PRNG, tileable value noise and
// colour arithmetic. Everything depends only on its seeds, so every build draws the same pictures.
namespace scrivel::graphics {

// splitmix64: tiny, fast and the same on every platform (rand() is not).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [low, high).
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    // Uniform in 0 .. count - 1.
    int Below(int count);

private:
    std::uint64_t state_;
};

// A well-mixed 32-bit value from lattice coordinates and a seed.
std::uint32_t Hash(int x, int y, std::uint32_t seed);

// Value noise in [0, 1] at (u, v), repeating every 1.0 in both directions: cellsX by cellsY
// lattice cells span one period, so a 64-pixel tile sampled at u = x / 64 wraps seamlessly.
double ValueNoise(double u, double v, int cellsX, int cellsY, std::uint32_t seed);

// Sum of octaves of ValueNoise, each twice as fine as the last with `gain` times its weight,
// scaled back to [0, 1]. Repeats every 1.0 like ValueNoise.
double Fbm(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t seed,
           double gain = 0.5);

// Fbm for one tile of a family of tiles that must join seamlessly in any arrangement, flipped
// or not. The lattice values on the tile's border lines come from kindSeed and read the same
// forwards and backwards; all others come from tileSeed. Every tile of the kind therefore has the
// same symmetric edges and its own inside, and nothing marks where one turns into the other.
double TileFbm(double u, double v, int cellsX, int cellsY, int octaves, std::uint32_t kindSeed,
               std::uint32_t tileSeed, double gain = 0.5);

// Periodic cellular noise: one jittered feature point per lattice cell, cells x cells per period.
// f1 and f2 are the distances (in cells) to the nearest and second nearest points; id names the
// nearest point's cell, so each cell can take its own colour.
struct CellSample {
    double f1 = 0;
    double f2 = 0;
    std::uint32_t id = 0;
};
CellSample CellNoise(double u, double v, int cells, std::uint32_t seed);

double Clamp01(double value);
double Smoothstep(double edge0, double edge1, double value);
double Mix(double a, double b, double t);

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};

Colour Mix(const Colour& a, const Colour& b, double t);
Colour Scale(const Colour& colour, double factor);
// From 0-255 components.
Colour Rgb255(int r, int g, int b);
// Clamped and rounded to whole channels, for the canvas.
platform::Colour ToColour(const Colour& colour);
// A pixel of a Bitmap (0x00BBGGRR), clamped and rounded.
std::uint32_t ToPixel(const Colour& colour);
Colour FromPixel(std::uint32_t pixel);

// Piecewise-linear colour ramp through evenly spaced stops.
Colour Ramp(const Colour* stops, int count, double t);

} // namespace scrivel::graphics
