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
    float w;
    float h;
    TLetterArray cells;
    TGrid grid;

    explicit Board(int size)
        : n(size), w(6.0f / size), h(4.0f / size), cells(size),
          grid(nullptr, static_cast<std::int16_t>(size), w, h) {
        grid.Location = {0.5f * w - 0.5f * size * w, size * h, 2.0f};
        grid.SetLetterArray(&cells);
    }
    // Letters from row top down to the bottom of column c.
    void Fill(int c, int top) {
        for (int r = top; r < n; ++r) {
            cells.SetCell(c, r, 'x');
        }
    }
    float RowY(int r) const { return grid.Location.y - r * h; }
    TFallingLettre Letter(int column, float y) {
        TFallingLettre letter('k', nullptr, &grid, w, h);
        letter.SetColumn(static_cast<std::int16_t>(column));
        letter.SetY(y);
        return letter;
    }
};

// Falls until the letter rests; the rows it passes through go down one at a time.
std::set<int> FallToRest(TFallingLettre& letter) {
    std::set<int> rows{letter.CurrentRow()};
    int previous = letter.CurrentRow();
    for (int tick = 0; !letter.Fall(); ++tick) {
        EXPECT_LT(tick, 1000) << "never came to rest";
        if (tick >= 1000) {
            break;
        }
        const int row = letter.CurrentRow();
        EXPECT_TRUE(row == previous || row == previous + 1) << previous << " then " << row;
        EXPECT_TRUE(letter.RowAhead() == row || letter.RowAhead() == row - 1);
        rows.insert(row);
        previous = row;
    }
    return rows;
}

TEST(TFallingLettre, FallsDownAnEmptyColumnAndRestsOnTheBottom) {
    Board b(8);
    TFallingLettre letter = b.Letter(3, b.RowY(-3));
    const std::set<int> rows = FallToRest(letter);
    for (int r = -1; r < 8; ++r) {
        EXPECT_EQ(rows.count(r), 1u) << "row " << r << " skipped";
    }
    EXPECT_EQ(letter.CurrentRow(), 7);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(7));
    EXPECT_EQ(letter.Column, 3);
}

TEST(TFallingLettre, RestsOnALetterSnappedOntoTheRowAbove) {
    Board b(8);
    b.Fill(3, 5);
    TFallingLettre letter = b.Letter(3, b.RowY(-1) - 0.17f);
    EXPECT_LT(*FallToRest(letter).rbegin(), 5) << "entered an occupied cell";
    EXPECT_EQ(letter.CurrentRow(), 4);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(4));

    // A full column: the look-ahead passes row -1 (counted as empty) and the letter stops above
    // the grid. Snapped there it reads as row 0, which the full column refuses.
    b.Fill(3, 0);
    letter.SetY(b.RowY(-4));
    EXPECT_EQ(*FallToRest(letter).rbegin(), -1);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(-1));
    EXPECT_EQ(letter.CurrentRow(), 0);
}

TEST(TFallingLettre, FastDropLandsAndGetsItsOldSpeedBack) {
    Board b(8);
    b.Fill(3, 6);
    TFallingLettre letter = b.Letter(3, b.RowY(0));
    letter.DropFast();
    const float fast = -b.h / 6.0f - 0.2f * b.h;
    EXPECT_TRUE(letter.Fast);
    EXPECT_FLOAT_EQ(letter.Speed, fast);
    letter.DropFast();
    EXPECT_FLOAT_EQ(letter.SavedSpeed, -0.1f) << "a second call must not save the fast speed";
    const float z = letter.z;
    letter.Advance();
    EXPECT_FLOAT_EQ(letter.z, z - fast * 4.0f);

    FallToRest(letter);
    EXPECT_EQ(letter.CurrentRow(), 5);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(5));
    EXPECT_FALSE(letter.Fast);
    EXPECT_FLOAT_EQ(letter.Speed, -0.1f);
    letter.Advance();
    EXPECT_FLOAT_EQ(letter.z, z - fast * 4.0f + 0.4f);
}

