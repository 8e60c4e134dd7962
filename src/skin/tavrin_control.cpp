#include "skin/tavrin_control.h"

#include "platform/bitmap_copy.h"
#include "platform/file_system.h"
#include "skin/image_list.h"
#include "skin/region_maker.h"

namespace scrivel {

TTavrinControl::TTavrinControl(platform::Window& owner, platform::VisualChoice visual)
    : platform::Window(owner, {0, 0, 1, 1}, visual) {
    InitDefaults();
}

TTavrinControl::~TTavrinControl() = default;

void TTavrinControl::InitDefaults() {
    shape_ = ShapeRectangle;
    stretchToGlyph_ = true;
    onClickEvent_ = nullptr;
    onLeftDownEvent_ = nullptr;
    onMouseMoveEvent_ = nullptr;
    picture_.reset();
    imageList_ = nullptr;
    glyphIndex_ = -1;
    maskColor_ = kMaskGrey;
    border_ = 0;
}

// Gives the window its outline; a path that made no region leaves the window rectangular, as
// SetWindowRgn does with no region.
void TTavrinControl::SetOutline(std::optional<platform::Region> region) {
    region_ = std::move(region);
    if (region_) {
        SetShape(*region_);
    } else {
        ClearShape();
    }
    Invalidate();
}

void TTavrinControl::SetRoundCorners(int cornerWidth, int cornerHeight) {
    if (cornerWidth == 0) {
        cornerWidth = Width() / 2;
    }
    if (cornerHeight == 0) {
        cornerHeight = Height() / 2;
    }
    shape_ = ShapeRoundRect;
    cornerWidth_ = cornerWidth;
    cornerHeight_ = cornerHeight;
    platform::Path path;
    BuildOutline(1, path);
    SetOutline(platform::Region::FromPath(path));
}

void TTavrinControl::LoadPicture(const std::string& fileName) {
    if (!platform::FileExists(fileName)) {
        return;
    }
    // Everything that can fail comes first, so a bad file leaves the control as it was. The
    // trace reduces its bitmap to two colours, so it works on a copy of the picture.
    platform::Bitmap picture = platform::Bitmap::LoadBmp(fileName);
    platform::Bitmap traced = platform::CopyBitmap(picture);
    if (!regionMaker_) {
        regionMaker_ = std::make_unique<TRegionMaker>();
    }
    platform::Path path;
    regionMaker_->BuildPath(traced, path);

    fileName_ = fileName;
    shape_ = ShapeBitmap;
    picture_ = std::make_unique<platform::Bitmap>(std::move(picture));
    SetSize(picture_->Width(), picture_->Height());
    SetOutline(platform::Region::FromPath(path));
    regionBuilt_ = false;
}

void TTavrinControl::ClearPicture() {
    if (shape_ != ShapeBitmap) {
        return;
    }
    fileName_.clear();
    picture_.reset();
    shape_ = ShapeRectangle;
    regionBuilt_ = false;
    SetOutline(std::nullopt);
}

void TTavrinControl::BuildOutline(int inset, platform::Path& path) const {
    const int left = inset;
    const int top = inset;
    const int right = Width() - 2 * inset;
    const int bottom = Height() - 2 * inset;
    if (shape_ == ShapeRectangle) {
        path.Rectangle(left, top, right, bottom);
    } else if (shape_ == ShapeRoundRect) {
        path.RoundRect(left, top, right, bottom, cornerWidth_ - inset / 2,
                       cornerHeight_ - inset / 2);
    }
}

void TTavrinControl::DoClick(int, int) {
    if (onClickEvent_) {
        onClickEvent_(*this);
    }
}

void TTavrinControl::DoLeftDown(int, int) {
    if (onLeftDownEvent_) {
        onLeftDownEvent_(*this);
    }
}

void TTavrinControl::DoMouseMove(int x, int y, int keys) {
    const platform::ShiftState shift =
        keys == 1 ? platform::ShiftState::Left : platform::ShiftState::Empty;
    // Both bounds inclusive: a move to x = Width() still counts as over the control.
    hot_ = x >= 0 && x <= Width() && y >= 0 && y <= Height();
    if (hot_ != lastHot_) {
        Repaint();
    }
    lastHot_ = hot_;
    if (onMouseMoveEvent_) {
        onMouseMoveEvent_(*this, shift, x, y);
    }
}

void TTavrinControl::DoMouseLeave() {
    hot_ = false;
    if (hot_ != lastHot_) {
        Repaint();
    }
    lastHot_ = hot_;
    pressed_ = false;
}

void TTavrinControl::OnMouseDown(const platform::MouseEvent& event) {
    platform::Window::OnMouseDown(event);
    if (event.button != platform::MouseButton::Left) {
        return;
    }
    DoLeftDown(event.x, event.y);
    pressed_ = true;
    Repaint();
}

void TTavrinControl::OnMouseUp(const platform::MouseEvent& event) {
    platform::Window::OnMouseUp(event);
    // The press keeps the pointer, so the release comes here wherever it happens.
    if (event.button == platform::MouseButton::Left && pressed_) {
        pressed_ = false;
        DoClick(event.x, event.y);
    }
}

void TTavrinControl::OnMouseMove(const platform::MouseEvent& event) {
    DoMouseMove(event.x, event.y, platform::MouseKeys(event.shift));
    if (ShowHint()) {
        platform::Window::OnMouseMove(event);
    }
}

void TTavrinControl::OnMouseLeave() {
    DoMouseLeave();
    // The hint is the platform's business, not the control's: it goes in any case.
    platform::Window::OnMouseLeave();
}

void TTavrinControl::Paint() {
    if (shape_ == ShapeBitmap) {
        if (!regionBuilt_) {
            // Traced from a copy of the picture rather than the file again: the same pixels,
            // and a file removed since cannot make a paint fail.
            platform::Bitmap traced = platform::CopyBitmap(*picture_);
            platform::Path path;
            regionMaker_->BuildPath(traced, path);
            SetOutline(platform::Region::FromPath(path));
            regionBuilt_ = true;
        }
        DrawPicture();
    } else if (imageList_ != nullptr && glyphIndex_ > -1) {
        if (!regionBuilt_) {
            platform::Path path;
            BuildOutline(1, path);
            SetOutline(platform::Region::FromPath(path));
            regionBuilt_ = true;
        }
        if (glyphIndex_ < imageList_->Count()) {
            picture_ = std::make_unique<platform::Bitmap>(imageList_->GetBitmap(glyphIndex_));
            DrawPicture();
        } else {
            // Nothing this time; the next paint shows the last image.
            glyphIndex_ = imageList_->Count() - 1;
        }
    }
    if (border_ > 0 && pictureDrawn_) {
        DrawBorder();
    }
}

void TTavrinControl::DrawPicture() {
    platform::Canvas& canvas = GetCanvas();
    const platform::BlitMode mode = hot_ ? platform::BlitMode::Copy : platform::BlitMode::And;
    if (!hot_) {
        canvas.FillRect(0, 0, Width(), Height(), maskColor_);
    }
    if (stretchToGlyph_) {
        SetSize(picture_->Width(), picture_->Height());
    }
    const int width = Width();
    const int height = Height();
    if (width == picture_->Width() && height == picture_->Height()) {
        canvas.Blit(0, 0, *picture_, 0, 0, width, height, mode);
    } else if (width > 0 && height > 0) {
        platform::Bitmap stretched(width, height);
        platform::Canvas(stretched).StretchBlit(0, 0, width, height, *picture_, 0, 0,
                                                picture_->Width(), picture_->Height(),
                                                platform::Filter::Nearest);
        canvas.Blit(0, 0, stretched, 0, 0, width, height, mode);
    }
    pictureDrawn_ = true;
}

void TTavrinControl::DrawBorder() {
    platform::Canvas& canvas = GetCanvas();
    const platform::Colour colour = hot_ ? borderColor_ : (borderColor_ & maskColor_);
    if (shape_ == ShapeRectangle || shape_ == ShapeRoundRect) {
        platform::Path path;
        BuildOutline(0, path);
        platform::StrokePath(canvas, path, colour, border_);
    } else if (shape_ == ShapeBitmap && region_) {
        region_->Frame(border_, border_).Paint(canvas.Target(), colour.Windows());
    }
}

} // namespace scrivel
