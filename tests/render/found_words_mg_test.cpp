#include "feedback.h"
#include "render/font_tex_mg.h"
#include "render/found_words_mg.h"
#include "render/lettre.h"
#include "support/gl_fixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace scrivel {
namespace {

// The view's layout for an 8 x 8 grid: letters from the cell size down to 0.25, head at (4, 8, 3).
constexpr float kFinal = 0.25f;
constexpr float kHeadY = 8.0f;

void LayOut(TFoundWordsMg& words) {
    words.SetLayout(0.75f, 0.5f, kFinal, kFinal);
    words.SetHead(4.0f, kHeadY, 3.0f);
}

// Word k starts from a cell of the grid's top row.
float StartX(int k) {
    return -2.625f + 0.75f * static_cast<float>(k % 8);
}
void AddWords(TFoundWordsMg& words, int count) {
    for (int k = 0; k < count; ++k) {
        words.Add("w" + std::to_string(k), k % 2, StartX(k), 4.0f, 2.0f);
    }
}

float ColumnY(int rows) {
    return kHeadY - static_cast<float>(rows) * kFinal * 1.15f;
}

TEST(TFoundWordsMg, FirstWordFliesToTheHeadAndShrinksOnTheWay) {
    TFoundWordsMg words(nullptr);
    LayOut(words);
    words.Add("chat", 1, -2.625f, 4.0f, 2.0f);
    ASSERT_EQ(words.Count(), 1);
    const TWord& word = *words.Words->Items(0);
    EXPECT_TRUE(word.Vertical);
    EXPECT_FLOAT_EQ(word.Target.x, 4.0f);
    EXPECT_FLOAT_EQ(word.Target.y, kHeadY);
    EXPECT_FLOAT_EQ(word.Step.x, 0.2f);
    EXPECT_FLOAT_EQ(word.Width, 0.75f);
    EXPECT_EQ(word.MorphSteps, 33) << "6.625 units at 0.2 a tick";
}

TEST(TFoundWordsMg, OlderWordsSlideDownTheColumn) {
    TFoundWordsMg words(nullptr);
    LayOut(words);
    AddWords(words, 3);
    ASSERT_EQ(words.Count(), 3);
    EXPECT_EQ(words.Words->Items(0)->Text, "w2");
    EXPECT_FLOAT_EQ(words.Words->Items(0)->Target.y, kHeadY);
    EXPECT_FLOAT_EQ(words.Words->Items(1)->Target.y, ColumnY(11));
    EXPECT_FLOAT_EQ(words.Words->Items(2)->Target.y, ColumnY(12));
    for (int i = 1; i < 3; ++i) {
        const TWord& older = *words.Words->Items(i);
        EXPECT_FLOAT_EQ(older.Target.x, 4.0f);
        EXPECT_FLOAT_EQ(older.Target.z, 3.0f);
        EXPECT_FLOAT_EQ(std::fabs(older.Step.y), 0.05f);
        EXPECT_FLOAT_EQ(older.Location.y, 4.0f) << "Add moves nothing itself";
    }
}

TEST(TFoundWordsMg, OnlyTheTwentyNewestMoveAndClearLeavesNone) {
    TFoundWordsMg words(nullptr);
    LayOut(words);
    AddWords(words, 25);
    EXPECT_EQ(words.Words->Count(), 25);
    EXPECT_EQ(words.Count(), 20);
    EXPECT_FLOAT_EQ(words.Words->Items(19)->Target.y, ColumnY(29));
    EXPECT_FLOAT_EQ(words.Words->Items(20)->Target.y, ColumnY(29))
        << "the 21st newest keeps the target it had when it was still shown";
    words.Animate();
    for (int i = 0; i < 25; ++i) {
        const TWord& word = *words.Words->Items(i);
        EXPECT_EQ(word.Location.x != StartX(24 - i), i < 20) << "word " << i;
    }

    words.Clear();
    EXPECT_EQ(words.Count(), 0);
    words.Add("fin", 0, 0.0f, 4.0f, 2.0f);
    EXPECT_EQ(words.Words->Count(), 1);
    EXPECT_FLOAT_EQ(words.Words->Items(0)->Target.y, kHeadY);
}

class TFoundWordsMgGl : public test::GlTest {};

TEST_F(TFoundWordsMgGl, AnimateDrawsOnlyTheTwentyNewest) {
    TFontTexMg bank("Arial", 1, 0, 0, "/nowhere/");
    bank.DrawLetter = std::make_unique<TLettre>('A', &bank, 0.25f, 0.25f);
    TFoundWordsMg words(&bank);
    LayOut(words);
    for (int k = 0; k < 25; ++k) {
        words.Add("x", 0, 0.0f, 4.0f, 2.0f);
    }
    EXPECT_EQ(test::CaptureCubes([&] { words.Animate(); }).size(), 20u);
}

} // namespace
} // namespace scrivel
