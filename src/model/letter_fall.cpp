#include "model/letter_fall.h"

#include "model/letter_array.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scrivel {

std::int16_t LetterFall::StartColumn(const Grid& grid) {
    // The last column is never a start column.
    const int choices = grid ? grid->Size - 1 : 0;
    return static_cast<std::int16_t>(choices > 0 ? std::rand() % choices : 0);
}

float LetterFall::SetColumn(const Grid& grid, std::int16_t c, float cellWidth) {
    if (!grid) {
        Column = 0;
        return 0.0f;
    }
    if (c >= 0 && c < grid->Size) {
        Column = c;
    }
    return static_cast<float>(Column) * cellWidth + grid->Left;
}

int LetterFall::RowAt(const Grid& grid, float height, float cellHeight) const {
    if (!grid || cellHeight == 0.0f) {
        return 0;
    }
    // Truncated towards zero; bounded first, so a letter flung far away cannot overflow the int.
    const double row = static_cast<double>(grid->Size) - static_cast<double>(height) / cellHeight;
    return static_cast<int>(std::trunc(std::clamp(row, -1.0e6, 1.0e6)));
}

int LetterFall::CurrentRow(const Grid& grid, float y, float cellHeight) const {
    return RowAt(grid, y + Speed / 3.0f, cellHeight);
}

int LetterFall::RowAhead(const Grid& grid, float y, float cellHeight) const {
    return RowAt(grid, y - Speed, cellHeight);
}

bool LetterFall::CellFree(const Grid& grid, int column, int row) {
    if (!grid || grid->Cells == nullptr) {
        return true;
    }
    const TLetterArray& cells = *grid->Cells;
    if (row < 0 || row >= grid->Size || row >= cells.Rows() || column < 0 ||
        column >= cells.Cols()) {
        return true;
    }
    return cells.Cell(column, row) == 0;
}

bool LetterFall::MoveTo(const Grid& grid, int column, float y, float cellHeight) {
    const int size = grid ? grid->Size : 0;
    if (column < 0 || column >= size) {
        return false;
    }
    // Well above the grid (row below -1) nothing is in the way; row -1 reads as empty.
    const int r = CurrentRow(grid, y, cellHeight);
    if (r >= -1 && !CellFree(grid, column, r)) {
        return false;
    }
    Column = static_cast<std::int16_t>(column);
    return true;
}

bool LetterFall::MoveLeft(const Grid& grid, float y, float cellHeight) {
    return MoveTo(grid, Column - 1, y, cellHeight);
}

bool LetterFall::MoveRight(const Grid& grid, float y, float cellHeight) {
    return MoveTo(grid, Column + 1, y, cellHeight);
}

void LetterFall::DropFast(float cellHeight) {
    if (Fast) {
        return;
    }
    SavedSpeed = Speed;
    Fast = true;
    Speed = -cellHeight / 6.0f - 0.2f * cellHeight;
}

bool LetterFall::Fall(const Grid& grid, float& y, float cellHeight) {
    // Without a grid there is nothing to rest on.
    if (!grid) {
        y += Speed;
        return false;
    }
    const int r = CurrentRow(grid, y, cellHeight);
    if (r < -1) {
        y += Speed;
        return false;
    }
    const int ahead = RowAhead(grid, y, cellHeight);
    if (CellFree(grid, Column, ahead + 1) && r < grid->Size - 1) {
        y += Speed;
        return false;
    }
    if (Fast) {
        Fast = false;
        Speed = SavedSpeed;
    }
    y = grid->Top - static_cast<float>(CurrentRow(grid, y, cellHeight)) * cellHeight;
    return true;
}

float LetterFall::ClampY(const Grid& grid, float value, float cellHeight) const {
    if (!grid) {
        return value;
    }
    const float bottom = grid->Top - static_cast<float>(grid->Size - 1) * cellHeight;
    return std::max(value, bottom);
}

} // namespace scrivel
