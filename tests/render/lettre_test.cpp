#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace scrivel {
namespace {

TEST(TLettre, JokerStartsOnAnyLetterAndStepsWrapWhileOtherLettersStay) {
    std::srand(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        seen.insert(TLettre(0, nullptr, 1, 1).Letter);
    }
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(*seen.begin(), 'a');
    TLettre joker(0, nullptr, 1, 1);
    joker.SetLetter('a');
    joker.PreviousLetter();
    EXPECT_EQ(joker.Letter, 'z');
    joker.NextLetter();
    joker.NextLetter();
    EXPECT_EQ(joker.Letter, 'b');
    TLettre plain('k', nullptr, 1, 1);
    plain.NextLetter();
    plain.SetLetter('q');
    EXPECT_EQ(plain.Letter, 'k');
}

TEST(TLettre, JokerPulseSwellsBySixthOfItsWidthAndBack) {
    TLettre joker(0, nullptr, 1.2f, 1.0f);
    for (const float grow : {0.05f, 0.1f, 0.15f, 0.2f, 0.15f, 0.1f, 0.05f, 0.0f, 0.05f}) {
        EXPECT_NEAR(joker.Pulse(), grow, 1e-5);
    }
    EXPECT_EQ(TLettre('k', nullptr, 1.2f, 1.0f).Pulse(), 0.0f);
}

// An orthographic view of x 0..8, y 0..8 (32 pixels a unit), looking down -z.
class TLettreGl : public test::GlTest {
protected:
    void SetUp() override {
        test::GlTest::SetUp();
        glViewport(0, 0, kWidth, kHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 8, 0, 8, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glEnable(GL_DEPTH_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { glDisable(GL_DEPTH_TEST); }
    static std::uint32_t PixelAt(const std::vector<std::uint8_t>& frame, int x, int y) {
        return test::Rgb(&frame[(static_cast<std::size_t>(y) * kWidth + x) * 4]);
    }
};

TEST_F(TLettreGl, DrawShowsTheGlyphUprightOnTheFrontFace) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank("DejaVu Sans", 1, 0, 0, dir.path); // white on the quartered pattern 0
    bank.LoadPatterns();
    TLettre letter('i', &bank, 1.0f, 2.0f);
    glEnable(GL_TEXTURE_2D);
    letter.DrawAt('i', 3.0f, 5.0f, 2.0f);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "texturing is left off";
    EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bank.GlyphName('I')));
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_DECAL);
    EXPECT_EQ(test::GlInt(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(test::GlInt(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);

    // The cube covers x 2.5..3.5 and y 3..5: pixels 80..111 across, 96..159 up, with the
    // pattern's quarters where the bitmap had them and the white stem of the I in the middle.
    const std::vector<std::uint8_t> frame = Window().ReadPixels();
    for (const auto& [x, y] : {std::pair{78, 128}, {114, 128}, {96, 93}, {96, 162}}) {
        EXPECT_EQ(PixelAt(frame, x, y), 0u) << "outside at " << x << ", " << y;
    }
    EXPECT_EQ(PixelAt(frame, 83, 155), test::QuarterColour(0, 0)) << "top left";
    EXPECT_EQ(PixelAt(frame, 108, 155), test::QuarterColour(63, 0)) << "top right";
    EXPECT_EQ(PixelAt(frame, 83, 100), test::QuarterColour(0, 63)) << "bottom left";
    EXPECT_EQ(PixelAt(frame, 108, 100), test::QuarterColour(63, 63)) << "bottom right";
    int white = 0;
    for (int y = 110; y < 146; ++y) {
        white += (PixelAt(frame, 96, y) & 0xC0C0C0u) == 0xC0C0C0u ? 1 : 0;
    }
    EXPECT_GT(white, 20);
}

TEST_F(TLettreGl, ColourRunsFromGreenForAToMagentaAndAJokerFlickers) {
    const auto red = [] {
        std::array<float, 4> c{};
        glGetFloatv(GL_CURRENT_COLOR, c.data());
        EXPECT_FLOAT_EQ(c[0], c[2]);
        EXPECT_NEAR(c[1], 1.0f - c[0], 1e-6);
        return c[0];
    };
    TLettre letter('A', nullptr, 1.0f, 1.0f);
    letter.Draw();
    EXPECT_FLOAT_EQ(red(), 0.0f);
    letter.DrawAt('N', 3.0f, 5.0f);
    EXPECT_NEAR(red(), 0.5f, 1e-6);
    letter.DrawAt('q', 3.0f, 5.0f);
    EXPECT_FLOAT_EQ(red(), 1.0f) << "lower case is magenta";
    TLettre joker(0, nullptr, 1.0f, 1.0f);
    std::set<float> reds;
    for (int i = 0; i < 100; ++i) {
        joker.Draw();
        reds.insert(red());
    }
    EXPECT_GT(reds.size(), 10u);
    EXPECT_LE(*reds.rbegin(), 25.0f / 26.0f + 1e-6f);
}

TEST_F(TLettreGl, CellFrameIsAGreenOutlineWithTexturingOff) {
    TLettre letter(0, nullptr, 1.0f, 2.0f);
    glEnable(GL_TEXTURE_2D);
    letter.DrawCellFrame(3.0f, 5.0f);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_GT(letter.PulseOffset, 0.0f) << "a joker's frame pulses too";
    // The closing line of the loop crosses the front face from top right to bottom left.
    const std::vector<std::uint8_t> frame = Window().ReadPixels();
    int onLeftEdge = 0;
    for (int y = 100; y < 156; ++y) {
        for (int x = 77; x <= 83; ++x) {
            onLeftEdge += PixelAt(frame, x, y) == 0x33CC33u ? 1 : 0; // (0.2, 0.8, 0.2)
        }
    }
    EXPECT_GT(onLeftEdge, 40);
    EXPECT_EQ(PixelAt(frame, 86, 150), 0u);
}

} // namespace
} // namespace scrivel
