#include "skin/image_list.h"

#include "platform/bitmap_copy.h"

#include <stdexcept>
#include <string>

namespace scrivel {

TImageList::TImageList(int width, int height) : width_(width), height_(height) {
    if (width < 1 || height < 1) {
        throw std::invalid_argument("TImageList: invalid image size " + std::to_string(width) +
                                    " x " + std::to_string(height));
    }
}

int TImageList::Add(const platform::Bitmap& image) {
    if (image.Width() != width_ || image.Height() != height_) {
        throw std::invalid_argument("TImageList: an image of " + std::to_string(image.Width()) +
                                    " x " + std::to_string(image.Height()) + " in a list of " +
                                    std::to_string(width_) + " x " + std::to_string(height_));
    }
    images_.push_back(platform::CopyBitmap(image));
    return Count() - 1;
}

const platform::Bitmap& TImageList::Image(int index) const {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("TImageList: no image " + std::to_string(index));
    }
    return images_[static_cast<std::size_t>(index)];
}

platform::Bitmap TImageList::GetBitmap(int index) const {
    return platform::CopyBitmap(Image(index));
}

} // namespace scrivel
