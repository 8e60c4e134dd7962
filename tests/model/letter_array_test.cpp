#include "model/letter_array.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel {
namespace {

// The column from top to bottom, '.' for an empty cell.
std::string Column(const TLetterArray& grid, int column) {
    std::string text;
    for (int row = 0; row < grid.Rows(); ++row) {
        const auto c = grid.Cell(column, row);
        text += c == 0 ? '.' : static_cast<char>(c);
    }
    return text;
}

TEST(TLetterArray, DropLandsOnTopOfTheColumnAndRefusesAboveOutsideAndFullColumns) {
    TLetterArray grid(4);
    EXPECT_TRUE(grid.Drop(1, 0, 'a'));
    EXPECT_TRUE(grid.Drop(1, 3, 'b'));
    EXPECT_TRUE(grid.Drop(1, 99, 'c')); // rows past the bottom count as the bottom row
    EXPECT_TRUE(grid.Drop(1, 0, 'd'));
    EXPECT_FALSE(grid.Drop(1, 0, 'z'));
    EXPECT_EQ(Column(grid, 1), "dcba");
    EXPECT_FALSE(grid.Drop(0, -1, 'a'));
    EXPECT_FALSE(grid.Drop(-1, 2, 'a'));
    EXPECT_FALSE(grid.Drop(4, 2, 'a'));
    EXPECT_EQ(Column(grid, 0), "....");
}

TEST(TLetterArray, SettleCloseGapsKeepingOrder) {
    TLetterArray grid(7);
    grid.SetCell(2, 1, 'x');
    grid.SetCell(2, 2, 'y');
    grid.SetCell(2, 6, 'z');
    grid.SetCell(3, 0, 'p');
    grid.SetCell(3, 6, 'q');
    grid.Settle();
    EXPECT_EQ(Column(grid, 2), "....xyz");
    EXPECT_EQ(Column(grid, 3), ".....pq");
}

TEST(TLetterArray, NeverReachesOutsideItsStorage) {
    TLetterArray grid(40); // clamped to the storage
    EXPECT_EQ(grid.Rows(), TLetterArray::MaxSize);
    grid.SetCell(32, 0, 'a');
    grid.SetCell(0, -1, 'a');
    EXPECT_EQ(grid.Cell(32, 0), 0);
    EXPECT_EQ(grid.Cell(0, -1), 0);
    EXPECT_EQ(grid.Cell(-5, 100), 0);
    grid.SetSize(-3);
    EXPECT_FALSE(grid.Drop(0, 0, 'a'));
}

TEST(TLetterArray, ClearEmptiesCellsOutsideTheUsedSizeToo) {
    TLetterArray grid(8);
    grid.Drop(7, 7, 'a');
    grid.SetSize(4);
    grid.Clear();
    grid.SetSize(8);
    EXPECT_EQ(grid.Cell(7, 7), 0);
}

} // namespace
} // namespace scrivel
