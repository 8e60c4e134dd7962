#include "skin/tavrin_form.h"

#include "platform/canvas.h"
#include "skin/region_mg.h"
#include "skin/skin_mg.h"

namespace scrivel {

namespace {

// Where a background smaller than its form leaves the form uncovered.
constexpr platform::Colour kUncovered{48, 48, 48};

// A mask whose pixels all share the top-left colour has no shape to cut.
bool HasShape(const platform::Bitmap& mask) {
    const std::uint32_t outside = mask.Pixel(0, 0);
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            if (mask.Pixel(x, y) != outside) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// Designed with the window manager's frame; a skin takes it away.
TTavrinForm::TTavrinForm(platform::Application& app, const platform::WindowBounds& bounds,
                         const std::string& title)
    : platform::Window(app, platform::WindowKind::Form, bounds, title) {
    SetFramed(true);
}

TTavrinForm::~TTavrinForm() {
    regionMg_.reset(); // it refers to the mask
}

void TTavrinForm::ApplySkin() {
    platform::Bitmap mask;
    platform::Bitmap picture;
    if (skinned_) {
        if (!skinMg_) {
            skinMg_ = std::make_unique<TSkinMg>(
                true, [this](TSkinInfos& infos, int index) { return LoadSkinInfos(infos, index); },
                skinFolder_);
        }
        // Both pictures are loaded before anything changes, so a skin that fails halfway leaves
        // the form as it was.
        const bool loaded = skinMg_->Load(skinIndex_) && skinMg_->LoadMask(mask) &&
                            HasShape(mask) && skinMg_->LoadBackground(picture);
        if (!loaded) {
            skinMg_.reset();
            regionMg_.reset();
            regionBitmap_.reset();
            skinned_ = false;
        }
    }
    regionMg_.reset();
    if (skinned_) {
        SetFramed(false);
        background_ = std::make_unique<platform::Bitmap>(std::move(picture));
        regionBitmap_ = std::make_unique<platform::Bitmap>(std::move(mask));
        SetSize(regionBitmap_->Width(), regionBitmap_->Height());
        regionMg_ = std::make_unique<TRegionMg>(*this, *regionBitmap_);
    } else {
        regionMg_ = std::make_unique<TRegionMg>(*this);
    }
    Invalidate();
}

void TTavrinForm::ResizeUnskinned(int width, int height) {
    if (skinned_ || (width == Width() && height == Height())) {
        return;
    }
    SetSize(width, height);
    regionMg_.reset();
    regionMg_ = std::make_unique<TRegionMg>(*this);
    Invalidate();
}

bool TTavrinForm::LoadSkinInfos(TSkinInfos& infos, int index) {
    struct BuiltIn {
        int panel[4]; // width, height, left, top
        int title[4]; // left, top, width, height
        const char* font;
        platform::FontStyle style;
        int height;
        platform::Colour colour;
        bool border;
        platform::Colour borderColour; // black: left as it is
    };
    using platform::FontStyle;
    static constexpr BuiltIn kSkins[4] = {
        {{171, 132, 66, 82},
         {105, 32, 96, 20},
         "Arial",
         FontStyle::Bold,
         14,
         {146, 12, 12},
         false,
         {}},
        {{170, 180, 64, 60},
         {99, 19, 100, 14},
         "Verdana",
         FontStyle::BoldItalic,
         12,
         {251, 234, 139},
         true,
         {192, 192, 192}},
        {{171, 132, 66, 82},
         {103, 51, 100, 22},
         "Verdana",
         FontStyle::BoldItalic,
         12,
         {251, 234, 139},
         true,
         {128, 0, 128}},
        {{144, 140, 86, 140},
         {100, 100, 130, 25},
         "Times New Roman",
         FontStyle::Bold,
         16,
         platform::colours::kWhite,
         true,
         {128, 0, 128}},
    };
    if (index < 1 || index > 4) {
        return false;
    }
    const BuiltIn& skin = kSkins[index - 1];
    infos.PanelWidth = skin.panel[0];
    infos.PanelHeight = skin.panel[1];
    infos.PanelLeft = skin.panel[2];
    infos.PanelTop = skin.panel[3];
    infos.TitleLeft = skin.title[0];
    infos.TitleTop = skin.title[1];
    infos.TitleWidth = skin.title[2];
    infos.TitleHeight = skin.title[3];
    infos.Font.name = skin.font;
    infos.Font.style = skin.style;
    infos.Font.height = skin.height;
    infos.Font.colour = skin.colour;
    infos.FontColor = skin.colour;
    infos.Border = skin.border;
    if (skin.borderColour != platform::colours::kBlack) {
        infos.BorderColor = skin.borderColour;
    }
    return true;
}

void TTavrinForm::Paint() {
    platform::Canvas& canvas = GetCanvas();
    PaintBackground(canvas);
    PaintOver(canvas);
}

void TTavrinForm::PaintBackground(platform::Canvas& canvas) {
    if (!regionApplied_ && regionMg_) {
        regionMg_->Apply();
        regionApplied_ = true;
    }
    if (!background_ || background_->Width() == 0 || background_->Height() == 0) {
        canvas.FillRect(0, 0, Width(), Height(), kUncovered);
        return;
    }
    if (skinned_) {
        canvas.Blit(0, 0, *background_, 0, 0, Width(), Height());
        // A picture smaller than its mask: the rest is filled, not left with stale pixels.
        if (background_->Width() < Width()) {
            canvas.FillRect(background_->Width(), 0, Width() - background_->Width(), Height(),
                            kUncovered);
        }
        if (background_->Height() < Height()) {
            canvas.FillRect(0, background_->Height(), Width(), Height() - background_->Height(),
                            kUncovered);
        }
    } else {
        canvas.StretchBlit(0, 0, Width(), Height(), *background_, 0, 0, background_->Width(),
                           background_->Height());
    }
}

} // namespace scrivel
