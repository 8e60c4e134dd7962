#pragma once

#include "scene/bitmap_texture.h"

#include <string>

namespace scrivel {

// A 400 x 400 texture from the top-left corner of a bitmap, magnified without smoothing and drawn
// modulated by the lighting (the ground plate, the volcano).
class T400Texture : public TBitmapTexture {
public:
    static constexpr int Size = 400;

    explicit T400Texture(const std::string& path);

    // Also switches the environment mode to modulate.
    unsigned BuildTexture(int components) override;
};

} // namespace scrivel
