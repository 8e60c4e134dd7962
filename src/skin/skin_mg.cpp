#include "skin/skin_mg.h"

#include "platform/file_system.h"
#include "skin/skin_picture.h"

#include <utility>

namespace scrivel {

TSkinMg::TSkinMg(bool twoFiles, Loader loader, std::string folder)
    : twoFiles_(twoFiles), folder_(std::move(folder)), loader_(std::move(loader)) {}

bool TSkinMg::Load(int n) {
    if (n == currentSkin_) {
        return true;
    }
    const std::string stem = folder_ + "Skins/region" + std::to_string(n);
    if (twoFiles_) {
        const std::string picture = stem + ".jpg";
        if (!platform::FileExists(picture)) {
            return false;
        }
        pictureName_ = picture;
        const std::string mask = stem + "mask.bmp";
        if (!platform::FileExists(mask)) {
            return false;
        }
        maskName_ = mask;
    } else {
        const std::string name = stem + ".bmp";
        if (!platform::FileExists(name)) {
            return false;
        }
        pictureName_ = name;
        maskName_ = name;
    }
    if (loader_) {
        return loader_(*infos_, n);
    }
    FillBuiltIn(*infos_);
    return true;
}

void TSkinMg::FillBuiltIn(TSkinInfos& infos) {
    infos.PanelWidth = 171;
    infos.PanelHeight = 132;
    infos.PanelLeft = 66;
    infos.PanelTop = 82;
    infos.TitleLeft = 105;
    infos.TitleTop = 32;
    infos.TitleWidth = 96;
    infos.TitleHeight = 20;
    infos.Color = {128, 128, 128};
    infos.FontColor = {146, 12, 12};
    infos.ExtraColor = {237, 194, 37};
    infos.Font.name = "Arial";
    infos.Font.style = infos.Font.style | platform::FontStyle::Bold;
    infos.Font.height = 14;
    infos.Font.colour = infos.FontColor;
    infos.Border = false;
}

// A picture that exists but cannot be decoded fails like a missing one: the skin is refused
// rather than the program stopped.
bool TSkinMg::LoadBackground(platform::Bitmap& bitmap) const {
    std::optional<platform::Bitmap> picture = LoadSkinPicture(pictureName_);
    if (picture) {
        bitmap = std::move(*picture);
    }
    return picture.has_value();
}

bool TSkinMg::LoadMask(platform::Bitmap& bitmap) const {
    std::optional<platform::Bitmap> mask = LoadSkinPicture(maskName_);
    if (mask) {
        bitmap = std::move(*mask);
    }
    return mask.has_value();
}

} // namespace scrivel
