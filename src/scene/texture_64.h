#pragma once

#include "scene/texture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivel {

// A 64 x 64 texture from the top-left corner of a bitmap, or the red and black checker.
class T64Texture : public TTexture {
public:
    // The path "basic" gives the checker without touching the file system.
    explicit T64Texture(const std::string& path);

    // Ends the program when the bitmap is smaller than 64 x 64 or cannot be read.
    void LoadFromFile(const std::string& path) override;
    void Checker(int colour) override;
    unsigned BuildTexture(int components) override;
    void Bind() override;

    static constexpr int Size = 64;

    // RGBA, texel (x, y) of the bitmap at byte (x * TexWidth + y) * 4.
    std::vector<std::uint8_t> Pixels = std::vector<std::uint8_t>(Size * Size * 4);
    int TexWidth = Size;
    int TexHeight = Size;
    unsigned TextureName = 0;
    bool IsBasic = false;
};

} // namespace scrivel
