#include "scene/bitmap_texture.h"

#include "platform/bitmap.h"

#include <cstddef>

namespace scrivel {

TBitmapTexture::TBitmapTexture(int size, MagFilter magFilter)
    : size_(size), magFilter_(magFilter), pixels_(static_cast<std::size_t>(size) * size * 4) {}

void TBitmapTexture::LoadFromFile(const std::string& path) {
    const platform::Bitmap bitmap = LoadTextureBitmap(path, size_, size_);
    CopyTransposed(bitmap, 0, 0, size_, size_, pixels_.data());
}

void TBitmapTexture::Checker(platform::Colour colour) {
    FillChecker(pixels_.data(), size_, size_, colour);
}

unsigned TBitmapTexture::BuildTexture(int components) {
    name_ = GlTexture();
    return UploadTexels(name_, pixels_.data(), size_, size_, components, magFilter_);
}

void TBitmapTexture::Bind() const {
    BindTexture(name_.Name(), EnvMode());
}

} // namespace scrivel
