#pragma once

#include "platform/sheet_layout.h"
#include "scene/gl_texture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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
    // Cuts the tiles out of a bank bitmap without uploading them.
    void LoadTiles(const std::string& path);
    // Binds tile index (0 to 35) for texturing with the given environment mode.
    void Bind(int index, float mode);

    std::string BankPath() const;
    // The name bound last (also set by each upload).
    unsigned CurrentName() const { return currentName_; }

    using Tile = std::vector<std::uint8_t>;

    float TileWidth = TileSize;
    float TileHeight = TileSize;
    // RGBA, the bank's tile k transposed like every texture of the game.
    std::array<Tile, TileCount> Tiles;
    std::array<GlTexture, TileCount> TileNames;
    int BankNumber = 1;

private:
    unsigned currentName_ = 0;
    std::string folder_;
};

} // namespace scrivel
