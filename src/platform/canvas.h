#pragma once

#include "platform/colour.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel::platform {

class Bitmap;

enum class FontStyle : unsigned {
    Regular = 0,
    Bold = 1,
    Italic = 2,
    BoldItalic = 3,
};

constexpr FontStyle operator|(FontStyle a, FontStyle b) {
    return static_cast<FontStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasStyle(FontStyle style, FontStyle flag) {
    return (static_cast<unsigned>(style) & static_cast<unsigned>(flag)) != 0;
}

// A font as the game names it: a family ("Arial", "Garamond"), resolved through fontconfig.
struct Font {
    std::string name = "Arial"; // UTF-8
    int size = 10;              // points, at 96 pixels per inch as on Windows
    Colour colour;
    FontStyle style = FontStyle::Regular;
    int height = 0; // pixels; when above 0 it is used instead of size (a Windows font height)
};

struct TextSize {
    int width = 0;
    int height = 0;
};

struct Point {
    double x = 0;
    double y = 0;
};

enum class TextEncoding {
    Latin1, // the game's words and letters
    Utf8,
};

enum class Antialias {
    On,
    Off, // hard edges, only the colours drawn: masks and glyph cells
};

enum class BlitMode {
    Copy, // the source replaces the target (SRCCOPY)
    And,  // target = target AND source, per colour bit (SRCAND)
};

enum class Filter {
    Nearest,
    Smooth,
};

// Draws on a Bitmap with Cairo. Coordinates are pixels, (0, 0) at the top-left corner; x, y,
// width, height rectangles; anything outside the bitmap is clipped. Colours come with an optional
// opacity from 0 to 1. The bitmap must outlive the canvas.
class Canvas {
public:
    explicit Canvas(Bitmap& target);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() { return target_; }

    void SetAntialias(Antialias antialias);

    void FillRect(int x, int y, int width, int height, Colour colour, double opacity = 1.0);
    void DrawLine(Point from, Point to, Colour colour, double lineWidth = 1.0,
                  double opacity = 1.0);
    void DrawPolyline(const std::vector<Point>& points, Colour colour, double lineWidth = 1.0,
                      double opacity = 1.0);
    void FillPolygon(const std::vector<Point>& points, Colour colour, double opacity = 1.0);
    void FillEllipse(Point centre, double radiusX, double radiusY, Colour colour,
                     double opacity = 1.0);
    void DrawEllipse(Point centre, double radiusX, double radiusY, Colour colour,
                     double lineWidth = 1.0, double opacity = 1.0);
    // Fills the rectangle with colours blending from `from` at point a to `to` at point b.
    void FillLinearGradient(int x, int y, int width, int height, Point a, Colour from, Point b,
                            Colour to);
    // Fills the rectangle from `inner` at centre to `outer` at radius and beyond; the opacities
    // let a glow fade out over what is already drawn.
    void FillRadialGradient(int x, int y, int width, int height, Point centre, double radius,
                            Colour inner, Colour outer, double innerOpacity = 1.0,
                            double outerOpacity = 1.0);

    // Copies the whole source with its top-left corner at (x, y).
    void Draw(int x, int y, const Bitmap& source);
    // Copies the source rectangle (sx, sy, width, height) to (x, y).
    void Blit(int x, int y, const Bitmap& source, int sx, int sy, int width, int height,
              BlitMode mode = BlitMode::Copy);
    // Scales the source rectangle onto the target rectangle.
    void StretchBlit(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                     int sourceWidth, int sourceHeight, Filter filter = Filter::Smooth);

    void SetFont(const Font& font);
    const Font& GetFont() const { return font_; }
    // The family fontconfig chose for the current font ("EB Garamond" for "Garamond").
    std::string ResolvedFamily();

    // Text with its cell's top-left corner at (x, y), the baseline one ascent lower, without
    // background, like TextOut on a Windows canvas with a clear brush.
    void TextOut(int x, int y, std::string_view text, TextEncoding encoding = TextEncoding::Latin1);
    // Advance width of the text and line height of the font (ascent + descent), in whole pixels,
    // as a Windows canvas measures for centring.
    TextSize TextExtent(std::string_view text, TextEncoding encoding = TextEncoding::Latin1);
    int TextWidth(std::string_view text, TextEncoding encoding = TextEncoding::Latin1) {
        return TextExtent(text, encoding).width;
    }
    int TextHeight(std::string_view text, TextEncoding encoding = TextEncoding::Latin1) {
        return TextExtent(text, encoding).height;
    }

private:
    struct Impl;

    Bitmap& target_;
    Font font_;
    std::unique_ptr<Impl> impl_;
};

} // namespace scrivel::platform
