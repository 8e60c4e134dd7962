#include "scene/texel_image.h"

#include "platform/bitmap.h"
#include "platform/fatal.h"
#include "platform/sheet_layout.h"
#include "scene/gl_texture.h"
#include "texts/platform_words.h"
#include "texts/texts.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cstddef>

namespace scrivel {

platform::Bitmap LoadBitmapOrDie(const std::string& path) {
    try {
        return platform::Bitmap::LoadBmp(path);
    } catch (const platform::ImageError& error) {
        // The scene cannot be drawn without its pictures; say which one and stop.
        platform::Fatal(texts::ImageMessage(error));
    }
}

platform::Bitmap LoadTextureBitmap(const std::string& path, int width, int height) {
    platform::Bitmap bitmap = LoadBitmapOrDie(path);
    if (bitmap.Width() < width || bitmap.Height() < height) {
        platform::Fatal(std::string(texts::Text(texts::TextId::TextureBitmapTooSmall)) + "\n" +
                        path);
    }
    return bitmap;
}

platform::Bitmap LoadSheet(const std::string& path, const platform::SheetLayout& layout,
                           const std::string& wrongSize) {
    platform::Bitmap sheet = LoadBitmapOrDie(path);
    if (sheet.Width() != layout.Width() || sheet.Height() != layout.Height()) {
        platform::Fatal(wrongSize + "\n" + path);
    }
    return sheet;
}

std::vector<std::uint8_t> CutTile(const platform::Bitmap& sheet,
                                  const platform::SheetLayout& layout, int k) {
    constexpr int side = platform::SheetLayout::TileSize;
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(side) * side * 4);
    CopyTransposed(sheet, layout.TileLeft(k), layout.TileTop(k), side, side, texels.data());
    return texels;
}

void FillChecker(std::uint8_t* texels, int width, int height, platform::Colour colour) {
    for (int i = 0; i < height; ++i) {
        for (int j = 0; j < width; ++j) {
            const bool on = ((i & 8) != 0) != ((j & 16) != 0);
            std::uint8_t* texel = texels + (static_cast<std::size_t>(i) * width + j) * 4;
            texel[0] = on ? colour.r : 0;
            texel[1] = on ? colour.g : 0;
            texel[2] = on ? colour.b : 0;
            texel[3] = 255;
        }
    }
}

void CopyTransposed(const platform::Bitmap& bitmap, int left, int top, int width, int height,
                    std::uint8_t* texels) {
    // Row by row through the bitmap, scattering into texture columns: one pass over the source
    // memory, no per-pixel calls.
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = bitmap.Row(top + y) + left;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t native = row[x]; // 0xAARRGGBB
            std::uint8_t* texel = texels + (static_cast<std::size_t>(x) * width + y) * 4;
            texel[0] = static_cast<std::uint8_t>(native >> 16);
            texel[1] = static_cast<std::uint8_t>(native >> 8);
            texel[2] = static_cast<std::uint8_t>(native);
            texel[3] = 255;
        }
    }
}

void PaintTransposed(const std::uint8_t* texels, int width, int height, platform::Bitmap& bitmap) {
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* texel = texels + (static_cast<std::size_t>(x) * width + y) * 4;
            row[x] = 0xFF000000u | static_cast<std::uint32_t>(texel[0]) << 16 |
                     static_cast<std::uint32_t>(texel[1]) << 8 | texel[2];
        }
    }
}

namespace {

GLint GlEnvMode(TextureEnv mode) {
    switch (mode) {
    case TextureEnv::Modulate:
        return GL_MODULATE;
    case TextureEnv::Replace:
        break;
    }
    return GL_REPLACE;
}

} // namespace

void BindTexture(unsigned name, TextureEnv mode) {
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GlEnvMode(mode));
    glBindTexture(GL_TEXTURE_2D, name);
}

unsigned UploadTexels(GlTexture& texture, const std::uint8_t* texels, int width, int height,
                      int components, MagFilter magFilter) {
    const int used = std::min(components, 3);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const unsigned name = texture.Generate();
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                    magFilter == MagFilter::Linear ? GL_LINEAR : GL_NEAREST);
    if (used > 1) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        gluBuild2DMipmaps(GL_TEXTURE_2D, used, width, height, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    } else {
        // A single level with a mipmapping filter would leave the texture incomplete, and GL
        // would draw as if texturing were off.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     texels);
    }
    return name;
}

} // namespace scrivel
