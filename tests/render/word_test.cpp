#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "render/word.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TWord, ShrinksEvenlyOverTheFlightAlongXThenLiesAcross) {
    TWord word(nullptr, "abc", 1.0f, 3.0f, 2.0f, true);
    word.SetMoveTarget(3.0f, 8.0f, 3.0f, 0, 0, 0);
    word.SetMoveSpeed(0.25f); // 8 ticks along x
    word.StartMorph(1.0f, 0.5f, 0.25f, 0.25f);
    EXPECT_EQ(word.MorphSteps, 8);
    for (int tick = 1; tick < 8; ++tick) {
        word.MorphStep();
        EXPECT_FLOAT_EQ(word.Width, 1.0f - tick * 0.75f / 8);
        EXPECT_FLOAT_EQ(word.Height, 0.5f - tick * 0.25f / 8);
    }
    word.Draw();
    EXPECT_TRUE(word.Vertical) << "still drawn down while it shrinks";
    word.MorphStep();
    word.MorphStep();
    EXPECT_FALSE(word.Morphing);
    EXPECT_EQ(word.Width, 0.25f) << "the last step lands exactly on the final size";
    EXPECT_EQ(word.Height, 0.25f);
    word.Draw();
    EXPECT_FALSE(word.Vertical) << "an arrived word is drawn across for good";
}

TEST(TWord, FlightWithoutHorizontalExtentKeepsItsSizeAndDirection) {
    TWord word(nullptr, "mot", 4.0f, 1.0f, 2.0f, true);
    word.SetMoveTarget(4.0f, 8.0f, 3.0f, 0, 0, 0);
    word.SetMoveSpeed(0.2f);
    word.StartMorph(0.5f, 0.5f, 0.25f, 0.25f);
    EXPECT_EQ(word.MorphSteps, 0);
    for (int tick = 0; tick < 5; ++tick) {
        word.MorphStep();
        word.Draw();
    }
    EXPECT_TRUE(word.Vertical);
    EXPECT_FLOAT_EQ(word.Width, 0.5f);
    TWord still(nullptr, "mot", 0.0f, 0.0f, 0.0f, false); // no flight: no step to divide by
    still.StartMorph(0.5f, 0.5f, 0.25f, 0.25f);
    EXPECT_EQ(still.MorphSteps, 0);
}

class TWordGl : public test::GlTest {};

TEST_F(TWordGl, DrawnDownThenAcrossSlantedByTheFinalHeight) {
    TFontTexMg bank("Arial", 1, 0, 0, "/nowhere/");
    bank.DrawLetter = std::make_unique<TLettre>('A', &bank, 0.25f, 0.25f);
    TWord word(&bank, "abc", 1.0f, 3.0f, 2.0f, true);
    word.SetMoveTarget(3.0f, 8.0f, 3.0f, 0, 0, 0);
    word.SetMoveSpeed(0.25f);
    word.StartMorph(1.0f, 0.5f, 0.25f, 0.25f);
    auto cubes = test::CaptureCubes([&] { word.Draw(); });
    ASSERT_EQ(cubes.size(), 3u);
    EXPECT_GT(cubes[0].centre.y - cubes[2].centre.y, 0.9f) << "letters go down";
    for (int tick = 0; tick < 8; ++tick) {
        word.MorphStep();
    }
    cubes = test::CaptureCubes([&] { word.Draw(); });
    ASSERT_EQ(cubes.size(), 3u);
    EXPECT_NEAR(cubes[1].centre.x - cubes[0].centre.x, 0.25f - 0.25f * 0.125f, 1e-3);
}

} // namespace
} // namespace scrivel
