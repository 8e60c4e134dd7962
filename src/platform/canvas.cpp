#include "platform/canvas.h"

#include "platform/bitmap.h"
#include "platform/file_system.h"
#include "platform/utf8.h"

#include <algorithm>
#include <cairo-ft.h>
#include <cairo.h>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <numbers>
#include <stdexcept>

namespace scrivel::platform {

namespace {

cairo_surface_t* AsSurface(void* surface) {
    return static_cast<cairo_surface_t*>(surface);
}

double Red(Colour colour) {
    return colour.r / 255.0;
}
double Green(Colour colour) {
    return colour.g / 255.0;
}
double Blue(Colour colour) {
    return colour.b / 255.0;
}

// Windows turns points into a pixel height with MulDiv(points, 96, 72), which rounds.
int PointsToPixels(int points) {
    return std::max(1, (points * 96 + 36) / 72);
}

// Cairo puts its context in a permanent error state on malformed UTF-8, after which nothing
// draws: every invalid sequence becomes '?' first.
std::string ToUtf8(std::string_view text, TextEncoding encoding) {
    return encoding == TextEncoding::Latin1 ? Latin1ToUtf8(text) : SanitiseUtf8(text);
}

} // namespace

struct Canvas::Impl {
    cairo_surface_t* surface = nullptr; // owned by the bitmap
    cairo_t* cr = nullptr;
    Antialias antialias = Antialias::On;

    // The current font, resolved on first use after SetFont.
    bool fontReady = false;
    FcPattern* match = nullptr;
    cairo_font_face_t* face = nullptr;
    double ascent = 0;
    double descent = 0;

    explicit Impl(cairo_surface_t* target) : surface(target) { CreateContext(); }
    ~Impl() {
        ReleaseFont();
        cairo_destroy(cr);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void CreateContext() {
        if (cr != nullptr) {
            cairo_destroy(cr);
        }
        cr = cairo_create(surface);
        ApplyAntialias();
        fontReady = false;
    }

    void ApplyAntialias() {
        cairo_set_antialias(cr, antialias == Antialias::On ? CAIRO_ANTIALIAS_GRAY
                                                           : CAIRO_ANTIALIAS_NONE);
    }

    void ReleaseFont() {
        if (face != nullptr) {
            cairo_font_face_destroy(face);
            face = nullptr;
        }
        if (match != nullptr) {
            FcPatternDestroy(match);
            match = nullptr;
        }
        fontReady = false;
    }

    cairo_font_options_t* FontOptions() const {
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(
            options, antialias == Antialias::On ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        return options;
    }

    void EnsureFont(const Font& font) {
        if (fontReady) {
            return;
        }
        ReleaseFont();
        const int pixels = font.height > 0 ? font.height : PointsToPixels(font.size);
        cairo_font_options_t* options = FontOptions();

        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.name.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT,
                            HasStyle(font.style, FontStyle::Bold) ? FC_WEIGHT_BOLD
                                                                  : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT,
                            HasStyle(font.style, FontStyle::Italic) ? FC_SLANT_ITALIC
                                                                    : FC_SLANT_ROMAN);
        FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        cairo_ft_font_options_substitute(options, pattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);

        if (match != nullptr) {
            face = cairo_ft_font_face_create_for_pattern(match);
        } else {
            // No font at all on the machine: let Cairo pick its built-in fallback.
            face = cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                              CAIRO_FONT_WEIGHT_NORMAL);
        }
        cairo_set_font_face(cr, face);
        cairo_set_font_size(cr, pixels);
        cairo_set_font_options(cr, options);
        cairo_font_options_destroy(options);

        cairo_font_extents_t extents{};
        cairo_font_extents(cr, &extents);
        ascent = extents.ascent;
        descent = extents.descent;
        fontReady = true;
    }

    void SetSource(Colour colour, double opacity) {
        cairo_set_source_rgba(cr, Red(colour), Green(colour), Blue(colour), opacity);
    }

