#include "render/found_words_mg.h"
#include "render/pattern_bank_gl.h"
#include "render/word.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

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
    EXPECT_FLOAT_EQ(words.Item(0).Target().x, 4.0f);
    EXPECT_FLOAT_EQ(words.Item(0).Target().y, 8.0f);
    // 6.625 units at 0.2 a tick: the size change takes 33 ticks.
    for (int tick = 1; tick < 33; ++tick) {
        words.Step();
    }
    EXPECT_TRUE(words.Item(0).Morphing());
    words.Step();
    EXPECT_FALSE(words.Item(0).Morphing());
    words.Add("w1", WordDirection::Horizontal, StartX(1), 4.0f, 2.0f);
    words.Add("w2", WordDirection::Vertical, StartX(2), 4.0f, 2.0f);
    EXPECT_EQ(words.Item(0).Text(), "w2");
    EXPECT_FLOAT_EQ(words.Item(0).Target().y, 8.0f);
    EXPECT_FLOAT_EQ(words.Item(1).Target().y, ColumnY(11));
    EXPECT_FLOAT_EQ(words.Item(2).Target().y, ColumnY(12));
}

TEST(TFoundWordsMg, OnlyTheTwentyNewestMove) {
    TFoundWordsMg words(nullptr);
    AddWords(words, 25);
    EXPECT_EQ(words.Count(), 20);
    EXPECT_EQ(words.Item(24).Text(), "w0");
    EXPECT_THROW(words.Item(25), std::out_of_range);
    EXPECT_FLOAT_EQ(words.Item(19).Target().y, ColumnY(29));
    EXPECT_FLOAT_EQ(words.Item(20).Target().y, ColumnY(29)) << "kept from when shown";
    words.Step();
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(words.Item(i).Location().x != StartX(24 - i), i < 20) << "word " << i;
    }
    words.Clear();
    EXPECT_EQ(words.Count(), 0);
}

using TFoundWordsMgGl = test::PatternBankGl;

TEST_F(TFoundWordsMgGl, OnlyStepsMoveTheWordsDrawingTwiceShowsTheSameFrame) {
    TFoundWordsMg words(&bank_);
    AddWords(words, 3);
    Ortho(-4, 6, 0, 10, -10, 10); // the grid's top row and the head
    const auto frame = [&words] { return DrawnFrame([&words] { words.Draw(); }); };
    for (int tick = 0; tick < 5; ++tick) {
        words.Step();
    }
    const std::vector<std::uint8_t> first = frame();
    EXPECT_GT(LitPixels(first), 1000) << "the words are in sight";
    EXPECT_TRUE(frame() == first) << "a second draw in the same tick";
    // The newest word has flown 5 ticks of 0.2 towards the head, drawing or not.
    EXPECT_NEAR(words.Item(0).Location().x, StartX(2) + 1.0f, 1e-5);
    words.Step();
    EXPECT_NEAR(words.Item(0).Location().x, StartX(2) + 1.2f, 1e-5);
    EXPECT_FALSE(frame() == first) << "the next tick moved them";
}

} // namespace
} // namespace scrivel
