#include "render/falling_lettre.h"

#include "model/letter_array.h"
#include "render/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scrivel {

TFallingLettre::TFallingLettre(std::uint8_t letter, TFontTexMg* fontBank, TGrid* grid, float width,
                               float height)
    : TLettre(letter, fontBank, width, height), Grid(grid) {
    // The last column is never a start column.
    const int choices = GridSize() - 1;
    const int start = choices > 0 ? std::rand() % choices : 0;
    SetColumn(static_cast<std::int16_t>(start));
}

int TFallingLettre::GridSize() const {
    return Grid != nullptr ? Grid->Size : 0;
}

void TFallingLettre::SetColumn(std::int16_t c) {
    if (Grid == nullptr) {
        Column = 0;
        x = 0.0f;
        return;
    }
    if (c >= 0 && c < Grid->Size) {
        Column = c;
    }
    x = static_cast<float>(Column) * Width + Grid->Location.x;
}

int TFallingLettre::RowAt(float height) const {
    if (Grid == nullptr || Height == 0.0f) {
        return 0;
    }
    // Truncated towards zero; bounded first, so a letter flung far away cannot overflow the int.
    const double row = static_cast<double>(Grid->Size) - static_cast<double>(height) / Height;
    return static_cast<int>(std::trunc(std::clamp(row, -1.0e6, 1.0e6)));
}

int TFallingLettre::CurrentRow() const {
    return RowAt(y + Speed / 3.0f);
}

int TFallingLettre::RowAhead() const {
    return RowAt(y - Speed);
}

bool TFallingLettre::CellFree(int column, int row) const {
    if (Grid == nullptr || Grid->LetterArray == nullptr) {
        return true;
    }
    const TLetterArray& cells = *Grid->LetterArray;
    if (row < 0 || row >= Grid->Size || row >= cells.Rows() || column < 0 ||
        column >= cells.Cols()) {
        return true;
    }
    return cells.Cell(column, row) == 0;
}

void TFallingLettre::MoveLeft() {
    const int r = CurrentRow();
    if (Column > 0 && (r < -1 || CellFree(Column - 1, r))) {
        SetColumn(static_cast<std::int16_t>(Column - 1));
    }
}

void TFallingLettre::MoveRight() {
    const int r = CurrentRow();
    if (Column < GridSize() - 1 && (r < -1 || CellFree(Column + 1, r))) {
        SetColumn(static_cast<std::int16_t>(Column + 1));
    }
}

void TFallingLettre::DropFast() {
    if (Fast) {
        return;
    }
    SavedSpeed = Speed;
    Fast = true;
    Speed = -Height / 6.0f - 0.2f * Height;
}

bool TFallingLettre::Fall() {
    // Without a grid there is nothing to rest on.
    if (Grid == nullptr) {
        y += Speed;
        return false;
    }
    const int r = CurrentRow();
    if (r < -1) {
        y += Speed;
        return false;
    }
    const int ahead = RowAhead();
    if (CellFree(Column, ahead + 1) && r < Grid->Size - 1) {
        y += Speed;
        return false;
    }
    if (Fast) {
        Fast = false;
        Speed = SavedSpeed;
    }
    y = Grid->Location.y - static_cast<float>(CurrentRow()) * Height;
    return true;
}

bool TFallingLettre::Advance() {
    z -= Speed * 4.0f;
    return true;
}

void TFallingLettre::SetY(float value) {
    if (Grid == nullptr) {
        y = value;
        return;
    }
    const float bottom = Grid->Location.y - static_cast<float>(Grid->Size - 1) * Height;
    y = std::max(value, bottom);
}

} // namespace scrivel
