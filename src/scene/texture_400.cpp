#include "scene/texture_400.h"

#include "platform/bitmap.h"
#include "scene/texel_image.h"

#include <GL/gl.h>

namespace scrivel {

T400Texture::T400Texture(const std::string& path) {
    T400Texture::LoadFromFile(path);
}

void T400Texture::LoadFromFile(const std::string& path) {
    const platform::Bitmap bitmap = LoadTextureBitmap(path, TexWidth, TexHeight);
    CopyTransposed(bitmap, 0, 0, TexWidth, TexHeight, Pixels.data());
}

void T400Texture::Checker(int colour) {
    FillChecker(Pixels.data(), TexWidth, TexHeight, colour);
}

unsigned T400Texture::BuildTexture(int components) {
    TextureName =
        UploadTexels(0, Pixels.data(), TexWidth, TexHeight, components, MagFilter::Nearest);
    EnvMode = Modulate;
    return TextureName;
}

void T400Texture::Bind() {
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, EnvMode);
    glBindTexture(GL_TEXTURE_2D, TextureName);
}

} // namespace scrivel
