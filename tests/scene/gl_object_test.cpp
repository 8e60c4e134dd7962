#include "scene/gl_object.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace scrivel {
namespace {

TEST(TGLObject, SetFontRoundsUpToTheFourBitmapSizes) {
    const struct {
        int size, handle, settled;
    } cases[] = {
        {1, TGLObject::TimesRoman10, 10},  {10, TGLObject::TimesRoman10, 10},
        {11, TGLObject::Helvetica12, 12},  {13, TGLObject::Helvetica18, 18},
        {18, TGLObject::Helvetica18, 18},  {19, TGLObject::TimesRoman24, 24},
        {25, TGLObject::TimesRoman24, 24}, {0, TGLObject::Helvetica12, 24},
        {-3, TGLObject::Helvetica12, 24},
    };
    TGLObject object;
    for (const auto& c : cases) {
        object.SetFont(c.size);
        EXPECT_EQ(object.FontHandle, c.handle) << "size " << c.size;
        EXPECT_EQ(object.FontSize, c.settled) << "size " << c.size;
    }
}

class TGLObjectGl : public test::GlTest {
protected:
    // Draws text at window pixel (x, y) on a black frame and counts the lit pixels.
    int LitPixels(const std::string& text, int x, int y, int size) {
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
    static double RasterX() {
        GLdouble position[4];
        glGetDoublev(GL_CURRENT_RASTER_POSITION, position);
        return position[0];
    }
};

TEST_F(TGLObjectGl, DrawTextStartsAtTheGivenPixelInTheChosenSize) {
    EXPECT_EQ(LitPixels("", 20, 30, 12), 0);
    EXPECT_DOUBLE_EQ(RasterX(), 20.0);
    const int small = LitPixels("Scrivel", 10, 100, 10);
    const int large = LitPixels("Scrivel", 10, 100, 24);
    EXPECT_GT(small, 20);
    EXPECT_GT(large, small);
    EXPECT_GT(RasterX(), 60.0) << "the raster position advanced past the text";
    EXPECT_GT(LitPixels("\xE9", 50, 50, 18), 5) << "Latin-1 e acute is drawn, not dropped";
}

} // namespace
} // namespace scrivel
