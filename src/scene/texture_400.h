#pragma once

#include "scene/texture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivel {

// A 400 x 400 texture from the top-left corner of a bitmap, drawn modulated by the lighting.
class T400Texture : public TTexture {
public:
    explicit T400Texture(const std::string& path);

    // Ends the program when the bitmap is smaller than 400 x 400 or cannot be read.
    void LoadFromFile(const std::string& path) override;
    void Checker(int colour) override;
    // Also switches EnvMode to Modulate.
    unsigned BuildTexture(int components) override;
    void Bind() override;

    static constexpr int Size = 400;

    // RGBA, texel (x, y) of the bitmap at byte (x * TexWidth + y) * 4.
    std::vector<std::uint8_t> Pixels = std::vector<std::uint8_t>(Size * Size * 4);
    int TexWidth = Size;
    int TexHeight = Size;
    unsigned TextureName = 0;
};

} // namespace scrivel
