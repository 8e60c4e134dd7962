#include "model/score_table.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(ScoreTable, ScoreIsTheNumberAfterTheLastEquals) {
    EXPECT_EQ(ScoreOfLine("Anonyme=250"), 250);
    EXPECT_EQ(ScoreOfLine("a=b=640"), 640);
    EXPECT_EQ(ScoreOfLine("Bob=-5"), -5);
    EXPECT_EQ(ScoreOfLine("Bob="), 0);
    EXPECT_EQ(ScoreOfLine("Bob=12x"), 0);
    EXPECT_EQ(ScoreOfLine("no equals"), 0);
    EXPECT_EQ(ScoreOfLine("Big=99999999999999"), 0);
}

TEST(ScoreTable, CompareOrdersHighestFirstWithoutOverflow) {
    EXPECT_LT(CompareScores("b=640", "a=90"), 0);
    EXPECT_GT(CompareScores("a=90", "b=640"), 0);
    EXPECT_EQ(CompareScores("a=90", "b=90"), 0);
    EXPECT_LT(CompareScores("a=2147483647", "b=-2147483648"), 0);
}

} // namespace
} // namespace scrivel
