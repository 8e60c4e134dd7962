#include "scene/texture_64.h"

#include "platform/bitmap.h"
#include "scene/texel_image.h"

#include <GL/gl.h>

namespace scrivel {

T64Texture::T64Texture(const std::string& path) {
    if (path == "basic") {
        IsBasic = true;
        T64Texture::Checker(0xFF0000);
    } else {
        T64Texture::LoadFromFile(path);
    }
}

void T64Texture::LoadFromFile(const std::string& path) {
    const platform::Bitmap bitmap = LoadTextureBitmap(path, TexWidth, TexHeight);
    CopyTransposed(bitmap, 0, 0, TexWidth, TexHeight, Pixels.data());
}

void T64Texture::Checker(int colour) {
    FillChecker(Pixels.data(), TexWidth, TexHeight, colour);
}

unsigned T64Texture::BuildTexture(int components) {
    TextureName =
        UploadTexels(0, Pixels.data(), TexWidth, TexHeight, components, MagFilter::Linear);
    return TextureName;
}

void T64Texture::Bind() {
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, EnvMode);
    glBindTexture(GL_TEXTURE_2D, TextureName);
}

} // namespace scrivel
