#include "scene/texture_mg.h"

#include "platform/bitmap.h"
#include "scene/texel_image.h"
#include "texts/texts.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

TTextureMg::TTextureMg(int bankNumber, std::string folder)
    : BankNumber(bankNumber), folder_(std::move(folder)) {
    for (Tile& tile : Tiles) {
        tile.assign(TileSize * TileSize * 4, 0);
    }
}

std::string TTextureMg::BankPath() const {
    return folder_ + "Graphics/texbank" + std::to_string(BankNumber) + "_64.bmp";
}

void TTextureMg::LoadTiles(const std::string& path) {
    const platform::Bitmap sheet =
        LoadSheet(path, Sheet, texts::Text(texts::TextId::BankBitmapWrong));
    for (int k = 0; k < TileCount; ++k) {
        Tiles[k] = CutTile(sheet, Sheet, k);
    }
}

void TTextureMg::LoadBanks() {
    LoadTiles(BankPath());
    for (int k = 0; k < TileCount; ++k) {
        currentName_ =
            UploadTexels(TileNames[k], Tiles[k].data(), TileSize, TileSize, 3, MagFilter::Linear);
    }
}

void TTextureMg::Bind(int index, float mode) {
    const int tile = index >= 0 && index < TileCount ? index : FallbackTile;
    currentName_ = TileNames[tile].Name();
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
    glBindTexture(GL_TEXTURE_2D, currentName_);
}

} // namespace scrivel
