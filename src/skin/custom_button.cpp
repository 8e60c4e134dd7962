#include "skin/custom_button.h"

namespace scrivel {

TCustomButton::TCustomButton(platform::Window& owner, std::string upCaption,
                             std::string downCaption, platform::Colour upColor)
    : TTavrinControl(owner), upColor_(upColor), upCaption_(std::move(upCaption)),
      downCaption_(std::move(downCaption)) {
    SetDown(false);
}

void TCustomButton::SetDown(bool down) {
    down_ = down;
    Repaint();
}

platform::PixelPoint TCustomButton::CaptionOrigin(int width, int height, platform::TextSize text,
                                                  bool pressed) {
    const int offset = pressed ? 1 : 0;
    return {(width - text.width - 2) / 2 + 2 + offset, (height - text.height - 2) / 2 + offset};
}

void TCustomButton::Paint() {
    const int upGlyph = GlyphIndex();
    const int used = down_ ? downGlyphIndex_ : upGlyph;
    SetGlyphIndex(used);
    TTavrinControl::Paint();
    // An index the paint pulled back to the last image stays pulled back, whichever of the two
    // it was; otherwise the up glyph comes back.
    if (GlyphIndex() != used && down_) {
        downGlyphIndex_ = GlyphIndex();
        SetGlyphIndex(upGlyph);
    } else if (GlyphIndex() == used) {
        SetGlyphIndex(upGlyph);
    }

    const std::string& caption = down_ ? downCaption_ : upCaption_;
    const platform::Colour fill = down_ ? downColor_ : upColor_;
    const platform::Colour brush = Hot() ? fill : (fill & kMaskGrey);
    platform::Canvas& canvas = GetCanvas();
    if (!PictureDrawn()) {
        canvas.FillRect(0, 0, Width(), Height(), brush);
    }
    if (!caption.empty()) {
        canvas.SetFont(Font());
        const platform::TextSize size = canvas.TextExtent(caption, platform::TextEncoding::Utf8);
        const platform::PixelPoint at = CaptionOrigin(Width(), Height(), size, Pressed());
        canvas.TextOut(at.x, at.y, caption, platform::TextEncoding::Utf8);
    }
    if (Border() > 0 && !PictureDrawn()) {
        DrawBorder();
    }
    SetPictureDrawn(false);
}

void TCustomButton::DoClick(int x, int y) {
    SetDown(!down_);
    TTavrinControl::DoClick(x, y);
}

} // namespace scrivel
