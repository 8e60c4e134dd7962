#include "scene/texture_400.h"

namespace scrivel {

T400Texture::T400Texture(const std::string& path) : TBitmapTexture(Size, MagFilter::Nearest) {
    LoadFromFile(path);
}

unsigned T400Texture::BuildTexture(int components) {
    const unsigned name = TBitmapTexture::BuildTexture(components);
    SetEnvMode(TextureEnv::Modulate);
    return name;
}

} // namespace scrivel
