#include "render/bitmap_text.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace scrivel {
namespace {

TEST(TBitmapText, SetFontRoundsUpToTheFourBitmapSizes) {
    using Face = TBitmapText::Face;
    const struct {
        int size;
        Face face;
        int settled;
    } cases[] = {
        {10, Face::TimesRoman10, 10}, {11, Face::Helvetica12, 12}, {18, Face::Helvetica18, 18},
        {19, Face::TimesRoman24, 24}, {0, Face::Helvetica12, 24},
    };
    TBitmapText text;
    for (const auto& c : cases) {
        text.SetFont(c.size);
        EXPECT_EQ(text.CurrentFace(), c.face) << c.size;
        EXPECT_EQ(text.CurrentSize(), c.settled) << c.size;
    }
}

class TBitmapTextGl : public test::GlTest {
protected:
    // Draws white text at window pixel (10, 100) on a black frame and counts the lit pixels.
    int LitPixels(const std::string& words, int size) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        Ortho(0, kWidth, 0, kHeight, -1, 1);
        glColor3f(1, 1, 1);
        TBitmapText text;
        text.SetFont(size);
        text.DrawText(10, 100, words);
        const std::vector<std::uint8_t> pixels = Window().ReadPixels();
        int lit = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            lit += pixels[i] > 128 ? 1 : 0;
        }
        return lit;
    }
};

TEST_F(TBitmapTextGl, DrawTextDrawsLatin1InTheChosenSize) {
    const int small = LitPixels("Scrivel", 10);
    EXPECT_GT(small, 20);
    EXPECT_GT(LitPixels("Scrivel", 24), small);
    EXPECT_GT(LitPixels("\xE9", 18), 5); // e acute is drawn, not dropped
}

} // namespace
} // namespace scrivel
