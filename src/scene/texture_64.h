#pragma once

#include "scene/bitmap_texture.h"

#include <string>

namespace scrivel {

// A 64 x 64 texture from the top-left corner of a bitmap, or the red and black checker; drawn
// with linear magnification.
class T64Texture : public TBitmapTexture {
public:
    static constexpr int Size = 64;

    // The path "basic" gives the checker without touching the file system.
    explicit T64Texture(const std::string& path);
};

} // namespace scrivel
