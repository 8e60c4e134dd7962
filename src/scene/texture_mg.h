#pragma once

#include "platform/sheet_layout.h"
#include "scene/gl_texture.h"
#include "scene/texel_image.h"

#include <array>
#include <string>

namespace scrivel {

// The bank of 36 small textures cut from Graphics/texbank<n>_64.bmp, shared by the landscape and
// the birds.
class TTextureMg {
public:
    static constexpr platform::SheetLayout Sheet = platform::kTextureBankSheet;
    static constexpr int TileCount = Sheet.TileCount();
    static constexpr int TileSize = platform::SheetLayout::TileSize;
    // Any index outside the bank binds this tile.
    static constexpr int FallbackTile = 6;

    // folder holds Graphics/ and ends with '/'.
    TTextureMg(int bankNumber, std::string folder);

    // Loads the bank bitmap and uploads the 36 tiles. A bitmap that is not exactly 391 x 391, or
    // cannot be read, ends the program.
    void LoadBanks();
    // Binds tile index (0 to 35) for texturing with the given environment mode.
    void Bind(int index, TextureEnv mode) const;

    std::string BankPath() const;
    // The GL name of tile index (0 to 35); 0 before LoadBanks.
    unsigned TileName(int index) const;

private:
    int bankNumber_;
    std::string folder_;
    std::array<GlTexture, TileCount> tileNames_;
};

} // namespace scrivel
