#include "platform/path.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace scrivel::platform {

namespace {

// Quarter-ellipse corners as polylines: enough segments that neighbouring points are about a
// pixel apart.
void AddCorner(std::vector<Point>& points, double centreX, double centreY, double radiusX,
               double radiusY, double fromAngle) {
    const double longest = std::max(radiusX, radiusY);
    const int steps =
        std::clamp(static_cast<int>(std::ceil(longest * std::numbers::pi / 2)), 1, 64);
    for (int i = 0; i <= steps; ++i) {
        const double angle = fromAngle + (std::numbers::pi / 2) * i / steps;
        points.push_back(
            {centreX + radiusX * std::cos(angle), centreY + radiusY * std::sin(angle)});
    }
}

} // namespace

void Path::MoveTo(int x, int y) {
    Figure figure;
    figure.points.push_back({x, y});
    figures_.push_back(std::move(figure));
    open_ = true;
}

void Path::LineTo(int x, int y) {
    if (!open_) {
        MoveTo(0, 0);
    }
    figures_.back().points.push_back({x, y});
}

void Path::Rectangle(int left, int top, int right, int bottom) {
    Figure figure;
    figure.kind = Kind::Rectangle;
    figure.left = std::min(left, right);
    figure.right = std::max(left, right);
    figure.top = std::min(top, bottom);
    figure.bottom = std::max(top, bottom);
    figures_.push_back(figure);
    open_ = false;
}

void Path::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    Rectangle(left, top, right, bottom);
    Figure& figure = figures_.back();
    figure.kind = Kind::RoundRect;
    // As GDI does, an ellipse larger than the rectangle is cut down to it.
    figure.cornerWidth = std::clamp(cornerWidth, 0, figure.right - figure.left);
    figure.cornerHeight = std::clamp(cornerHeight, 0, figure.bottom - figure.top);
}

std::vector<std::vector<Point>> Path::Outlines() const {
    std::vector<std::vector<Point>> outlines;
    for (const Figure& figure : figures_) {
        std::vector<Point> points;
        if (figure.kind == Kind::Polygon) {
            for (const PixelPoint& p : figure.points) {
                points.push_back({p.x + 0.5, p.y + 0.5});
            }
        } else {
            if (figure.right <= figure.left || figure.bottom <= figure.top) {
                continue;
            }
            const double left = figure.left + 0.5;
            const double top = figure.top + 0.5;
            const double right = figure.right - 0.5;
            const double bottom = figure.bottom - 0.5;
            const double rx = figure.kind == Kind::RoundRect ? figure.cornerWidth / 2.0 : 0;
            const double ry = figure.kind == Kind::RoundRect ? figure.cornerHeight / 2.0 : 0;
            if (rx <= 0.5 || ry <= 0.5) {
                points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
            } else {
                const double ix = std::max(rx - 0.5, 0.0);
                const double iy = std::max(ry - 0.5, 0.0);
                AddCorner(points, right - ix, top + iy, ix, iy, -std::numbers::pi / 2);
                AddCorner(points, right - ix, bottom - iy, ix, iy, 0);
                AddCorner(points, left + ix, bottom - iy, ix, iy, std::numbers::pi / 2);
                AddCorner(points, left + ix, top + iy, ix, iy, std::numbers::pi);
            }
        }
        if (!points.empty()) {
            points.push_back(points.front());
            outlines.push_back(std::move(points));
        }
    }
    return outlines;
}

void StrokePath(Canvas& canvas, const Path& path, Colour colour, int penWidth) {
    if (penWidth <= 0) {
        return;
    }
    canvas.SetAntialias(Antialias::Off);
    for (const std::vector<Point>& outline : path.Outlines()) {
        if (outline.size() == 2) {
            // A single pixel: a zero-length line draws nothing with Cairo's round caps.
            canvas.FillRect(static_cast<int>(outline[0].x - penWidth / 2.0 + 0.5),
                            static_cast<int>(outline[0].y - penWidth / 2.0 + 0.5), penWidth,
                            penWidth, colour);
            continue;
        }
        canvas.DrawPolyline(outline, colour, penWidth);
    }
    canvas.SetAntialias(Antialias::On);
}

} // namespace scrivel::platform
