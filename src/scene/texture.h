#pragma once

#include "scene/texel_image.h"

#include <string>

namespace scrivel {

// Interface shared by the scenery textures: fill a pixel array, upload it once, bind it per draw.
class TTexture {
public:
    virtual ~TTexture() = default;

    virtual void LoadFromFile(const std::string& /*path*/) {}
    // colour is 0xRRGGBB.
    virtual void Checker(platform::Colour /*colour*/) {}
    // Uploads the pixels to a new GL texture and returns its name.
    virtual unsigned BuildTexture(int /*components*/) { return 0; }
    // Binds the texture for drawing with its environment mode.
    virtual void Bind() const {}

    void SetEnvMode(TextureEnv mode) { envMode_ = mode; }
    TextureEnv EnvMode() const { return envMode_; }

private:
    TextureEnv envMode_ = TextureEnv::Replace;
};

} // namespace scrivel
