#pragma once

#include "platform/bitmap.h"
#include "platform/window.h"
#include "skin/skin_infos.h"

#include <memory>
#include <string>
#include <utility>

namespace scrivel {

namespace platform {
class Canvas;
}

class TRegionMg;
class TSkinMg;

// A top-level form whose look comes from a skin: the background picture over its client area,
// the outline cut from the skin's mask, and the mask's size. Without a skin it keeps the window
// manager's frame and gets a rounded outline.
class TTavrinForm : public platform::Window {
public:
    TTavrinForm(platform::Application& app, const platform::WindowBounds& bounds,
                const std::string& title);
    ~TTavrinForm() override;

    bool Skinned() const { return skinned_; }
    void SetSkinned(bool skinned) { skinned_ = skinned; }
    int SkinIndex() const { return skinIndex_; }
    void SetSkinIndex(int index) { skinIndex_ = index; }
    // The folder holding Skins/, ending with '/'; empty (the default) is the current directory.
    void SetSkinFolder(std::string folder) { skinFolder_ = std::move(folder); }

    // Loads skin SkinIndex and shows it. A skin whose files are missing or cannot be decoded, or
    // whose mask holds no shape, leaves the form unskinned (Skinned() false, SkinMg() null).
    void ApplySkin();

    // Without a skin: gives the form a new size and a rounded outline fitted to it.
    void ResizeUnskinned(int width, int height);

    // Fills the record for skin index while the skin manager loads it; built-in values for 1 to
    // 4, false (nothing changed) for any other index.
    virtual bool LoadSkinInfos(TSkinInfos& infos, int index);

    bool RegionApplied() const { return regionApplied_; }
    TSkinMg* SkinMg() const { return skinMg_.get(); }
    TRegionMg* RegionMg() const { return regionMg_.get(); }
    const platform::Bitmap* RegionBitmap() const { return regionBitmap_.get(); }
    const platform::Bitmap* Background() const { return background_.get(); }

protected:
    // The first paint traces the outline once more; then the background is copied (skinned) or
    // stretched (not skinned) over the form.
    virtual void PaintBackground(platform::Canvas& canvas);
    // What the form draws over its background (graphic controls such as a title).
    virtual void PaintOver(platform::Canvas& /*canvas*/) {}
    void Paint() override;

private:
    bool regionApplied_ = false;
    bool skinned_ = false;
    int skinIndex_ = 0;
    std::string skinFolder_;
    std::unique_ptr<platform::Bitmap> regionBitmap_;
    std::unique_ptr<TRegionMg> regionMg_;
    std::unique_ptr<TSkinMg> skinMg_;
    std::unique_ptr<platform::Bitmap> background_;
};

} // namespace scrivel
