#include "render/word.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TWord, ShrinksEvenlyOverTheFlightAlongXThenLiesAcross) {
    TWord word(nullptr, "abc", 1.0f, 3.0f, 2.0f, true);
    word.FlyTo(3.0f, 8.0f, 3.0f, 0.25f); // 8 ticks along x
    word.StartMorph(1.0f, 0.5f, 0.25f, 0.25f);
    word.Step();
    EXPECT_FLOAT_EQ(word.Location().x, 1.25f);
    EXPECT_FLOAT_EQ(word.Location().y, 3.25f);
    EXPECT_FLOAT_EQ(word.Width(), 1.0f - 0.75f / 8);
    EXPECT_FLOAT_EQ(word.Height(), 0.5f - 0.25f / 8);
    for (int tick = 2; tick < 8; ++tick) {
        word.Step();
    }
    EXPECT_TRUE(word.Morphing());
    EXPECT_TRUE(word.DrawnDown()) << "still drawn down while it shrinks";
    word.Step();
    EXPECT_FALSE(word.Morphing());
    EXPECT_EQ(word.Width(), 0.25f) << "the last step lands exactly on the final size";
    EXPECT_FALSE(word.DrawnDown()) << "an arrived word is drawn across";
    word.Step();
    EXPECT_EQ(word.Width(), 0.25f);
    EXPECT_FALSE(word.DrawnDown()) << "for good";
}

TEST(TWord, FlightWithoutHorizontalExtentKeepsItsSizeAndDirection) {
    TWord word(nullptr, "mot", 4.0f, 1.0f, 2.0f, true);
    word.FlyTo(4.0f, 8.0f, 3.0f, 0.2f);
    word.StartMorph(0.5f, 0.5f, 0.25f, 0.25f);
    word.Step();
    word.Step();
    EXPECT_FLOAT_EQ(word.Location().y, 1.4f);
    EXPECT_FLOAT_EQ(word.Width(), 0.5f);
    EXPECT_TRUE(word.DrawnDown());
}

} // namespace
} // namespace scrivel
