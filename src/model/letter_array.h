#pragma once

#include <array>
#include <cstdint>

namespace scrivel {

// The square letter grid: cells by column and row, row 0 at the top, 0 for an empty cell. Letters
// enter only through Drop and every removal is followed by Settle, so each column's letters form
// one run that ends at the bottom row.
class TLetterArray {
public:
    static constexpr int MaxSize = 32;

    explicit TLetterArray(int size = 0);

    // Sets Rows and Cols without clearing; sizes outside 0..MaxSize are clamped into the storage.
    void SetSize(int size);
    void Clear();

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    // The letter at (column, row), 0 when empty or outside the storage.
    std::uint8_t Cell(int column, int row) const;
    // Ignored outside the storage.
    void SetCell(int column, int row, std::uint8_t letter);

    // A letter that came to rest at (column, row) lands on top of its column. False when the column
    // is outside the grid, the letter rests above the grid (row < 0) or the column is full.
    bool Drop(int column, int row, std::uint8_t letter);

    // Letters fall, keeping their order, into the cells emptied below them.
    void Settle();

private:
    static bool InStorage(int column, int row) {
        return column >= 0 && column < MaxSize && row >= 0 && row < MaxSize;
    }

    int rows_ = 0;
    int cols_ = 0;
    std::array<std::array<std::uint8_t, MaxSize>, MaxSize> cells_{};
};

} // namespace scrivel
