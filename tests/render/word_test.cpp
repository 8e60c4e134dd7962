#include "render/word.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TWord, ShrinksEvenlyOverTheFlightAlongXThenLiesAcross) {
    TWord word(nullptr, "abc", 1.0f, 3.0f, 2.0f, true);
    word.SetMoveTarget(3.0f, 8.0f, 3.0f, 0, 0, 0);
    word.SetMoveSpeed(0.25f); // 8 ticks along x
    word.StartMorph(1.0f, 0.5f, 0.25f, 0.25f);
    EXPECT_EQ(word.MorphSteps, 8);
    word.MorphStep();
    EXPECT_FLOAT_EQ(word.Width, 1.0f - 0.75f / 8);
    EXPECT_FLOAT_EQ(word.Height, 0.5f - 0.25f / 8);
    for (int tick = 2; tick < 8; ++tick) {
        word.MorphStep();
    }
    word.Draw();
    EXPECT_TRUE(word.Vertical) << "still drawn down while it shrinks";
    word.MorphStep();
    word.MorphStep();
    EXPECT_FALSE(word.Morphing);
    EXPECT_EQ(word.Width, 0.25f) << "the last step lands exactly on the final size";
    word.Draw();
    EXPECT_FALSE(word.Vertical) << "an arrived word is drawn across for good";
}

TEST(TWord, FlightWithoutHorizontalExtentKeepsItsSizeAndDirection) {
    TWord word(nullptr, "mot", 4.0f, 1.0f, 2.0f, true);
    word.SetMoveTarget(4.0f, 8.0f, 3.0f, 0, 0, 0);
    word.SetMoveSpeed(0.2f);
    word.StartMorph(0.5f, 0.5f, 0.25f, 0.25f);
    EXPECT_EQ(word.MorphSteps, 0);
    word.MorphStep();
    word.Draw();
    EXPECT_FLOAT_EQ(word.Width, 0.5f);
    EXPECT_TRUE(word.Vertical);
}

} // namespace
} // namespace scrivel
