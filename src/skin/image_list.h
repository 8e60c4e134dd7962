#pragma once

#include "platform/bitmap.h"

#include <vector>

namespace scrivel {

// An ordered set of pictures of one size, from which controls take their glyphs by index.
class TImageList {
public:
    // Throws std::invalid_argument for a size below 1.
    TImageList(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }

    // Appends a copy of the picture and returns its index. Throws std::invalid_argument when its
    // size is not the list's.
    int Add(const platform::Bitmap& image);
    // Image index, 0 <= index < Count(); throws std::out_of_range otherwise.
    const platform::Bitmap& Image(int index) const;
    // A new bitmap holding image index.
    platform::Bitmap GetBitmap(int index) const;

private:
    int width_;
    int height_;
    std::vector<platform::Bitmap> images_;
};

} // namespace scrivel
