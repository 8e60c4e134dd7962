#include "model/letter_array.h"

#include <algorithm>

namespace scrivel {

TLetterArray::TLetterArray(int size) {
    SetSize(size);
    Clear();
}

void TLetterArray::SetSize(int size) {
    size = std::clamp(size, 0, MaxSize);
    rows_ = size;
    cols_ = size;
}

void TLetterArray::Clear() {
    for (auto& column : cells_) {
        column.fill(0);
    }
}

std::uint8_t TLetterArray::Cell(int column, int row) const {
    return InStorage(column, row) ? cells_[column][row] : 0;
}

void TLetterArray::SetCell(int column, int row, std::uint8_t letter) {
    if (InStorage(column, row)) {
        cells_[column][row] = letter;
    }
}

bool TLetterArray::Drop(int column, int row, std::uint8_t letter) {
    if (row >= rows_) {
        row = rows_ - 1;
    }
    if (column < 0 || column >= cols_ || row < 0) {
        return false;
    }
    for (int r = rows_ - 1; r >= 0; --r) {
        if (cells_[column][r] == 0) {
            cells_[column][r] = letter;
            return true;
        }
    }
    return false;
}

void TLetterArray::Settle() {
    for (int c = 0; c < cols_; ++c) {
        auto& column = cells_[c];
        int target = rows_ - 1;
        for (int r = rows_ - 1; r >= 0; --r) {
            if (column[r] != 0) {
                const std::uint8_t letter = column[r];
                column[r] = 0;
                column[target--] = letter;
            }
        }
    }
}

} // namespace scrivel
