#include "scene/gl_object.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace scrivel {

namespace {

void* GlutFont(int handle) {
    switch (handle) {
    case TGLObject::TimesRoman10:
        return GLUT_BITMAP_TIMES_ROMAN_10;
    case TGLObject::TimesRoman24:
        return GLUT_BITMAP_TIMES_ROMAN_24;
    case TGLObject::Helvetica18:
        return GLUT_BITMAP_HELVETICA_18;
    default:
        return GLUT_BITMAP_HELVETICA_12;
    }
}

} // namespace

void TGLObject::SetPosition(float x, float y, float z, float w) {
    Position = {x, y, z, w};
}

void TGLObject::SetAngles(float x, float y, float z) {
    Angles = {x, y, z};
}

void TGLObject::SetFont(int size) {
    if (size <= 0) {
        FontHandle = Helvetica12;
        FontSize = 24;
    } else if (size <= 10) {
        FontHandle = TimesRoman10;
        FontSize = 10;
    } else if (size <= 12) {
        FontHandle = Helvetica12;
        FontSize = 12;
    } else if (size <= 18) {
        FontHandle = Helvetica18;
        FontSize = 18;
    } else {
        FontHandle = TimesRoman24;
        FontSize = 24;
    }
}

void TGLObject::DrawText(int x, int y, const std::string& text) const {
    glRasterPos2d(static_cast<double>(x), static_cast<double>(y));
    void* font = GlutFont(FontHandle);
    for (const char c : text) {
        // Latin-1 bytes as 128..255, so names with accents draw their letters instead of nothing.
        glutBitmapCharacter(font, static_cast<unsigned char>(c));
    }
}

} // namespace scrivel
