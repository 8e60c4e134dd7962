#include "skin/region_mg.h"

#include "platform/path.h"

namespace scrivel {

TRegionMg::TRegionMg(platform::Window& window)
    : cornerWidth_(window.Width() / 4), cornerHeight_(window.Height() / 4), width_(window.Width()),
      height_(window.Height()), window_(window) {
    platform::Path path;
    path.RoundRect(0, 0, width_, height_, cornerWidth_, cornerHeight_);
    pathRegion_ = platform::Region::FromPath(path);
    GiveToWindow();
}

TRegionMg::TRegionMg(platform::Window& window, platform::Bitmap& mask)
    : cornerWidth_(window.Width() / 4), cornerHeight_(window.Height() / 4), width_(window.Width()),
      height_(window.Height()), window_(window), regionMaker_(std::make_unique<TRegionMaker>()),
      maskMode_(true), mask_(&mask) {
    Apply();
}

void TRegionMg::Apply() {
    if (!maskMode_) {
        return;
    }
    platform::Path path;
    regionMaker_->BuildPath(*mask_, path);
    pathRegion_ = platform::Region::FromPath(path);
    GiveToWindow();
}

// The window gets a copy of the path region; without one (no shape in the mask) it keeps the
// one-pixel region the copy starts as.
void TRegionMg::GiveToWindow() {
    windowRegion_ = platform::Region::Rect(0, 0, 1, 1);
    if (pathRegion_) {
        windowRegion_ = pathRegion_->Intersect(*pathRegion_);
    }
    window_.SetShape(windowRegion_);
    window_.Invalidate();
}

} // namespace scrivel
