#pragma once

#include "platform/canvas.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The game's icon: one letter cube, as the game throws them, seen from above and to the right,
// with an S on its front face. It is kept as a few flat shapes in a 256-unit square so that the
// same drawing gives the SVG and the PNGs of every size.
namespace scrivel::icon {

struct Polygon {
    std::vector<platform::Point> points;
    std::uint32_t colour = 0; // 0x00BBGGRR
    double opacity = 1.0;
};

struct Ellipse {
    platform::Point centre;
    double radiusX = 0;
    double radiusY = 0;
    std::uint32_t colour = 0;
    double opacity = 1.0;
};

// A square filled from `inner` at the centre to `outer` at the radius and beyond.
struct RadialSquare {
    double left = 0;
    double top = 0;
    double side = 0;
    platform::Point centre;
    double radius = 0;
    std::uint32_t inner = 0;
    std::uint32_t outer = 0;
};

struct Line {
    platform::Point from;
    platform::Point to;
    std::uint32_t colour = 0;
    double width = 1.0;
    double opacity = 1.0;
};

using Shape = std::variant<Polygon, Ellipse, RadialSquare, Line>;

constexpr double kIconUnits = 256.0;

// Back to front.
std::vector<Shape> LetterCube();

// Draws the shapes on a canvas whose bitmap is `size` pixels square.
void Draw(platform::Canvas& canvas, const std::vector<Shape>& shapes, int size);

// The shapes as a standalone SVG document.
std::string ToSvg(const std::vector<Shape>& shapes);

} // namespace scrivel::icon
