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
        {10, TGLObject::TimesRoman10, 10}, {11, TGLObject::Helvetica12, 12},
        {18, TGLObject::Helvetica18, 18},  {19, TGLObject::TimesRoman24, 24},
        {0, TGLObject::Helvetica12, 24},
    };
    TGLObject object;
    for (const auto& c : cases) {
        object.SetFont(c.size);
        EXPECT_EQ(object.FontHandle, c.handle) << c.size;
        EXPECT_EQ(object.FontSize, c.settled) << c.size;
    }
}

class TGLObjectGl : public test::GlTest {
protected:
    // Draws white text at window pixel (10, 100) on a black frame and counts the lit pixels.
    int LitPixels(const std::string& text, int size) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        Ortho(0, kWidth, 0, kHeight, -1, 1);
        glColor3f(1, 1, 1);
        TGLObject object;
        object.SetFont(size);
        object.DrawText(10, 100, text);
        const std::vector<std::uint8_t> pixels = Window().ReadPixels();
        int lit = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            lit += pixels[i] > 128 ? 1 : 0;
        }
        return lit;
    }
};

TEST_F(TGLObjectGl, DrawTextDrawsLatin1InTheChosenSize) {
    const int small = LitPixels("Scrivel", 10);
    EXPECT_GT(small, 20);
    EXPECT_GT(LitPixels("Scrivel", 24), small);
    EXPECT_GT(LitPixels("\xE9", 18), 5); // e acute is drawn, not dropped
}

} // namespace
} // namespace scrivel
