#include "render/bitmap_text.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace scrivel {

namespace {

void* GlutFont(TBitmapText::Face face) {
    switch (face) {
    case TBitmapText::Face::TimesRoman10:
        return GLUT_BITMAP_TIMES_ROMAN_10;
    case TBitmapText::Face::TimesRoman24:
        return GLUT_BITMAP_TIMES_ROMAN_24;
    case TBitmapText::Face::Helvetica18:
        return GLUT_BITMAP_HELVETICA_18;
    case TBitmapText::Face::Helvetica12:
        break;
    }
    return GLUT_BITMAP_HELVETICA_12;
}

} // namespace

void TBitmapText::SetFont(int size) {
    if (size <= 0) {
        face_ = Face::Helvetica12;
        size_ = 24;
    } else if (size <= 10) {
        face_ = Face::TimesRoman10;
        size_ = 10;
    } else if (size <= 12) {
        face_ = Face::Helvetica12;
        size_ = 12;
    } else if (size <= 18) {
        face_ = Face::Helvetica18;
        size_ = 18;
    } else {
        face_ = Face::TimesRoman24;
        size_ = 24;
    }
}

void TBitmapText::DrawText(int x, int y, const std::string& text) const {
    glRasterPos2d(static_cast<double>(x), static_cast<double>(y));
    void* font = GlutFont(face_);
    for (const char c : text) {
        // Latin-1 bytes as 128..255, so names with accents draw their letters instead of nothing.
        glutBitmapCharacter(font, static_cast<unsigned char>(c));
    }
}

} // namespace scrivel
