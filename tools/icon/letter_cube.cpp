#include "icon/letter_cube.h"

#include "platform/bitmap.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace scrivel::icon {

using platform::Bitmap;
using platform::Point;

namespace {

// The calm pattern behind titles: deep blue, lighter in the middle.
constexpr std::uint32_t kFaceLight = Bitmap::Rgb(58, 76, 150);
constexpr std::uint32_t kFaceDark = Bitmap::Rgb(18, 24, 62);
constexpr std::uint32_t kTop = Bitmap::Rgb(70, 90, 168);
constexpr std::uint32_t kSide = Bitmap::Rgb(20, 26, 66);
constexpr std::uint32_t kEdge = Bitmap::Rgb(170, 190, 255);
// The title's yellow, a little warmed towards the volcano's glow.
constexpr std::uint32_t kLetter = Bitmap::Rgb(255, 222, 60);
constexpr std::uint32_t kLetterShade = Bitmap::Rgb(120, 60, 10);

// The front face's square and the depth of the cube drawn up and to the right.
constexpr double kLeft = 22;
constexpr double kTopY = 78;
constexpr double kSideLength = 156;
constexpr double kDepthX = 62;
constexpr double kDepthY = 52;

// The centre line of an S: the upper bowl turns anticlockwise from its terminal round to the
// middle, the lower one clockwise from the middle round to its own terminal.
std::vector<Point> SCentreLine(Point centre, double radiusX, double radiusY) {
    constexpr double kDegree = std::numbers::pi / 180.0;
    std::vector<Point> line;
    const Point upper{centre.x, centre.y - radiusY};
    for (double a = -25; a >= -270; a -= 5) {
        line.push_back(
            {upper.x + radiusX * std::cos(a * kDegree), upper.y + radiusY * std::sin(a * kDegree)});
    }
    const Point lower{centre.x, centre.y + radiusY};
    for (double a = -85; a <= 155; a += 5) {
        line.push_back(
            {lower.x + radiusX * std::cos(a * kDegree), lower.y + radiusY * std::sin(a * kDegree)});
    }
    return line;
}

// The outline of a stroke of the given width along the line, with square-cut ends.
std::vector<Point> Stroke(const std::vector<Point>& line, double width) {
    std::vector<Point> left;
    std::vector<Point> right;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = line[i == 0 ? 0 : i - 1];
        const Point& b = line[i + 1 == n ? i : i + 1];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        const Point normal{-dy / length * width / 2, dx / length * width / 2};
        left.push_back({line[i].x + normal.x, line[i].y + normal.y});
        right.push_back({line[i].x - normal.x, line[i].y - normal.y});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    return left;
}

std::vector<Point> Shifted(std::vector<Point> points, double dx, double dy) {
    for (Point& p : points) {
        p.x += dx;
        p.y += dy;
    }
    return points;
}

std::string Hex(std::uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0') {
        s.pop_back();
    }
    if (s.back() == '.') {
        s.pop_back();
    }
    return s;
}

std::string Opacity(double opacity) {
    return opacity < 1.0 ? " opacity=\"" + Number(opacity) + "\"" : "";
}

std::string PointList(const std::vector<Point>& points) {
    std::string list;
    for (const Point& p : points) {
        list += (list.empty() ? "" : " ") + Number(p.x) + "," + Number(p.y);
    }
    return list;
}

} // namespace

std::vector<Shape> LetterCube() {
    const double right = kLeft + kSideLength;
    const double bottom = kTopY + kSideLength;
    std::vector<Shape> shapes;
    // Its shadow on the ground.
    shapes.push_back(Ellipse{{kLeft + kSideLength / 2 + kDepthX / 2, bottom + 4},
                             kSideLength / 2 + kDepthX / 2 + 4,
                             16,
                             0,
                             0.3});
    shapes.push_back(Polygon{{{kLeft, kTopY},
                              {right, kTopY},
                              {right + kDepthX, kTopY - kDepthY},
                              {kLeft + kDepthX, kTopY - kDepthY}},
                             kTop});
    shapes.push_back(Polygon{{{right, kTopY},
                              {right + kDepthX, kTopY - kDepthY},
                              {right + kDepthX, bottom - kDepthY},
                              {right, bottom}},
                             kSide});
    shapes.push_back(RadialSquare{kLeft,
                                  kTopY,
                                  kSideLength,
                                  {kLeft + kSideLength * 0.5, kTopY + kSideLength * 0.45},
                                  kSideLength * 0.72,
                                  kFaceLight,
                                  kFaceDark});
    // Light catches the edges that face it.
    shapes.push_back(Line{{kLeft, kTopY}, {right, kTopY}, kEdge, 3, 0.8});
    shapes.push_back(Line{{right, kTopY}, {right + kDepthX, kTopY - kDepthY}, kEdge, 3, 0.5});
    shapes.push_back(Line{{kLeft, kTopY}, {kLeft + kDepthX, kTopY - kDepthY}, kEdge, 3, 0.5});
    shapes.push_back(Line{{kLeft, kTopY}, {kLeft, bottom}, kEdge, 3, 0.4});

    const std::vector<Point> letter =
        Stroke(SCentreLine({kLeft + kSideLength / 2, kTopY + kSideLength / 2}, 40, 28), 27);
    shapes.push_back(Polygon{Shifted(letter, 4, 4), kLetterShade, 0.8});
    shapes.push_back(Polygon{letter, kLetter});
    return shapes;
}