TEST(TFallingLettre, MovesSidewaysOnlyIntoFreeCells) {
    Board b(8);
    b.Fill(2, 4);
    b.Fill(4, 6);
    TFallingLettre letter = b.Letter(3, b.RowY(5));
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 3) << "cell (2, 5) is taken";
    letter.MoveRight();
    EXPECT_EQ(letter.Column, 4);
    EXPECT_FLOAT_EQ(letter.x, b.grid.Location.x + 4 * b.w);
    letter.y = b.RowY(6);
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 3);

    // Just above the grid (row -1) nothing blocks, nor well above it.
    b.Fill(2, 0);
    b.Fill(1, 0);
    letter.y = b.RowY(-1) + 0.1f;
    ASSERT_EQ(letter.CurrentRow(), -1);
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 2);
    letter.y = b.RowY(-3);
    letter.MoveLeft();
    letter.MoveLeft();
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 0);
    EXPECT_FLOAT_EQ(letter.x, b.grid.Location.x);
    letter.SetColumn(7);
    letter.MoveRight();
    EXPECT_EQ(letter.Column, 7);
}

TEST(TFallingLettre, StartsInOneOfTheFirstSizeMinusOneColumns) {
    std::srand(7);
    Board one(1);
    for (int i = 0; i < 20; ++i) {
        TFallingLettre letter('a', nullptr, &one.grid, one.w, one.h);
        EXPECT_EQ(letter.Column, 0);
        EXPECT_FLOAT_EQ(letter.x, one.grid.Location.x);
    }
    Board twelve(12);
    std::set<int> columns;
    for (int i = 0; i < 500; ++i) {
        TFallingLettre letter('a', nullptr, &twelve.grid, twelve.w, twelve.h);
        columns.insert(letter.Column);
        EXPECT_FLOAT_EQ(letter.x, twelve.grid.Location.x + letter.Column * twelve.w);
    }
    EXPECT_EQ(columns.size(), 11u);
    EXPECT_EQ(*columns.rbegin(), 10);
}

TEST(TFallingLettre, ColumnOutsideTheGridKeepsTheColumnAndRecomputesX) {
    Board b(8);
    TFallingLettre letter = b.Letter(2, 0.0f);
    letter.x = 99.0f;
    letter.SetColumn(-1);
    EXPECT_EQ(letter.Column, 2);
    EXPECT_FLOAT_EQ(letter.x, b.grid.Location.x + 2 * b.w);
    letter.x = 99.0f;
    letter.SetColumn(8);
    EXPECT_EQ(letter.Column, 2);
    EXPECT_FLOAT_EQ(letter.x, b.grid.Location.x + 2 * b.w);
    // SetY never puts the letter under the bottom row.
    letter.SetY(-50.0f);
    EXPECT_FLOAT_EQ(letter.y, b.RowY(7));
}

TEST(TFallingLettre, WithoutAGridOrLetterArrayNothingBreaks) {
    TFallingLettre loose('a', nullptr, nullptr, 0.5f, 0.5f);
    EXPECT_EQ(loose.Column, 0);
    EXPECT_FLOAT_EQ(loose.x, 0.0f);
    loose.SetColumn(3);
    loose.MoveRight();
    EXPECT_EQ(loose.Column, 0);
    loose.SetY(-50.0f);
    EXPECT_FLOAT_EQ(loose.y, -50.0f);
    EXPECT_EQ(loose.CurrentRow(), 0);
    EXPECT_EQ(loose.RowAhead(), 0);
    EXPECT_FALSE(loose.Fall()) << "nothing to rest on";
    EXPECT_FLOAT_EQ(loose.y, -50.1f);

    // A grid that has no letter array yet: every cell is free.
    Board b(6);
    b.grid.SetLetterArray(nullptr);
    TFallingLettre letter = b.Letter(1, b.RowY(2));
    letter.MoveLeft();
    EXPECT_EQ(letter.Column, 0);
    FallToRest(letter);
    EXPECT_EQ(letter.CurrentRow(), 5);
}

} // namespace
} // namespace scrivel
