#include "scene/texture_64.h"

namespace scrivel {

T64Texture::T64Texture(const std::string& path) : TBitmapTexture(Size, MagFilter::Linear) {
    if (path == "basic") {
        Checker(platform::Colour{255, 0, 0});
    } else {
        LoadFromFile(path);
    }
}

} // namespace scrivel
