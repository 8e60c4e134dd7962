#pragma once

#include <string>

namespace scrivel {

// Interface shared by the scenery textures: fill a pixel array, upload it once, bind it per draw.
class TTexture {
public:
    // Texture environment modes as GL's enumerant values, the way EnvMode holds them.
    static constexpr float Replace = 7681.0f;
    static constexpr float Modulate = 8448.0f;

    virtual ~TTexture() = default;

    virtual void LoadFromFile(const std::string& /*path*/) {}
    // colour is 0xRRGGBB.
    virtual void Checker(int /*colour*/) {}
    // Uploads the pixels to a new GL texture and returns its name.
    virtual unsigned BuildTexture(int /*components*/) { return 0; }
    virtual void Bind() {}

    float EnvMode = Replace;
};

} // namespace scrivel
