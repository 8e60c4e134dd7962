#include "skin/region_maker.h"

#include <array>
#include <span>

namespace scrivel {

namespace {

constexpr std::uint32_t kWhite = platform::colours::kWhite.Windows();
constexpr std::uint32_t kBlack = platform::colours::kBlack.Windows();

// Directions 1 to 8, clockwise from east on the screen (y grows downwards); index 0 unused.
constexpr std::array<int, 9> kDx = {0, 1, 1, 0, -1, -1, -1, 0, 1};
constexpr std::array<int, 9> kDy = {0, 0, 1, 1, 1, 0, -1, -1, -1};

constexpr int Opposite(int direction) {
    return (direction + 3) % 8 + 1;
}

// The directions worth trying from a pixel, by where it lies; edges and corners leave out the
// steps that would leave the bitmap.
constexpr std::array<int, 8> kInside = {1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::array<int, 8> kInsideAfter6 = {5, 4, 3, 2, 1, 8, 7, 6};
constexpr std::array<int, 8> kInsideAfter8 = {8, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 5> kTopEdge = {1, 2, 3, 4, 5};
constexpr std::array<int, 5> kRightEdge = {3, 4, 5, 6, 7};
constexpr std::array<int, 5> kBottomEdge = {1, 5, 6, 7, 8};
constexpr std::array<int, 5> kLeftEdge = {1, 2, 3, 7, 8};
constexpr std::array<int, 3> kTopLeft = {1, 2, 3};
constexpr std::array<int, 3> kTopRight = {3, 4, 5};
constexpr std::array<int, 3> kBottomRight = {5, 6, 7};
constexpr std::array<int, 3> kBottomLeft = {1, 7, 8};

// Rows tested in order, the first that fits winning, which settles masks one pixel wide or high.
std::span<const int> Candidates(int x, int y, int width, int height, int previousStep) {
    const int right = width - 1;
    const int bottom = height - 1;
    if (x > 0 && x < right && y > 0 && y < bottom) {
        if (previousStep == 6) {
            return kInsideAfter6;
        }
        if (previousStep == 8) {
            return kInsideAfter8;
        }
        return kInside;
    }
    if (y == 0 && x > 0 && x < right) {
        return kTopEdge;
    }
    if (x == right && y > 0 && y < bottom) {
        return kRightEdge;
    }
    if (y == bottom && x > 0 && x < right) {
        return kBottomEdge;
    }
    if (x == 0 && y > 0 && y < bottom) {
        return kLeftEdge;
    }
    if (x == 0 && y == 0) {
        return kTopLeft;
    }
    if (x == right && y == 0) {
        return kTopRight;
    }
    if (x == right && y == bottom) {
        return kBottomRight;
    }
    return kBottomLeft;
}

} // namespace

bool TRegionMaker::IsShape(int x, int y) const {
    // Outside the bitmap reads as not black, as GetPixel's CLR_INVALID does.
    return mask_->Pixel(x, y) == kBlack;
}

bool TRegionMaker::IsVisited(int x, int y) const {
    return visited_[static_cast<std::size_t>(y) * mask_->Width() + x] != 0;
}

void TRegionMaker::MarkVisited(int x, int y) {
    visited_[static_cast<std::size_t>(y) * mask_->Width() + x] = 1;
}

bool TRegionMaker::OnBorder(int x, int y) const {
    for (int d = 1; d <= 8; ++d) {
        if (!IsShape(x + kDx[d], y + kDy[d])) {
            return true;
        }
    }
    return false;
}

void TRegionMaker::BuildPath(platform::Bitmap& mask, platform::Path& path) {
    path.Clear();
    const int width = mask.Width();
    const int height = mask.Height();
    if (width == 0 || height == 0) {
        return; // no pixel at all, not even a top-left one to take the background from
    }
    mask_ = &mask;
    visited_.assign(static_cast<std::size_t>(width) * height, 0);
    backDirection_ = 5;

    const std::uint32_t transparent = mask.Pixel(0, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            mask.SetPixel(x, y, mask.Pixel(x, y) == transparent ? kWhite : kBlack);
        }
    }

    int x = -1;
    int y = 0;
    for (int row = 0; row < height && x < 0; ++row) {
        for (int column = 0; column < width; ++column) {
            if (IsShape(column, row)) {
                x = column;
                y = row;
                break;
            }
        }
    }
    if (x < 0) {
        mask_ = nullptr;
        visited_.clear();
        return;
    }
    const int startX = x;
    const int startY = y;
    MarkVisited(x, y);
    path.MoveTo(x, y);

    int previousStep = 0;
    for (int steps = 1; steps <= MaxSteps; ++steps) {
        int next = 0;
        for (int d : Candidates(x, y, width, height, previousStep)) {
            const int nx = x + kDx[d];
            const int ny = y + kDy[d];
            if (d != backDirection_ && IsShape(nx, ny) && !IsVisited(nx, ny) && OnBorder(nx, ny)) {
                next = d;
                break;
            }
        }
        if (next == 0) {
            break; // stuck: closed by the line back to the start
        }
        previousStep = next;
        backDirection_ = Opposite(next);
        x += kDx[next];
        y += kDy[next];
        MarkVisited(x, y);
        path.LineTo(x, y);
    }
    path.LineTo(startX, startY);

    mask_ = nullptr;
    visited_.clear();
}

} // namespace scrivel
