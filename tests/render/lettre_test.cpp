#include "render/lettre.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace scrivel {
namespace {

TEST(TLettre, PlainLetterKeepsItsCodeAndPlacementDefaults) {
    TLettre letter('k', nullptr, 0.5f, 0.75f);
    EXPECT_EQ(letter.Letter, 'k');
    EXPECT_FALSE(letter.Joker);
    EXPECT_FLOAT_EQ(letter.z, 2.0f);
    EXPECT_FLOAT_EQ(letter.Width, 0.5f);
    EXPECT_FLOAT_EQ(letter.Height, 0.75f);
    EXPECT_FLOAT_EQ(letter.PulseOffset, 0.0f);
    EXPECT_FLOAT_EQ(letter.PulseStep, 0.05f);
    // The changers leave a letter that is not a joker alone.
    letter.NextLetter();
    letter.PreviousLetter();
    letter.SetLetter('q');
    EXPECT_EQ(letter.Letter, 'k');
    // The tile size goes through the virtual setters.
    TGLObject& base = letter;
    base.SetWidth(1.5f);
    base.SetHeight(2.5f);
    EXPECT_FLOAT_EQ(letter.Width, 1.5f);
    EXPECT_FLOAT_EQ(letter.Height, 2.5f);
}

TEST(TLettre, JokerStartsOnAnyLowerCaseLetter) {
    std::srand(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        TLettre joker(0, nullptr, 1, 1);
        ASSERT_TRUE(joker.Joker);
        ASSERT_GE(joker.Letter, 'a');
        ASSERT_LE(joker.Letter, 'z');
        seen.insert(joker.Letter);
    }
    EXPECT_EQ(seen.size(), 26u);
}

TEST(TLettre, JokerStepsWrapBetweenAAndZ) {
    TLettre joker(0, nullptr, 1, 1);
    joker.SetLetter('a');
    joker.PreviousLetter();
    EXPECT_EQ(joker.Letter, 'z');
    joker.NextLetter();
    EXPECT_EQ(joker.Letter, 'a');
    joker.NextLetter();
    EXPECT_EQ(joker.Letter, 'b');
    joker.SetLetter('y');
    joker.NextLetter();
    joker.NextLetter();
    EXPECT_EQ(joker.Letter, 'a');
    EXPECT_TRUE(joker.Joker);
}

} // namespace
} // namespace scrivel
