#include "skin/skin_picture.h"

#include "platform/file_system.h"
#include "skin/tavrin_control.h"

namespace scrivel {

std::optional<platform::Bitmap> LoadSkinPicture(const std::string& path) {
    if (path.size() < 4 || !platform::FileExists(path)) {
        return std::nullopt;
    }
    const std::string ending = path.substr(path.size() - 4);
    try {
        if (ending == ".bmp") {
            return platform::Bitmap::LoadBmp(path);
        }
        if (ending == ".jpg") {
            return platform::Bitmap::LoadJpeg(path);
        }
    } catch (const platform::ImageError&) {
        // The skins' own fallback: see the header.
    }
    return std::nullopt;
}

bool LoadSkinButton(TTavrinControl& control, const std::string& path) {
    try {
        control.LoadPicture(path);
    } catch (const platform::ImageError&) {
        return false;
    }
    return true;
}

} // namespace scrivel
