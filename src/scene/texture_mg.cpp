#include "scene/texture_mg.h"

#include "platform/bitmap.h"
#include "platform/fatal.h"
#include "platform/file_system.h"
#include "scene/texel_image.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

TTextureMg::TTextureMg(int bankNumber, std::string folder)
    : BankNumber(bankNumber), folder_(std::move(folder)) {
    if (folder_.empty()) {
        folder_ = platform::ExecutableFolder();
    }
    for (Tile& tile : Tiles) {
        tile.assign(TileSize * TileSize * 4, 0);
    }
}

std::string TTextureMg::BankPath() const {
    return folder_ + "Graphics/texbank" + std::to_string(BankNumber) + "_64.bmp";
}

void TTextureMg::LoadTiles(const std::string& path) {
    const platform::Bitmap bitmap = LoadBitmapOrDie(path);
    if (bitmap.Width() != BankSide || bitmap.Height() != BankSide) {
        platform::Fatal("Bitmap incorrect pour une banque :\n" + path);
    }
    for (int k = 0; k < TileCount; ++k) {
        const int left = (k % BankColumns) * (TileSize + 1) + 1;
        const int top = (k / BankColumns) * (TileSize + 1) + 1;
        CopyTransposed(bitmap, left, top, TileSize, TileSize, Tiles[k].data());
    }
}

void TTextureMg::LoadBanks() {
    LoadTiles(BankPath());
    for (int k = 0; k < TileCount; ++k) {
        TileNames[k] = UploadTexels(0, Tiles[k].data(), TileSize, TileSize, 3, MagFilter::Linear);
        CurrentName = TileNames[k];
    }
}

void TTextureMg::Bind(int index, float mode) {
    CurrentName = index >= 0 && index < TileCount ? TileNames[index] : TileNames[FallbackTile];
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
    glBindTexture(GL_TEXTURE_2D, CurrentName);
}

} // namespace scrivel
