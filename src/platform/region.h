#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace scrivel::platform {

class Bitmap;
class Path;
struct PixelPoint;

// A set of pixels, as a Windows region: a 1-bit mask whose pixel (0, 0) is the top-left corner of
// the window it shapes. Pixels at negative coordinates cannot belong to it.
class Region {
public:
    // No pixel.
    Region() = default;

    // The pixels left <= x < right, top <= y < bottom (CreateRectRgn).
    static Region Rect(int left, int top, int right, int bottom);
    // The pixels the path's figures enclose, outlines included, rasterised by Cairo into an A1
    // mask. Nothing when the path holds no figure, as PathToRegion fails without a path.
    static std::optional<Region> FromPath(const Path& path);

    // The mask's extent: every pixel of the region lies inside Width x Height.
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const;
    bool IsEmpty() const;
    int PixelCount() const;

    // The pixels in both regions (CombineRgn with RGN_AND).
    Region Intersect(const Region& other) const;
    // The pixels of the region lying within frameWidth columns or frameHeight rows of a pixel
    // outside it: the band that FrameRgn paints.
    Region Frame(int frameWidth, int frameHeight) const;
    // Sets every pixel of the region inside the bitmap to an opaque colour (0x00BBGGRR).
    void Paint(Bitmap& target, std::uint32_t colour) const;

    // The mask as an X11 bitmap: rows of bytesPerRow bytes, the leftmost pixel in the lowest bit.
    std::vector<unsigned char> PackedRows(int& bytesPerRow) const;

    bool operator==(const Region& other) const;

private:
    Region(int width, int height);
    void Set(int x, int y);

    // An empty region just large enough for every point and rectangle of the path.
    static Region Bounds(const Path& path);
    // Sets the pixels that Cairo fills inside the path's figures.
    void FillFigures(const Path& path);
    // Sets every pixel a polygon's lines pass through, the closing line included: Cairo's fill
    // through pixel centres leaves out part of the outline, which belongs to a Windows region.
    void TraceOutlines(const Path& path);
    void TraceLine(PixelPoint from, PixelPoint to);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_; // one byte per pixel, row after row: 1 inside, 0 outside
};

} // namespace scrivel::platform
