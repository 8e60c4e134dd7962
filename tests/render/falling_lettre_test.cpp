#include "model/letter_array.h"
#include "render/falling_lettre.h"
#include "render/grid.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace scrivel {
namespace {

// A grid laid out as the view lays it out: 6 by 4 units, centred on x = 0, top row at y = 4.
struct Board {
    int n;
    float w, h;
    TLetterArray cells;
    TGrid grid;
    explicit Board(int size)
        : n(size), w(6.0f / size), h(4.0f / size), cells(size),
          grid(nullptr, static_cast<std::int16_t>(size), w, h) {
        grid.Location = {0.5f * w - 0.5f * size * w, size * h, 2.0f};
        grid.SetLetterArray(&cells);
    }
    void Fill(int c, int top) { // from row top down to the bottom of column c
        for (int r = top; r < n; ++r) {
            cells.SetCell(c, r, 'x');
        }
    }
    float RowY(int r) const { return grid.Location.y - r * h; }
    float ColumnX(int c) const { return grid.Location.x + c * w; }
    TFallingLettre Letter(int column, float y) {
        TFallingLettre letter('k', nullptr, &grid, w, h);
        letter.SetColumn(static_cast<std::int16_t>(column));
        letter.SetY(y);
        return letter;
    }
};

// Falls until the letter rests, checking that the rows go down one at a time; returns them.
std::set<int> FallToRest(TFallingLettre& letter) {
    std::set<int> rows{letter.CurrentRow()};
    for (int tick = 0; !letter.Fall(); ++tick) {
        const int row = letter.CurrentRow();
        EXPECT_TRUE(row == *rows.rbegin() || row == *rows.rbegin() + 1) << row;
        EXPECT_TRUE(letter.RowAhead() == row || letter.RowAhead() == row - 1);
        rows.insert(row);
        if (tick > 1000) {
            ADD_FAILURE() << "never came to rest";
            break;
        }
    }
    return rows;
}

TEST(TFallingLettre, RestsOnTheBottomOrOnALetterSnappedOntoItsRow) {
    Board b(8);
    TFallingLettre letter = b.Letter(3, b.RowY(-3));
    EXPECT_EQ(FallToRest(letter), (std::set<int>{-2, -1, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FLOAT_EQ(letter.y, b.RowY(7));
    b.Fill(3, 5);
    letter.SetY(b.RowY(-1) - 0.17f);
    EXPECT_LT(*FallToRest(letter).rbegin(), 5) << "entered an occupied cell";
    EXPECT_EQ(letter.CurrentRow(), 4);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(4));
    // A full column: the look-ahead reads row -1 as empty and the letter stops above the grid.
    b.Fill(3, 0);
    letter.SetY(b.RowY(-4));
    EXPECT_EQ(*FallToRest(letter).rbegin(), -1);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(-1));
}

TEST(TFallingLettre, FastDropLandsAndGetsItsOldSpeedBack) {
    Board b(8);
    b.Fill(3, 6);
    TFallingLettre letter = b.Letter(3, b.RowY(0));
    letter.DropFast();
    const float fast = -b.h / 6.0f - 0.2f * b.h;
    EXPECT_FLOAT_EQ(letter.Speed, fast);
    letter.DropFast();
    EXPECT_FLOAT_EQ(letter.SavedSpeed, -0.1f) << "a second call must not save the fast speed";
    FallToRest(letter);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(5));
    EXPECT_FALSE(letter.Fast);
    EXPECT_FLOAT_EQ(letter.Speed, -0.1f);
}

TEST(TFallingLettre, MovesSidewaysOnlyIntoFreeCellsOfTheGrid) {
    Board b(8);
    b.Fill(2, 4);
    TFallingLettre letter = b.Letter(3, b.RowY(5));
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 3) << "cell (2, 5) is taken";
    letter.MoveRight();
    EXPECT_EQ(letter.Column, 4);
    EXPECT_FLOAT_EQ(letter.x, b.ColumnX(4));
    // Above the grid (row -1) nothing blocks; the edges hold.
    b.Fill(3, 0);
    letter.y = b.RowY(-1) + 0.1f;
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 3);
    letter.SetColumn(7);
    letter.MoveRight();
    letter.SetColumn(8); // outside: ignored
    EXPECT_EQ(letter.Column, 7);
    letter.SetY(-50.0f);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(7)) << "never under the bottom row";
}

TEST(TFallingLettre, StartsInOneOfTheFirstSizeMinusOneColumns) {
    std::srand(7);
    for (const int size : {1, 12}) {
        Board b(size);
        std::set<int> columns;
        for (int i = 0; i < 500; ++i) {
            columns.insert(TFallingLettre('a', nullptr, &b.grid, b.w, b.h).Column);
        }
        EXPECT_EQ(columns.size(), size == 1 ? 1u : 11u);
        EXPECT_EQ(*columns.rbegin(), size == 1 ? 0 : 10);
    }
}

} // namespace
} // namespace scrivel
