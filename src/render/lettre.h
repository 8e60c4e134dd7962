#pragma once

#include <cstdint>

namespace scrivel {

class EyeView;
class TFontTexMg;

// Draws letters as cubes of the scene, the glyph of the font bank on every face. It keeps only
// how to draw (the bank, the cube's size, the eye of the frame), never where a letter is.
class TLettre {
public:
    TLettre(TFontTexMg* fontBank, float width, float height)
        : fontBank_(fontBank), width_(width), height_(height) {}

    void SetWidth(float width) { width_ = width; }
    void SetHeight(float height) { height_ = height; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    // The frame's eye, for leaving out faces that cannot show; none: every face is drawn.
    void SetEye(const EyeView* eye) { eye_ = eye; }

    // The colour a letter's cube gets: green for 'A' shading to magenta for 'Z'. It shows only
    // where the glyph texture leaves it.
    static int ColourIndex(std::uint8_t code);
    // The cube of code with its top at y (it hangs one unit under it) and its centre at x and z,
    // grown by grow on every side, in the colour of colourIndex.
    void Draw(std::uint8_t code, float x, float y, float z, float grow, int colourIndex) const;
    // The same for a letter that neither swells nor flickers.
    void DrawAt(std::uint8_t code, float x, float y, float z) const {
        Draw(code, x, y, z, 0.0f, ColourIndex(code));
    }
    // The green wire outline of an empty cell's cube.
    void DrawCellFrame(float x, float y, float z) const;

private:
    // The vertices of the cube's faces, each after its texture coordinate; the bottom, back and
    // left ones only with farFaces.
    void EmitFaces(float x, float y, float z, float grow, bool farFaces) const;

    TFontTexMg* fontBank_ = nullptr; // not owned
    const EyeView* eye_ = nullptr;   // not owned
    float width_ = 0.0f;
    float height_ = 0.0f;
};

} // namespace scrivel
