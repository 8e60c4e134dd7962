#pragma once

#include "platform/bitmap.h"
#include "platform/path.h"

#include <cstdint>
#include <vector>

namespace scrivel {

// Traces the outline of the shape in a mask bitmap, pixel by pixel, as a closed path.
class TRegionMaker {
public:
    // A trace stops after this many steps, so a path has at most one segment more.
    static constexpr int MaxSteps = 5000;

    // Reduces the mask to two colours in place (pixels of its top-left pixel's colour white, all
    // others black: the shape), then leaves in path the chain of border pixels of the first shape
    // met in scan order, clockwise from its top-left pixel and closed back to it. The path is
    // emptied first and stays empty when the mask holds no shape pixel.
    void BuildPath(platform::Bitmap& mask, platform::Path& path);

private:
    bool IsShape(int x, int y) const;
    bool IsVisited(int x, int y) const;
    void MarkVisited(int x, int y);
    // A shape pixel with at least one of its eight neighbours outside the shape.
    bool OnBorder(int x, int y) const;

    int backDirection_ = 5; // from the current pixel back to the previous one
    const platform::Bitmap* mask_ = nullptr;
    std::vector<std::uint8_t> visited_; // the work bitmap: 1 where the trace has been
};

} // namespace scrivel
