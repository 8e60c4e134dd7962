#pragma once

#include "skin/tavrin_control.h"

#include <string>

namespace scrivel {

// A skinned push button: a caption over the picture, drawn one pixel lower and to the right while
// pressed, and a Down state that every click flips, with its own caption, glyph and colour.
class TCustomButton : public TTavrinControl {
public:
    // Captions are UTF-8. The button fills itself with upColor while it shows no picture.
    TCustomButton(platform::Window& owner, std::string upCaption, std::string downCaption,
                  platform::Colour upColor);

    bool Down() const { return down_; }
    // Sets the state and repaints.
    void SetDown(bool down);
    platform::Colour UpColor() const { return upColor_; }
    void SetUpColor(platform::Colour color) { upColor_ = color; }
    platform::Colour DownColor() const { return downColor_; }
    void SetDownColor(platform::Colour color) { downColor_ = color; }
    const std::string& UpCaption() const { return upCaption_; }
    void SetUpCaption(std::string caption) { upCaption_ = std::move(caption); }
    const std::string& DownCaption() const { return downCaption_; }
    void SetDownCaption(std::string caption) { downCaption_ = std::move(caption); }
    int DownGlyphIndex() const { return downGlyphIndex_; }
    void SetDownGlyphIndex(int index) { downGlyphIndex_ = index; }

    // Where a caption of the given size goes on a button of the given size: centred, with the
    // halves truncated, two pixels right of centre; one more pixel right and down while pressed.
    static platform::PixelPoint CaptionOrigin(int width, int height, platform::TextSize text,
                                              bool pressed);

protected:
    void Paint() override;
    void DoClick(int x, int y) override;

private:
    platform::Colour upColor_;
    platform::Colour downColor_;
    bool down_ = false;
    std::string upCaption_;
    std::string downCaption_;
    int downGlyphIndex_ = 0;
};

} // namespace scrivel
