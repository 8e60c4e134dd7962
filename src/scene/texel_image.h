#pragma once

#include "platform/colour.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scrivel::platform {
class Bitmap;
struct SheetLayout;
} // namespace scrivel::platform

namespace scrivel {

class GlTexture;

// Helpers shared by every class that turns bitmaps into GL textures: the copy into the game's
// transposed RGBA layout and the upload with the game's parameters.

enum class MagFilter {
    Linear,
    Nearest,
};

// How a texture meets the colour under it: shown as it is, or shaded by the lighting.
enum class TextureEnv {
    Replace,
    Modulate,
};

// Loads a BMP file; a missing or unreadable file ends the program with the loader's message.
platform::Bitmap LoadBitmapOrDie(const std::string& path);

// Loads the bitmap of a single texture; one smaller than width x height ends the program.
platform::Bitmap LoadTextureBitmap(const std::string& path, int width, int height);

// Loads a sheet of tiles; a bitmap that is not exactly the layout's size ends the program with
// wrongSize, a line feed and the path.
platform::Bitmap LoadSheet(const std::string& path, const platform::SheetLayout& layout,
                           const std::string& wrongSize);

// Tile k of a sheet as RGBA texels, transposed like every texture of the game (CopyTransposed).
std::vector<std::uint8_t> CutTile(const platform::Bitmap& sheet,
                                  const platform::SheetLayout& layout, int k);

// Fills RGBA texels with stripes of 8 rows crossed with stripes of 16 columns: colour where exactly
// one of them is set, black elsewhere.
void FillChecker(std::uint8_t* texels, int width, int height, platform::Colour colour);

// Copies the width x height pixels of bitmap whose top-left corner is (left, top) into texels:
// bitmap pixel (x, y) becomes texel (x, y) at byte (x * width + y) * 4, so texture row t holds
// bitmap column t. Alpha is 255. The rectangle must lie inside the bitmap.
void CopyTransposed(const platform::Bitmap& bitmap, int left, int top, int width, int height,
                    std::uint8_t* texels);

// The reverse of CopyTransposed: paints width x height texels into the top-left corner of bitmap.
void PaintTransposed(const std::uint8_t* texels, int width, int height, platform::Bitmap& bitmap);

// Uploads RGBA texels into texture (given a name first when empty) with repeat wrapping and
// trilinear minification; more than one component builds mipmaps with that many components.
// Returns the name, which stays bound.
// Turns texturing on with the given environment mode and binds the texture name.
void BindTexture(unsigned name, TextureEnv mode);

unsigned UploadTexels(GlTexture& texture, const std::uint8_t* texels, int width, int height,
                      int components, MagFilter magFilter);

} // namespace scrivel
