#pragma once

#include "platform/canvas.h"

#include <vector>

namespace scrivel::platform {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// A recorded outline, as a Windows device-context path: figures added between BeginPath and
// EndPath, later filled into a Region or stroked on a Canvas.
//
// Rectangles use edge coordinates and cover the pixels left <= x < right, top <= y < bottom, as
// Windows rectangles do. Polygons (MoveTo, LineTo) join pixels: every pixel a line passes through
// belongs to the outline, so a traced chain of border pixels encloses exactly its shape.
class Path {
public:
    enum class Kind {
        Polygon,
        Rectangle,
        RoundRect,
    };

    struct Figure {
        Kind kind = Kind::Polygon;
        std::vector<PixelPoint> points; // Polygon: the pixels joined in order; closed on filling
        int left = 0;                   // Rectangle and RoundRect, normalised so left <= right
        int top = 0;
        int right = 0;
        int bottom = 0;
        int cornerWidth = 0; // RoundRect: the corner ellipse, at most the rectangle's size
        int cornerHeight = 0;
    };

    // Starts a new polygon at (x, y).
    void MoveTo(int x, int y);
    // Joins the current polygon to (x, y); without a MoveTo first, the polygon starts at (0, 0) as
    // a device context's current position does.
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    // A rectangle whose corners are quarters of an ellipse cornerWidth by cornerHeight pixels.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Clear() { figures_.clear(); }

    bool Empty() const { return figures_.empty(); }
    const std::vector<Figure>& Figures() const { return figures_; }

    // Closed outlines through the centres of the outline pixels, for stroking with a pen: a pen
    // one pixel wide then covers exactly the outline pixels of each figure.
    std::vector<std::vector<Point>> Outlines() const;

private:
    std::vector<Figure> figures_;
    bool open_ = false; // the last figure is a polygon that LineTo may extend
};

// Strokes every outline of the path with a pen of the given width (hard edges, as GDI pens).
void StrokePath(Canvas& canvas, const Path& path, Colour colour, int penWidth);

} // namespace scrivel::platform
