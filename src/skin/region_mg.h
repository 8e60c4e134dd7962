#pragma once

#include "platform/bitmap.h"
#include "platform/region.h"
#include "platform/window.h"
#include "skin/region_maker.h"

#include <memory>
#include <optional>

namespace scrivel {

// Owns the outline of one top-level window: a rounded rectangle, or the shape traced from a mask
// bitmap, handed to the window as its region.
class TRegionMg {
public:
    // Rounded-rectangle mode: the window's size with corners of a quarter of it, set at once.
    explicit TRegionMg(platform::Window& window);
    // Mask mode: traces the mask (reducing it to two colours) and sets the outline at once. The
    // mask must outlive the manager.
    TRegionMg(platform::Window& window, platform::Bitmap& mask);
    TRegionMg(const TRegionMg&) = delete;
    TRegionMg& operator=(const TRegionMg&) = delete;

    // Mask mode: traces the mask again and gives the window the new outline.
    void Apply();

    int CornerWidth() const { return cornerWidth_; }
    int CornerHeight() const { return cornerHeight_; }
    bool MaskMode() const { return maskMode_; }
    // The region made from the last path; nothing when the mask held no shape.
    const std::optional<platform::Region>& PathRegion() const { return pathRegion_; }
    // What the window was given: the path region, or the single pixel (0, 0) without one.
    const platform::Region& WindowRegion() const { return windowRegion_; }

private:
    void GiveToWindow();

    int cornerWidth_ = 0;
    int cornerHeight_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::optional<platform::Region> pathRegion_;
    platform::Region windowRegion_;
    platform::Window& window_;
    std::unique_ptr<TRegionMaker> regionMaker_;
    bool maskMode_ = false;
    platform::Bitmap* mask_ = nullptr;
};

} // namespace scrivel
