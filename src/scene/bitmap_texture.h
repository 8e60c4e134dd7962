#pragma once

#include "scene/gl_texture.h"
#include "scene/texel_image.h"
#include "scene/texture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivel {

// A square texture from the top-left corner of a bitmap (or a checker), uploaded once with the
// given magnification filter. T64Texture and T400Texture are its two sizes.
class TBitmapTexture : public TTexture {
public:
    TBitmapTexture(int size, MagFilter magFilter);

    // Ends the program when the bitmap is smaller than the texture or cannot be read. A larger
    // bitmap is cropped.
    void LoadFromFile(const std::string& path) override;
    void Checker(platform::Colour colour) override;
    // Uploads the pixels to a new texture (the previous one, if any, is deleted).
    unsigned BuildTexture(int components) override;
    void Bind() const override;

    // RGBA, texel (x, y) of the bitmap at byte (x * Size() + y) * 4.
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }
    int Size() const { return size_; }
    // 0 until built.
    unsigned Name() const { return name_.Name(); }

private:
    int size_;
    MagFilter magFilter_;
    std::vector<std::uint8_t> pixels_;
    GlTexture name_;
};

} // namespace scrivel
