#include "platform/bitmap.h"

#include <cairo.h>
#include <cstring>
#include <new>
#include <utility>

namespace scrivel::platform {

namespace {

// Cairo refuses image surfaces beyond this on a side.
constexpr int kCairoMaxSide = 32767;

cairo_surface_t* AsSurface(void* surface) {
    return static_cast<cairo_surface_t*>(surface);
}

std::uint8_t Unpremultiply(std::uint32_t channel, std::uint32_t alpha) {
    return static_cast<std::uint8_t>((channel * 255 + alpha / 2) / alpha);
}

} // namespace

Bitmap::Bitmap() : Bitmap(0, 0) {}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
    if (width < 0 || height < 0 || width > kCairoMaxSide || height > kCairoMaxSide) {
        throw std::invalid_argument("Bitmap: invalid size " + std::to_string(width) + " x " +
                                    std::to_string(height));
    }
    const cairo_format_t cairoFormat =
        format == PixelFormat::Argb32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24;
    cairo_surface_t* surface = cairo_image_surface_create(cairoFormat, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        throw std::bad_alloc();
    }
    surface_ = surface;
    width_ = width;
    height_ = height;
    stride_ = cairo_image_surface_get_stride(surface);
    // Cairo clears new surfaces to 0: black for Rgb24, transparent for Argb32.
}

Bitmap::~Bitmap() {
    Reset();
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)), width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)), stride_(std::exchange(other.stride_, 0)),
      format_(other.format_) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        Reset();
        surface_ = std::exchange(other.surface_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        stride_ = std::exchange(other.stride_, 0);
        format_ = other.format_;
    }
    return *this;
}

void Bitmap::Reset() {
    if (surface_ != nullptr) {
        cairo_surface_destroy(AsSurface(surface_));
        surface_ = nullptr;
    }
    width_ = height_ = stride_ = 0;
}

std::uint32_t* Bitmap::Row(int y) {
    unsigned char* data = cairo_image_surface_get_data(AsSurface(surface_));
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride_);
}

const std::uint32_t* Bitmap::Row(int y) const {
    const unsigned char* data = cairo_image_surface_get_data(AsSurface(surface_));
    return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride_);
}

std::uint32_t Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return kInvalidColour;
    }
    const std::uint32_t native = Row(y)[x];
    if (format_ == PixelFormat::Rgb24) {
        return NativeToColour(native);
    }
    const std::uint32_t alpha = native >> 24;
    if (alpha == 0) {
        return 0;
    }
    if (alpha == 0xFF) {
        return NativeToColour(native);
    }
    return Rgb(Unpremultiply((native >> 16) & 0xFF, alpha),
               Unpremultiply((native >> 8) & 0xFF, alpha), Unpremultiply(native & 0xFF, alpha));
}

void Bitmap::SetPixel(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    Row(y)[x] = ColourToNative(colour);
}

void Bitmap::Fill(std::uint32_t colour) {
    const std::uint32_t native = ColourToNative(colour);
    for (int y = 0; y < height_; ++y) {
        std::uint32_t* row = Row(y);
        for (int x = 0; x < width_; ++x) {
            row[x] = native;
        }
    }
}

void Bitmap::SavePng(const std::string& path) const {
    cairo_surface_t* surface = AsSurface(surface_);
    if (surface == nullptr || width_ == 0 || height_ == 0) {
        throw ImageError(ImageFault::SaveEmpty, path);
    }
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw ImageError(ImageFault::CannotWritePng, path);
    }
}

} // namespace scrivel::platform
