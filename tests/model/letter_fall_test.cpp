#include "model/letter_array.h"
#include "model/letter_fall.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace scrivel {
namespace {

// A grid laid out as the view lays it out: 6 by 4 units, centred on x = 0, top row at y = 4, and
// one letter falling in it.
struct Board {
    int n;
    float w, h;
    TLetterArray cells;
    LetterFall::Grid grid;
    LetterFall letter;
    float y = 0.0f;
    explicit Board(int size)
        : n(size), w(6.0f / size), h(4.0f / size), cells(size),
          grid(FallGrid{&cells, size, 0.5f * w - 0.5f * size * w, size * h}) {}
    void Fill(int c, int top) { // from row top down to the bottom of column c
        for (int r = top; r < n; ++r) {
            cells.SetCell(c, r, 'x');
        }
    }
    float RowY(int r) const { return grid->Top - r * h; }
    void Place(int column, float height) {
        letter.SetColumn(grid, static_cast<std::int16_t>(column), w);
        y = letter.ClampY(grid, height, h);
    }
    int Row() const { return letter.CurrentRow(grid, y, h); }
    bool Left() { return letter.MoveLeft(grid, y, h); }
    bool Right() { return letter.MoveRight(grid, y, h); }
    // Falls until the letter rests, checking that the rows go down one at a time; returns them.
    std::set<int> FallToRest() {
        std::set<int> rows{Row()};
        for (int tick = 0; !letter.Fall(grid, y, h); ++tick) {
            const int row = Row();
            EXPECT_TRUE(row == *rows.rbegin() || row == *rows.rbegin() + 1) << row;
            const int ahead = letter.RowAhead(grid, y, h);
            EXPECT_TRUE(ahead == row || ahead == row - 1);
            rows.insert(row);
            if (tick > 1000) {
                ADD_FAILURE() << "never came to rest";
                break;
            }
        }
        return rows;
    }
};

TEST(LetterFall, RestsOnTheBottomOrOnALetterSnappedOntoItsRow) {
    Board b(8);
    b.Place(3, b.RowY(-3));
    EXPECT_EQ(b.FallToRest(), (std::set<int>{-2, -1, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FLOAT_EQ(b.y, b.RowY(7));
    b.Fill(3, 5);
    b.y = b.RowY(-1) - 0.17f;
    EXPECT_LT(*b.FallToRest().rbegin(), 5) << "entered an occupied cell";
    EXPECT_EQ(b.Row(), 4);
    EXPECT_FLOAT_EQ(b.y, b.RowY(4));
    // A full column: the look-ahead reads row -1 as empty and the letter stops above the grid.
    b.Fill(3, 0);
    b.y = b.RowY(-4);
    EXPECT_EQ(*b.FallToRest().rbegin(), -1);
    EXPECT_FLOAT_EQ(b.y, b.RowY(-1));
}

TEST(LetterFall, FastDropLandsAndGetsItsOldSpeedBack) {
    Board b(8);
    b.Fill(3, 6);
    b.Place(3, b.RowY(0));
    b.letter.DropFast(b.h);
    EXPECT_FLOAT_EQ(b.letter.Speed, -b.h / 6.0f - 0.2f * b.h);
    b.letter.DropFast(b.h);
    EXPECT_FLOAT_EQ(b.letter.SavedSpeed, -0.1f) << "a second call must not save the fast speed";
    b.FallToRest();
    EXPECT_FLOAT_EQ(b.y, b.RowY(5));
    EXPECT_FALSE(b.letter.Fast);
    EXPECT_FLOAT_EQ(b.letter.Speed, -0.1f);
}

TEST(LetterFall, MovesSidewaysOnlyIntoFreeCellsOfTheGrid) {
    Board b(8);
    b.Fill(2, 4);
    b.Place(3, b.RowY(5));
    EXPECT_FALSE(b.Left()) << "cell (2, 5) is taken";
    EXPECT_TRUE(b.Right());
    EXPECT_EQ(b.letter.Column, 4);
    EXPECT_FLOAT_EQ(b.letter.SetColumn(b.grid, b.letter.Column, b.w), b.grid->Left + 4 * b.w);
    // Just above the grid (row -1) nothing blocks; neither does anything well above it.
    b.Fill(3, 0);
    b.y = b.RowY(-1) + 0.1f;
    EXPECT_TRUE(b.Left());
    b.y = b.RowY(-5);
    EXPECT_TRUE(b.Right());
    // The edges hold; a column outside the grid is ignored.
    b.Place(7, b.RowY(-5));
    EXPECT_FALSE(b.Right());
    b.letter.SetColumn(b.grid, 8, b.w);
    EXPECT_EQ(b.letter.Column, 7);
    b.Place(0, b.RowY(-5));
    EXPECT_FALSE(b.Left());
    EXPECT_FLOAT_EQ(b.letter.ClampY(b.grid, -50.0f, b.h), b.RowY(7)) << "never under the bottom";
}

TEST(LetterFall, StartsInOneOfTheFirstSizeMinusOneColumns) {
    std::srand(7);
    for (const int size : {1, 12}) {
        Board b(size);
        std::set<int> columns;
        for (int i = 0; i < 500; ++i) {
            columns.insert(LetterFall::StartColumn(b.grid));
        }
        EXPECT_EQ(columns.size(), size == 1 ? 1u : 11u);
        EXPECT_EQ(*columns.rbegin(), size == 1 ? 0 : 10);
    }
    EXPECT_EQ(LetterFall::StartColumn(std::nullopt), 0);
}

} // namespace
} // namespace scrivel
