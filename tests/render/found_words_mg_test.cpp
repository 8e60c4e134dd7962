#include "render/found_words_mg.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel {
namespace {

// The view's layout for an 8 x 8 grid: letters from the cell size down to 0.25, head at (4, 8, 3).
float ColumnY(int rows) {
    return 8.0f - static_cast<float>(rows) * 0.25f * 1.15f;
}
float StartX(int k) {
    return -2.625f + 0.75f * static_cast<float>(k % 8); // a cell of the grid's top row
}
void AddWords(TFoundWordsMg& words, int count) {
    words.SetLayout(0.75f, 0.5f, 0.25f, 0.25f);
    words.SetHead(4.0f, 8.0f, 3.0f);
    for (int k = 0; k < count; ++k) {
        words.Add("w" + std::to_string(k),
                  k % 2 == 0 ? WordDirection::Vertical : WordDirection::Horizontal, StartX(k), 4.0f,
                  2.0f);
    }
}

TEST(TFoundWordsMg, NewestFliesToTheHeadAndOlderWordsSlideDown) {
    TFoundWordsMg words(nullptr);
    AddWords(words, 1);
    EXPECT_FLOAT_EQ(words.Words->Items(0)->Target.x, 4.0f);
    EXPECT_FLOAT_EQ(words.Words->Items(0)->Target.y, 8.0f);
    EXPECT_EQ(words.Words->Items(0)->MorphSteps, 33) << "6.625 units at 0.2 a tick";
    words.Add("w1", WordDirection::Horizontal, StartX(1), 4.0f, 2.0f);
    words.Add("w2", WordDirection::Vertical, StartX(2), 4.0f, 2.0f);
    EXPECT_EQ(words.Words->Items(0)->Text, "w2");
    EXPECT_FLOAT_EQ(words.Words->Items(0)->Target.y, 8.0f);
    EXPECT_FLOAT_EQ(words.Words->Items(1)->Target.y, ColumnY(11));
    EXPECT_FLOAT_EQ(words.Words->Items(2)->Target.y, ColumnY(12));
}

TEST(TFoundWordsMg, OnlyTheTwentyNewestMove) {
    TFoundWordsMg words(nullptr);
    AddWords(words, 25);
    EXPECT_EQ(words.Words->Count(), 25);
    EXPECT_EQ(words.Count(), 20);
    EXPECT_FLOAT_EQ(words.Words->Items(19)->Target.y, ColumnY(29));
    EXPECT_FLOAT_EQ(words.Words->Items(20)->Target.y, ColumnY(29)) << "kept from when shown";
    words.Animate();
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(words.Words->Items(i)->Location.x != StartX(24 - i), i < 20) << "word " << i;
    }
    words.Clear();
    EXPECT_EQ(words.Count(), 0);
}

} // namespace
} // namespace scrivel
