#include "render/found_word_list.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace scrivel {
namespace {

std::unique_ptr<TWord> Word(const char* text) {
    return std::make_unique<TWord>(nullptr, text, 0.0f, 0.0f, 0.0f, false);
}

TEST(TFoundWordList, InsertsAtTheFrontAndChecksEveryIndex) {
    TFoundWordList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_THROW(list.Items(0), std::out_of_range);
    list.Insert(0, Word("a"));
    list.Insert(0, Word("b"));
    list.Insert(2, nullptr); // an empty slot is allowed
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(0)->Text, "b");
    EXPECT_EQ(list.Items(1)->Text, "a");
    EXPECT_EQ(list.Items(2), nullptr);
    EXPECT_THROW(list.Items(3), std::out_of_range);
    EXPECT_THROW(list.Items(-1), std::out_of_range);
    EXPECT_THROW(list.Insert(5, Word("c")), std::out_of_range);
    EXPECT_THROW(list.Insert(-1, Word("c")), std::out_of_range);
    EXPECT_EQ(list.Count(), 3);
}

} // namespace
} // namespace scrivel
