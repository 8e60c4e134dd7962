#include "scene/texture_mg.h"

#include "platform/bitmap.h"
#include "texts/texts.h"

#include <utility>

namespace scrivel {

TTextureMg::TTextureMg(int bankNumber, std::string folder)
    : bankNumber_(bankNumber), folder_(std::move(folder)) {}

std::string TTextureMg::BankPath() const {
    return folder_ + "Graphics/texbank" + std::to_string(bankNumber_) + "_64.bmp";
}

void TTextureMg::LoadBanks() {
    const std::string path = BankPath();
    const platform::Bitmap sheet =
        LoadSheet(path, Sheet, texts::Text(texts::TextId::BankBitmapWrong));
    for (int k = 0; k < TileCount; ++k) {
        const std::vector<std::uint8_t> texels = CutTile(sheet, Sheet, k);
        UploadTexels(tileNames_[k], texels.data(), TileSize, TileSize, 3, MagFilter::Linear);
    }
}

unsigned TTextureMg::TileName(int index) const {
    const int tile = index >= 0 && index < TileCount ? index : FallbackTile;
    return tileNames_[tile].Name();
}

void TTextureMg::Bind(int index, TextureEnv mode) const {
    BindTexture(TileName(index), mode);
}

} // namespace scrivel
