#pragma once

#include "platform/colour.h"
#include "platform/image_error.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace scrivel::platform {

enum class PixelFormat {
    Rgb24,  // opaque
    Argb32, // with alpha, stored premultiplied
};

// A picture in memory that a Canvas can draw on. Pixels are colours as one integer, in Colour's
// Windows order 0x00BBGGRR (red in the low byte), as the game reads them. Rows hold native 32-bit
// words 0xAARRGGBB (alpha unused for Rgb24, premultiplied for Argb32); NativeToColour and
// ColourToNative convert.
class Bitmap {
public:
    // Pixel and Row give this outside the picture.
    static constexpr std::uint32_t kInvalidColour = 0xFFFFFFFF;
    // Loaded pictures larger than this on a side are refused as corrupt.
    static constexpr int kMaxLoadSide = 16384;

    // An empty 0 x 0 picture.
    Bitmap();
    // A black (Rgb24) or transparent (Argb32) picture. Throws std::invalid_argument for negative
    // or too large sizes.
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Rgb24);
    ~Bitmap();
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // A Windows BMP file: 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or with bit fields,
    // bottom-up or top-down. Always Rgb24. Throws ImageError.
    static Bitmap LoadBmp(const std::string& path);
    // A baseline or progressive JPEG file, colour or grey. Always Rgb24. Throws ImageError.
    static Bitmap LoadJpeg(const std::string& path);

    // 24 bits per pixel, bottom-up; alpha is dropped. Throws ImageError.
    void SaveBmp(const std::string& path) const;
    // quality 1 to 100. Throws ImageError.
    void SaveJpeg(const std::string& path, int quality = 90) const;
    // Keeps alpha. Throws ImageError.
    void SavePng(const std::string& path) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelFormat Format() const { return format_; }

    // 0x00BBGGRR, or kInvalidColour outside the picture. Argb32 pixels are un-premultiplied.
    std::uint32_t Pixel(int x, int y) const;
    // Sets an opaque pixel; ignored outside the picture.
    void SetPixel(int x, int y, std::uint32_t colour);
    // Fills the whole picture with an opaque colour.
    void Fill(std::uint32_t colour);

    // Direct access to row y (0 <= y < Height) for bulk work: Width native words.
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;

    static constexpr std::uint32_t NativeToColour(std::uint32_t native) {
        return ((native >> 16) & 0xFFu) | (native & 0xFF00u) | ((native & 0xFFu) << 16);
    }
    static constexpr std::uint32_t ColourToNative(std::uint32_t colour) {
        return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) |
               ((colour >> 16) & 0xFFu);
    }
    static constexpr std::uint32_t Rgb(int red, int green, int blue) {
        return static_cast<std::uint32_t>(red & 0xFF) |
               (static_cast<std::uint32_t>(green & 0xFF) << 8) |
               (static_cast<std::uint32_t>(blue & 0xFF) << 16);
    }

private:
    friend class Canvas;

    // The cairo_surface_t behind the picture, for Canvas only.
    void* Surface() const { return surface_; }
    void Reset();

    void* surface_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0; // bytes between rows
    PixelFormat format_ = PixelFormat::Rgb24;
};

} // namespace scrivel::platform
