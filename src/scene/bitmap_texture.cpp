#include "scene/bitmap_texture.h"

#include "platform/bitmap.h"

#include <GL/gl.h>
#include <cstddef>

namespace scrivel {

TBitmapTexture::TBitmapTexture(int size, MagFilter magFilter)
    : Pixels(static_cast<std::size_t>(size) * size * 4), TexWidth(size), TexHeight(size),
      magFilter_(magFilter) {}

void TBitmapTexture::LoadFromFile(const std::string& path) {
    const platform::Bitmap bitmap = LoadTextureBitmap(path, TexWidth, TexHeight);
    CopyTransposed(bitmap, 0, 0, TexWidth, TexHeight, Pixels.data());
}

void TBitmapTexture::Checker(int colour) {
    FillChecker(Pixels.data(), TexWidth, TexHeight, colour);
}

unsigned TBitmapTexture::BuildTexture(int components) {
    TextureName = GlTexture();
    return UploadTexels(TextureName, Pixels.data(), TexWidth, TexHeight, components, magFilter_);
}

void TBitmapTexture::Bind() {
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, EnvMode);
    glBindTexture(GL_TEXTURE_2D, TextureName.Name());
}

} // namespace scrivel
