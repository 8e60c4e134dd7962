#include "skin/image_list.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace scrivel {
namespace {

TEST(TImageList, HoldsCopiesOfEqualSizeImagesInOrder) {
    TImageList list(23, 23);
    platform::Bitmap red(23, 23);
    red.Fill(0x0000FF);
    platform::Bitmap blue(23, 23);
    blue.Fill(0xFF0000);
    EXPECT_EQ(list.Add(red), 0);
    EXPECT_EQ(list.Add(blue), 1);
    red.Fill(0x00FF00); // the list kept its own copy
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Image(0).Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(list.Image(1).Pixel(22, 22), 0xFF0000u);

    platform::Bitmap glyph = list.GetBitmap(1);
    glyph.Fill(0);
    EXPECT_EQ(list.Image(1).Pixel(0, 0), 0xFF0000u);
}

TEST(TImageList, RefusesOtherSizesAndMissingIndices) {
    TImageList list(23, 23);
    EXPECT_THROW(list.Add(platform::Bitmap(23, 22)), std::invalid_argument);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_THROW(list.Image(0), std::out_of_range);
    EXPECT_THROW(list.GetBitmap(-1), std::out_of_range);
    EXPECT_THROW(TImageList(0, 23), std::invalid_argument);
}

} // namespace
} // namespace scrivel