void Draw(platform::Canvas& canvas, const std::vector<Shape>& shapes, int size) {
    const double scale = size / kIconUnits;
    auto at = [scale](Point p) { return Point{p.x * scale, p.y * scale}; };
    for (const Shape& shape : shapes) {
        if (const auto* polygon = std::get_if<Polygon>(&shape)) {
            std::vector<Point> points;
            for (const Point& p : polygon->points) {
                points.push_back(at(p));
            }
            canvas.FillPolygon(points, platform::Colour::FromWindows(polygon->colour),
                               polygon->opacity);
        } else if (const auto* ellipse = std::get_if<Ellipse>(&shape)) {
            canvas.FillEllipse(at(ellipse->centre), ellipse->radiusX * scale,
                               ellipse->radiusY * scale,
                               platform::Colour::FromWindows(ellipse->colour), ellipse->opacity);
        } else if (const auto* square = std::get_if<RadialSquare>(&shape)) {
            const int left = static_cast<int>(std::lround(square->left * scale));
            const int top = static_cast<int>(std::lround(square->top * scale));
            const int side =
                static_cast<int>(std::lround((square->left + square->side) * scale)) - left;
            canvas.FillRadialGradient(left, top, side, side, at(square->centre),
                                      square->radius * scale,
                                      platform::Colour::FromWindows(square->inner),
                                      platform::Colour::FromWindows(square->outer));
        } else if (const auto* line = std::get_if<Line>(&shape)) {
            canvas.DrawLine(at(line->from), at(line->to),
                            platform::Colour::FromWindows(line->colour),
                            std::max(1.0, line->width * scale), line->opacity);
        }
    }
}

std::string ToSvg(const std::vector<Shape>& shapes) {
    const std::string units = Number(kIconUnits);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      units + "\" height=\"" + units + "\" viewBox=\"0 0 " + units + " " + units +
                      "\">\n";
    int gradients = 0;
    for (const Shape& shape : shapes) {
        if (const auto* polygon = std::get_if<Polygon>(&shape)) {
            svg += "  <polygon points=\"" + PointList(polygon->points) + "\" fill=\"" +
                   Hex(polygon->colour) + "\"" + Opacity(polygon->opacity) + "/>\n";
        } else if (const auto* ellipse = std::get_if<Ellipse>(&shape)) {
            svg += "  <ellipse cx=\"" + Number(ellipse->centre.x) + "\" cy=\"" +
                   Number(ellipse->centre.y) + "\" rx=\"" + Number(ellipse->radiusX) + "\" ry=\"" +
                   Number(ellipse->radiusY) + "\" fill=\"" + Hex(ellipse->colour) + "\"" +
                   Opacity(ellipse->opacity) + "/>\n";
        } else if (const auto* square = std::get_if<RadialSquare>(&shape)) {
            const std::string id = "face" + std::to_string(++gradients);
            svg += "  <radialGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" cx=\"" +
                   Number(square->centre.x) + "\" cy=\"" + Number(square->centre.y) + "\" r=\"" +
                   Number(square->radius) + "\">\n    <stop offset=\"0\" stop-color=\"" +
                   Hex(square->inner) + "\"/>\n    <stop offset=\"1\" stop-color=\"" +
                   Hex(square->outer) + "\"/>\n  </radialGradient>\n";
            svg += "  <rect x=\"" + Number(square->left) + "\" y=\"" + Number(square->top) +
                   "\" width=\"" + Number(square->side) + "\" height=\"" + Number(square->side) +
                   "\" fill=\"url(#" + id + ")\"/>\n";
        } else if (const auto* line = std::get_if<Line>(&shape)) {
            svg += "  <line x1=\"" + Number(line->from.x) + "\" y1=\"" + Number(line->from.y) +
                   "\" x2=\"" + Number(line->to.x) + "\" y2=\"" + Number(line->to.y) +
                   "\" stroke=\"" + Hex(line->colour) + "\" stroke-width=\"" + Number(line->width) +
                   "\" stroke-linecap=\"round\"" + Opacity(line->opacity) + "/>\n";
        }
    }
    return svg + "</svg>\n";
}

} // namespace scrivel::icon
