#pragma once

#include <string>

namespace scrivel {

// The head-up text's bitmap fonts: GLUT's, chosen by point size and kept until the next choice.
class TBitmapText {
public:
    // GLUT's own bitmap-font numbers, kept as plain integers so callers never see GLUT.
    enum class Face : int {
        TimesRoman10 = 4,
        TimesRoman24 = 5,
        Helvetica12 = 7,
        Helvetica18 = 8,
    };

    // Chooses the font for a point size, rounded up to 10, 12, 18 or 24; 0 or less gives the
    // 12-point face, though it then counts as 24 points.
    void SetFont(int size);
    Face CurrentFace() const { return face_; }
    int CurrentSize() const { return size_; }
    // Draws text with its first character at window pixel (x, y); the caller has set an
    // orthographic projection in window pixels.
    void DrawText(int x, int y, const std::string& text) const;

private:
    Face face_ = Face::Helvetica12;
    int size_ = 12;
};

} // namespace scrivel
