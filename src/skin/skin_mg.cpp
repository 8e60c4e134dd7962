#include "skin/skin_mg.h"

#include "platform/file_system.h"

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
    if (!platform::FileExists(pictureName_) || pictureName_.size() < 3) {
        return false;
    }
    const std::string ending = pictureName_.substr(pictureName_.size() - 3);
    try {
        if (ending == "bmp") {
            bitmap = platform::Bitmap::LoadBmp(pictureName_);
            return true;
        }
        if (ending == "jpg") {
            bitmap = platform::Bitmap::LoadJpeg(pictureName_);
            return true;
        }
    } catch (const platform::ImageError&) {
        return false;
    }
    return false;
}

bool TSkinMg::LoadMask(platform::Bitmap& bitmap) const {
    if (!platform::FileExists(maskName_)) {
        return false;
    }
    try {
        bitmap = platform::Bitmap::LoadBmp(maskName_);
    } catch (const platform::ImageError&) {
        return false;
    }
    return true;
}

} // namespace scrivel
