#include "scene/gl_object.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace scrivel {
namespace {

TEST(TGLObject, SetFontRoundsUpToTheFourBitmapSizes) {
    struct Case {
        int size;
        int handle;
        int settled;
    };
    const Case cases[] = {
        {1, TGLObject::TimesRoman10, 10},  {10, TGLObject::TimesRoman10, 10},
        {11, TGLObject::Helvetica12, 12},  {12, TGLObject::Helvetica12, 12},
        {13, TGLObject::Helvetica18, 18},  {18, TGLObject::Helvetica18, 18},
        {19, TGLObject::TimesRoman24, 24}, {25, TGLObject::TimesRoman24, 24},
        {0, TGLObject::Helvetica12, 24},   {-3, TGLObject::Helvetica12, 24},
    };
    TGLObject object;
    for (const Case& c : cases) {
        object.SetFont(c.size);
        EXPECT_EQ(object.FontHandle, c.handle) << "size " << c.size;
        EXPECT_EQ(object.FontSize, c.settled) << "size " << c.size;
    }
}

class TGLObjectText : public test::GlTest {
protected:
    // Draws text at (x, y) in window pixels on a black frame and returns the lit pixel count.
    int LitPixelsAfterDrawing(const std::string& text, int x, int y, int size) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kWidth, 0, kHeight, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(1, 1, 1);
        TGLObject object;
        object.SetFont(size);
        object.DrawText(x, y, text);
        glFinish();
        int lit = 0;
        const std::vector<std::uint8_t> pixels = Window().ReadPixels();
        for (size_t i = 0; i < pixels.size(); i += 4) {
            lit += pixels[i] > 128 ? 1 : 0;
        }
        return lit;
    }
};

TEST_F(TGLObjectText, EmptyTextSetsTheRasterPositionAndDrawsNothing) {
    EXPECT_EQ(LitPixelsAfterDrawing("", 20, 30, 12), 0);
    GLdouble position[4];
    glGetDoublev(GL_CURRENT_RASTER_POSITION, position);
    EXPECT_DOUBLE_EQ(position[0], 20.0);
    EXPECT_DOUBLE_EQ(position[1], 30.0);
}

TEST_F(TGLObjectText, DrawsAtTheGivenPixelAndBiggerFontsCoverMore) {
    const int small = LitPixelsAfterDrawing("Scrivel", 10, 100, 10);
    const int large = LitPixelsAfterDrawing("Scrivel", 10, 100, 24);
    EXPECT_GT(small, 20);
    EXPECT_GT(large, small);
    // The raster position advanced past the text.
    GLdouble position[4];
    glGetDoublev(GL_CURRENT_RASTER_POSITION, position);
    EXPECT_GT(position[0], 60.0);
}

TEST_F(TGLObjectText, AccentedLettersAreDrawn) {
    // "é" in Latin-1 must draw a glyph, not be dropped as a negative code.
    EXPECT_GT(LitPixelsAfterDrawing("\xE9", 50, 50, 18), 5);
}

} // namespace
} // namespace scrivel
