#pragma once

#include "platform/bitmap.h"
#include "skin/skin_infos.h"

#include <functional>
#include <memory>
#include <string>

namespace scrivel {

// Finds the files of skin number n under Skins/ in its folder, remembers their names,
// loads the background picture and the mask on request, and fills the skin record through the
// owner's loader or with built-in values.
class TSkinMg {
public:
    // Called while a skin loads, with the record and the skin's number; its answer is Load's.
    using Loader = std::function<bool(TSkinInfos& infos, int index)>;

    // twoFiles: a JPEG picture and a separate BMP mask; otherwise one BMP serves as both. folder
    // holds Skins/ and ends with '/'; empty is the current directory.
    TSkinMg(bool twoFiles, Loader loader, std::string folder = {});

    // Finds skin n's files and fills the record. False when a file is missing (the record is
    // then untouched) or when the loader refuses. Load(0) on a new manager succeeds at once.
    bool Load(int n);
    // Loads the picture into bitmap. False when the file is missing, its name does not end in
    // exactly "bmp" or "jpg", or it cannot be decoded; the bitmap is then unchanged.
    bool LoadBackground(platform::Bitmap& bitmap) const;
    // Loads the mask into bitmap; false, leaving it unchanged, when missing or undecodable.
    bool LoadMask(platform::Bitmap& bitmap) const;

    TSkinInfos& Infos() { return *infos_; }
    const TSkinInfos& Infos() const { return *infos_; }
    int CurrentSkin() const { return currentSkin_; }
    bool TwoFiles() const { return twoFiles_; }
    const std::string& PictureName() const { return pictureName_; }
    const std::string& MaskName() const { return maskName_; }

    // The record a skin has when nobody supplies one.
    static void FillBuiltIn(TSkinInfos& infos);

private:
    int currentSkin_ = 0;
    bool twoFiles_;
    std::string folder_;
    std::string pictureName_;
    std::string maskName_;
    Loader loader_;
    std::unique_ptr<TSkinInfos> infos_ = std::make_unique<TSkinInfos>();
};

} // namespace scrivel
