#include "render/falling_lettre.h"

#include "render/grid.h"

namespace scrivel {

TFallingLettre::TFallingLettre(std::uint8_t letter, TFontTexMg* fontBank, TGrid* grid, float width,
                               float height)
    : TLettre(letter, fontBank, width, height), Grid(grid) {
    SetColumn(StartColumn(Board()));
}

LetterFall::Grid TFallingLettre::Board() const {
    if (Grid == nullptr) {
        return std::nullopt;
    }
    return FallGrid{Grid->LetterArray, Grid->Size, Grid->Location.x, Grid->Location.y};
}

void TFallingLettre::SetColumn(std::int16_t c) {
    x = LetterFall::SetColumn(Board(), c, Width);
}

int TFallingLettre::CurrentRow() const {
    return LetterFall::CurrentRow(Board(), y, Height);
}

int TFallingLettre::RowAhead() const {
    return LetterFall::RowAhead(Board(), y, Height);
}

void TFallingLettre::MoveLeft() {
    if (LetterFall::MoveLeft(Board(), y, Height)) {
        SetColumn(Column);
    }
}

void TFallingLettre::MoveRight() {
    if (LetterFall::MoveRight(Board(), y, Height)) {
        SetColumn(Column);
    }
}

void TFallingLettre::DropFast() {
    LetterFall::DropFast(Height);
}

bool TFallingLettre::Fall() {
    return LetterFall::Fall(Board(), y, Height);
}

bool TFallingLettre::Advance() {
    z -= Speed * 4.0f;
    return true;
}

void TFallingLettre::SetY(float value) {
    y = LetterFall::ClampY(Board(), value, Height);
}

} // namespace scrivel
