#include "platform/region.h"

#include "platform/bitmap.h"
#include "platform/path.h"

#include <algorithm>
#include <bit>
#include <cairo.h>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

namespace scrivel::platform {

namespace {

// Regions are never larger than an X11 window can be.
constexpr int kMaxSide = 32767;

int Extent(int value) {
    return std::clamp(value, 0, kMaxSide);
}

// Owns an A1 image surface and its context.
class MaskSurface {
public:
    MaskSurface(int width, int height)
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_A1, width, height)),
          cr_(cairo_create(surface_)) {
        if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
            throw std::bad_alloc();
        }
        cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
        cairo_set_source_rgba(cr_, 0, 0, 0, 1);
    }
    ~MaskSurface() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
    }
    MaskSurface(const MaskSurface&) = delete;
    MaskSurface& operator=(const MaskSurface&) = delete;

    cairo_t* Context() { return cr_; }

    void Flush() { cairo_surface_flush(surface_); }

    // Flush first.
    bool Bit(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        const auto* word = reinterpret_cast<const std::uint32_t*>(data + y * stride) + x / 32;
        // Cairo's A1 pixels sit in native 32-bit words, the first pixel in the lowest bit on a
        // little-endian machine and in the highest on a big-endian one.
        const int bit = std::endian::native == std::endian::little ? x % 32 : 31 - x % 32;
        return ((*word >> bit) & 1u) != 0;
    }

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void AddRoundRect(cairo_t* cr, const Path::Figure& figure) {
    const double rx = figure.cornerWidth / 2.0;
    const double ry = figure.cornerHeight / 2.0;
    const double left = figure.left;
    const double top = figure.top;
    const double right = figure.right;
    const double bottom = figure.bottom;
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, left, top, right - left, bottom - top);
        return;
    }
    auto corner = [cr, rx, ry](double cx, double cy, double from) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, from, from + std::numbers::pi / 2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(right - rx, top + ry, -std::numbers::pi / 2);
    corner(right - rx, bottom - ry, 0);
    corner(left + rx, bottom - ry, std::numbers::pi / 2);
    corner(left + rx, top + ry, std::numbers::pi);
    cairo_close_path(cr);
}

} // namespace

Region::Region(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

void Region::Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<std::size_t>(y) * width_ + x] = 1;
    }
}

Region Region::Rect(int left, int top, int right, int bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    Region region(Extent(right), Extent(bottom));
    for (int y = std::max(top, 0); y < region.height_; ++y) {
        for (int x = std::max(left, 0); x < region.width_; ++x) {
            region.Set(x, y);
        }
    }
    return region;
}

std::optional<Region> Region::FromPath(const Path& path) {
    if (path.Empty()) {
        return std::nullopt;
    }
    Region region = Bounds(path);
    if (region.width_ == 0 || region.height_ == 0) {
        return region;
    }
    region.FillFigures(path);
    region.TraceOutlines(path);
    return region;
}

Region Region::Bounds(const Path& path) {
    int width = 0;
    int height = 0;
    for (const Path::Figure& figure : path.Figures()) {
        if (figure.kind == Path::Kind::Polygon) {
            for (const PixelPoint& p : figure.points) {
                width = std::max(width, p.x + 1);
                height = std::max(height, p.y + 1);
            }
        } else {
            width = std::max(width, figure.right);
            height = std::max(height, figure.bottom);
        }
    }
    return Region(Extent(width), Extent(height));
}

void Region::FillFigures(const Path& path) {
    MaskSurface mask(width_, height_);
    cairo_t* cr = mask.Context();
    for (const Path::Figure& figure : path.Figures()) {
        if (figure.kind == Path::Kind::Polygon) {
            // Through pixel centres: the inside is filled here, the outline pixels traced apart.
            cairo_new_sub_path(cr);
            for (const PixelPoint& p : figure.points) {
                cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
            }
            cairo_close_path(cr);
        } else if (figure.right > figure.left && figure.bottom > figure.top) {
            AddRoundRect(cr, figure);
        }
    }
    cairo_fill(cr);
    mask.Flush();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (mask.Bit(x, y)) {
                Set(x, y);
            }
        }
    }
}

void Region::TraceOutlines(const Path& path) {
    for (const Path::Figure& figure : path.Figures()) {
        if (figure.kind != Path::Kind::Polygon) {
            continue;
        }
        const std::size_t count = figure.points.size();
        for (std::size_t i = 0; i < count; ++i) {
            TraceLine(figure.points[i], figure.points[(i + 1) % count]);
        }
    }
}

void Region::TraceLine(PixelPoint from, PixelPoint to) {
    // Bresenham, both ends included.
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Set(from.x, from.y);
        if (from == to) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            from.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            from.y += sy;
        }
    }
}

bool Region::Contains(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ &&
           pixels_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

bool Region::IsEmpty() const {
    return PixelCount() == 0;
}

int Region::PixelCount() const {
    return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), std::uint8_t{1}));
}

Region Region::Intersect(const Region& other) const {
    Region result(std::min(width_, other.width_), std::min(height_, other.height_));
    for (int y = 0; y < result.height_; ++y) {
        for (int x = 0; x < result.width_; ++x) {
            if (Contains(x, y) && other.Contains(x, y)) {
                result.Set(x, y);
            }
        }
    }
    return result;
}

Region Region::Frame(int frameWidth, int frameHeight) const {
    Region result(width_, height_);
    if (frameWidth <= 0 && frameHeight <= 0) {
        return result;
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!Contains(x, y)) {
                continue;
            }
            bool edge = false;
            for (int d = 1; d <= frameWidth && !edge; ++d) {
                edge = !Contains(x - d, y) || !Contains(x + d, y);
            }
            for (int d = 1; d <= frameHeight && !edge; ++d) {
                edge = !Contains(x, y - d) || !Contains(x, y + d);
            }
            if (edge) {
                result.Set(x, y);
            }
        }
    }
    return result;
}

void Region::Paint(Bitmap& target, std::uint32_t colour) const {
    const int width = std::min(width_, target.Width());
    const int height = std::min(height_, target.Height());
    const std::uint32_t native = Bitmap::ColourToNative(colour);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = target.Row(y);
        for (int x = 0; x < width; ++x) {
            if (Contains(x, y)) {
                row[x] = native;
            }
        }
    }
}

std::vector<unsigned char> Region::PackedRows(int& bytesPerRow) const {
    bytesPerRow = (width_ + 7) / 8;
    std::vector<unsigned char> rows(static_cast<std::size_t>(bytesPerRow) * height_, 0);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (Contains(x, y)) {
                rows[static_cast<std::size_t>(y) * bytesPerRow + x / 8] |=
                    static_cast<unsigned char>(1u << (x % 8));
            }
        }
    }
    return rows;
}

bool Region::operator==(const Region& other) const {
    const int width = std::max(width_, other.width_);
    const int height = std::max(height_, other.height_);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (Contains(x, y) != other.Contains(x, y)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace scrivel::platform