    // Brackets each drawing call: direct pixel writes made through the Bitmap since the last call
    // are announced to Cairo first, and Cairo's drawing is finished before the caller reads pixels
    // again. A context left in an error state is replaced, so one bad call never disables the
    // canvas.
    class Operation {
    public:
        explicit Operation(Impl& impl) : impl_(impl) {
            cairo_surface_mark_dirty(impl_.surface);
            cairo_save(impl_.cr);
        }
        ~Operation() {
            cairo_restore(impl_.cr);
            cairo_surface_flush(impl_.surface);
            if (cairo_status(impl_.cr) != CAIRO_STATUS_SUCCESS) {
                impl_.CreateContext();
            }
        }
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        Impl& impl_;
    };
};

Canvas::Canvas(Bitmap& target) : target_(target) {
    if (target.Surface() == nullptr) {
        throw std::invalid_argument("Canvas: the bitmap has been moved from");
    }
    impl_ = std::make_unique<Impl>(AsSurface(target.Surface()));
}

Canvas::~Canvas() = default;

void Canvas::SetAntialias(Antialias antialias) {
    if (impl_->antialias == antialias) {
        return;
    }
    impl_->antialias = antialias;
    impl_->ApplyAntialias();
    impl_->fontReady = false;
}

void Canvas::FillRect(int x, int y, int width, int height, Colour colour, double opacity) {
    if (width <= 0 || height <= 0) {
        return;
    }
    Impl::Operation operation(*impl_);
    impl_->SetSource(colour, opacity);
    cairo_rectangle(impl_->cr, x, y, width, height);
    cairo_fill(impl_->cr);
}

void Canvas::DrawLine(Point from, Point to, Colour colour, double lineWidth, double opacity) {
    DrawPolyline({from, to}, colour, lineWidth, opacity);
}

void Canvas::DrawPolyline(const std::vector<Point>& points, Colour colour, double lineWidth,
                          double opacity) {
    if (points.size() < 2) {
        return;
    }
    Impl::Operation operation(*impl_);
    impl_->SetSource(colour, opacity);
    cairo_set_line_width(impl_->cr, lineWidth);
    cairo_set_line_cap(impl_->cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(impl_->cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(impl_->cr, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        cairo_line_to(impl_->cr, points[i].x, points[i].y);
    }
    cairo_stroke(impl_->cr);
}

void Canvas::FillPolygon(const std::vector<Point>& points, Colour colour, double opacity) {
    if (points.size() < 3) {
        return;
    }
    Impl::Operation operation(*impl_);
    impl_->SetSource(colour, opacity);
    cairo_move_to(impl_->cr, points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        cairo_line_to(impl_->cr, points[i].x, points[i].y);
    }
    cairo_close_path(impl_->cr);
    cairo_fill(impl_->cr);
}

namespace {

void EllipsePath(cairo_t* cr, Point centre, double radiusX, double radiusY) {
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, radiusX, radiusY);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
}

} // namespace

void Canvas::FillEllipse(Point centre, double radiusX, double radiusY, Colour colour,
                         double opacity) {
    if (!(radiusX > 0) || !(radiusY > 0)) {
        return;
    }
    Impl::Operation operation(*impl_);
    impl_->SetSource(colour, opacity);
    EllipsePath(impl_->cr, centre, radiusX, radiusY);
    cairo_fill(impl_->cr);
}

void Canvas::DrawEllipse(Point centre, double radiusX, double radiusY, Colour colour,
                         double lineWidth, double opacity) {
    if (!(radiusX > 0) || !(radiusY > 0)) {
        return;
    }
    Impl::Operation operation(*impl_);
    impl_->SetSource(colour, opacity);
    cairo_save(impl_->cr);
    EllipsePath(impl_->cr, centre, radiusX, radiusY);
    cairo_restore(impl_->cr); // stroke with an unscaled pen
    cairo_set_line_width(impl_->cr, lineWidth);
    cairo_stroke(impl_->cr);
}

void Canvas::FillLinearGradient(int x, int y, int width, int height, Point a, Colour from, Point b,
                                Colour to) {
    if (width <= 0 || height <= 0) {
        return;
    }
    Impl::Operation operation(*impl_);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(a.x, a.y, b.x, b.y);
    cairo_pattern_add_color_stop_rgb(gradient, 0, Red(from), Green(from), Blue(from));
    cairo_pattern_add_color_stop_rgb(gradient, 1, Red(to), Green(to), Blue(to));
    cairo_pattern_set_extend(gradient, CAIRO_EXTEND_PAD);
    cairo_set_source(impl_->cr, gradient);
    cairo_rectangle(impl_->cr, x, y, width, height);
    cairo_fill(impl_->cr);
    cairo_pattern_destroy(gradient);
}

void Canvas::FillRadialGradient(int x, int y, int width, int height, Point centre, double radius,
                                Colour inner, Colour outer, double innerOpacity,
                                double outerOpacity) {
    if (width <= 0 || height <= 0 || !(radius > 0)) {
        return;
    }
    Impl::Operation operation(*impl_);
    cairo_pattern_t* gradient =
        cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius);
    cairo_pattern_add_color_stop_rgba(gradient, 0, Red(inner), Green(inner), Blue(inner),
                                      innerOpacity);
    cairo_pattern_add_color_stop_rgba(gradient, 1, Red(outer), Green(outer), Blue(outer),
                                      outerOpacity);
    cairo_pattern_set_extend(gradient, CAIRO_EXTEND_PAD);
    cairo_set_source(impl_->cr, gradient);
    cairo_rectangle(impl_->cr, x, y, width, height);
    cairo_fill(impl_->cr);
    cairo_pattern_destroy(gradient);
}

void Canvas::Draw(int x, int y, const Bitmap& source) {
    Blit(x, y, source, 0, 0, source.Width(), source.Height());
}

void Canvas::Blit(int x, int y, const Bitmap& source, int sx, int sy, int width, int height,
                  BlitMode mode) {
    // Clip the source rectangle to the source, then the result to the target.
    if (sx < 0) {
        x -= sx;
        width += sx;
        sx = 0;
    }
    if (sy < 0) {
        y -= sy;
        height += sy;
        sy = 0;
    }
    width = std::min(width, source.Width() - sx);
    height = std::min(height, source.Height() - sy);
    if (width <= 0 || height <= 0 || source.Surface() == nullptr) {
        return;
    }
    if (mode == BlitMode::Copy) {
        Impl::Operation operation(*impl_);
        cairo_surface_mark_dirty(AsSurface(source.Surface()));
        cairo_set_operator(impl_->cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(impl_->cr, AsSurface(source.Surface()), x - sx, y - sy);
        cairo_rectangle(impl_->cr, x, y, width, height);
        cairo_fill(impl_->cr);
        return;
    }
    // Cairo has no raster operations: AND the words ourselves, keeping the target's alpha.
    cairo_surface_flush(impl_->surface);
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, target_.Width());
    const int bottom = std::min(y + height, target_.Height());
    for (int row = top; row < bottom; ++row) {
        std::uint32_t* to = target_.Row(row);
        const std::uint32_t* from = source.Row(row - y + sy);
        for (int column = left; column < right; ++column) {
            to[column] &= from[column - x + sx] | 0xFF000000u;
        }
    }
    cairo_surface_mark_dirty(impl_->surface);
}

void Canvas::StretchBlit(int x, int y, int width, int height, const Bitmap& source, int sx, int sy,
                         int sourceWidth, int sourceHeight, Filter filter) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || sx < 0 || sy < 0 ||
        sx + sourceWidth > source.Width() || sy + sourceHeight > source.Height() ||
        source.Surface() == nullptr) {
        return;
    }
    Impl::Operation operation(*impl_);
    cairo_surface_t* part = cairo_surface_create_for_rectangle(AsSurface(source.Surface()), sx, sy,
                                                               sourceWidth, sourceHeight);
    cairo_rectangle(impl_->cr, x, y, width, height);
    cairo_clip(impl_->cr);
    cairo_translate(impl_->cr, x, y);
    cairo_scale(impl_->cr, static_cast<double>(width) / sourceWidth,
                static_cast<double>(height) / sourceHeight);
    cairo_set_source_surface(impl_->cr, part, 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(impl_->cr);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern,
                             filter == Filter::Nearest ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_set_operator(impl_->cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(impl_->cr);
    cairo_surface_destroy(part);
}

void Canvas::SetFont(const Font& font) {
    if (font.name != font_.name || font.size != font_.size || font.style != font_.style ||
        font.height != font_.height) {
        impl_->fontReady = false;
    }
    font_ = font;
}

std::string Canvas::ResolvedFamily() {
    impl_->EnsureFont(font_);
    FcChar8* family = nullptr;
    if (impl_->match == nullptr ||
        FcPatternGetString(impl_->match, FC_FAMILY, 0, &family) != FcResultMatch) {
        return {};
    }
    return reinterpret_cast<const char*>(family);
}

void Canvas::TextOut(int x, int y, std::string_view text, TextEncoding encoding) {
    const std::string utf8 = ToUtf8(text, encoding);
    if (utf8.empty()) {
        return;
    }
    impl_->EnsureFont(font_);
    Impl::Operation operation(*impl_);
    impl_->SetSource(font_.colour, 1.0);
    cairo_move_to(impl_->cr, x, y + std::round(impl_->ascent));
    cairo_show_text(impl_->cr, utf8.c_str());
}

TextSize Canvas::TextExtent(std::string_view text, TextEncoding encoding) {
    impl_->EnsureFont(font_);
    TextSize size;
    size.height = static_cast<int>(std::lround(impl_->ascent + impl_->descent));
    const std::string utf8 = ToUtf8(text, encoding);
    if (!utf8.empty()) {
        cairo_text_extents_t extents{};
        cairo_text_extents(impl_->cr, utf8.c_str(), &extents);
        size.width = static_cast<int>(std::lround(extents.x_advance));
    }
    return size;
}

} // namespace scrivel::platform
