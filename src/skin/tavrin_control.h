#pragma once

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/input.h"
#include "platform/path.h"
#include "platform/region.h"
#include "platform/window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace scrivel {

class TImageList;
class TRegionMaker;

// The outline of a control; the numbers are those the skins' layout uses.
enum class ControlShape {
    Rectangle = 0,
    RoundRect = 1,
    Bitmap = 4,
};

// A child window whose outline is an inset rectangle, a rounded rectangle or the shape of a
// bitmap's mask. It shows a picture (a glyph of an image list, or a bitmap file) dimmed by
// MaskColor while the pointer is away and plainly while it is over it, may draw a border, and
// reports presses, clicks and pointer moves.
class TTavrinControl : public platform::Window {
public:
    // Outline kinds.
    static constexpr ControlShape ShapeRectangle = ControlShape::Rectangle;
    static constexpr ControlShape ShapeRoundRect = ControlShape::RoundRect;
    static constexpr ControlShape ShapeBitmap = ControlShape::Bitmap;
    // The mask colour a control starts with, which also dims a button away from the pointer.
    static constexpr platform::Colour kMaskGrey{192, 192, 192};
    // The size of the caption font a control starts with, in points.
    static constexpr int kCaptionPoints = 7;

    using NotifyEvent = std::function<void(TTavrinControl& sender)>;
    using MouseMoveEvent =
        std::function<void(TTavrinControl& sender, platform::ShiftState shift, int x, int y)>;

    // A child of owner, 1 x 1 until sized. A GL surface passes the visual its context needs.
    explicit TTavrinControl(platform::Window& owner, platform::VisualChoice visual = {});
    ~TTavrinControl() override;

    platform::Colour Color() const { return color_; }
    void SetColor(platform::Colour color) { color_ = color; }
    platform::Colour BorderColor() const { return borderColor_; }
    void SetBorderColor(platform::Colour color) { borderColor_ = color; }
    platform::Colour MaskColor() const { return maskColor_; }
    void SetMaskColor(platform::Colour color) { maskColor_ = color; }
    platform::Font& Font() { return font_; }
    const platform::Font& Font() const { return font_; }
    bool StretchToGlyph() const { return stretchToGlyph_; }
    void SetStretchToGlyph(bool stretch) { stretchToGlyph_ = stretch; }
    void SetOnClickEvent(NotifyEvent event) { onClickEvent_ = std::move(event); }
    void SetOnLeftDownEvent(NotifyEvent event) { onLeftDownEvent_ = std::move(event); }
    void SetOnMouseMoveEvent(MouseMoveEvent event) { onMouseMoveEvent_ = std::move(event); }
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int index) { glyphIndex_ = index; }
    int Border() const { return border_; }
    void SetBorder(int width) { border_ = width; }
    // Not owned; must outlive the control or be unset first.
    TImageList* ImageList() const { return imageList_; }
    void SetImageList(TImageList* list) { imageList_ = list; }

    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    ControlShape Shape() const { return shape_; }
    int CornerWidth() const { return cornerWidth_; }
    int CornerHeight() const { return cornerHeight_; }
    const std::string& FileName() const { return fileName_; }
    const platform::Bitmap* Picture() const { return picture_.get(); }
    bool RegionBuilt() const { return regionBuilt_; }
    // The outline last given to the window; nothing while it has none or the path was empty.
    const std::optional<platform::Region>& OutlineRegion() const { return region_; }

    // Rounds the corners with an ellipse cornerWidth by cornerHeight; 0 takes half the control's
    // width (or height). Shapes the window at once.
    void SetRoundCorners(int cornerWidth, int cornerHeight);
    // Shows the BMP file and takes its size and the shape of its mask (its top-left pixel's colour
    // is outside). Nothing changes when the file does not exist; a file that cannot be decoded
    // throws platform::ImageError and changes nothing either.
    void LoadPicture(const std::string& fileName);
    // Forgets a loaded bitmap: a plain rectangle again, which a button fills with its colour.
    void ClearPicture();
    // Adds the rectangle or rounded rectangle of the current shape, inset by inset pixels.
    void BuildOutline(int inset, platform::Path& path) const;

protected:
    virtual void DoClick(int x, int y);
    virtual void DoLeftDown(int x, int y);
    // keys: the Windows MK_ flags of the move.
    virtual void DoMouseMove(int x, int y, int keys);
    virtual void DoMouseLeave();
    virtual void InitDefaults();

    void Paint() override;
    void OnMouseDown(const platform::MouseEvent& event) override;
    void OnMouseUp(const platform::MouseEvent& event) override;
    void OnMouseMove(const platform::MouseEvent& event) override;
    void OnMouseLeave() override;

    void DrawPicture();
    void DrawBorder();
    bool PictureDrawn() const { return pictureDrawn_; }
    void SetPictureDrawn(bool drawn) { pictureDrawn_ = drawn; }

private:
    void SetOutline(std::optional<platform::Region> region);

    // Published properties.
    platform::Colour color_{0, 255, 0};
    platform::Colour borderColor_;
    platform::Colour maskColor_ = kMaskGrey;
    platform::Font font_{"Arial", kCaptionPoints, platform::colours::kBlack,
                         platform::FontStyle::Bold};
    bool stretchToGlyph_ = true;
    NotifyEvent onClickEvent_;
    NotifyEvent onLeftDownEvent_;
    MouseMoveEvent onMouseMoveEvent_;
    int glyphIndex_ = -1;
    int border_ = 0;
    TImageList* imageList_ = nullptr;

    bool pictureDrawn_ = false;
    bool regionBuilt_ = false;
    bool hot_ = false;
    bool lastHot_ = false;
    ControlShape shape_ = ShapeRectangle;
    int cornerWidth_ = 0;
    int cornerHeight_ = 0;
    std::optional<platform::Region> region_;
    bool pressed_ = false;
    std::string fileName_;
    std::unique_ptr<TRegionMaker> regionMaker_;
    std::unique_ptr<platform::Bitmap> picture_;
};

} // namespace scrivel
