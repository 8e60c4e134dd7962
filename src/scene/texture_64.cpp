#include "scene/texture_64.h"

namespace scrivel {

T64Texture::T64Texture(const std::string& path) : TBitmapTexture(Size, MagFilter::Linear) {
    if (path == "basic") {
        Checker(0xFF0000);
    } else {
        LoadFromFile(path);
    }
}

} // namespace scrivel
