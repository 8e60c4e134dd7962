#include "model/letter_array.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

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

TEST(TLetterArray, DropLandsOnTopOfTheColumnAndRefusesOutsideTheGridOrAFullColumn) {
    TLetterArray grid(4);
    // Rows past the bottom count as the bottom row.
    for (const auto& [row, letter] : {std::pair{0, 'a'}, {3, 'b'}, {99, 'c'}, {2, 'd'}}) {
        EXPECT_TRUE(grid.Drop(1, row, static_cast<std::uint8_t>(letter))) << letter;
    }
    EXPECT_EQ(Column(grid, 1), "dcba");
    for (const auto& [column, row] : {std::pair{1, 0}, {0, -1}, {-1, 2}, {4, 2}}) {
        EXPECT_FALSE(grid.Drop(column, row, 'z')) << column << "," << row;
    }
    EXPECT_EQ(Column(grid, 0) + Column(grid, 1), "....dcba");
}

TEST(TLetterArray, NeverReachesOutsideItsStorageAndClearEmptiesItAll) {
    TLetterArray grid(40); // clamped to the storage
    EXPECT_EQ(grid.Rows(), TLetterArray::MaxSize);
    grid.SetCell(32, 0, 'a');
    grid.SetCell(0, -1, 'a');
    EXPECT_EQ(grid.Cell(32, 0) + grid.Cell(0, -1) + grid.Cell(-5, 100), 0);
    grid.SetSize(-3);
    EXPECT_FALSE(grid.Drop(0, 0, 'a'));
    // Cells outside the size in use are emptied too.
    grid.SetSize(8);
    grid.Drop(7, 7, 'a');
    grid.SetSize(4);
    grid.Clear();
    grid.SetSize(8);
    EXPECT_EQ(grid.Cell(7, 7), 0);
}

} // namespace
} // namespace scrivel
