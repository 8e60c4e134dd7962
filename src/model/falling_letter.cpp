#include "model/falling_letter.h"

namespace scrivel {

void JokerPulse::Step(float width) {
    // Sums of 0.05 miss the limits by a hair; without the slack the cube would swell and shrink
    // one whole step too far.
    constexpr float slack = 1e-4f;
    offset_ += step_;
    if (offset_ >= width * Limit - slack) {
        step_ = -Speed;
    }
    if (offset_ <= slack) {
        step_ = Speed;
    }
}

FallingLetter::FallingLetter(std::uint8_t code, const LetterFall::Grid& grid, float cellWidth,
                             float cellHeight)
    : letter_(code), width_(cellWidth), height_(cellHeight) {
    SetColumn(grid, LetterFall::StartColumn(grid));
}

void FallingLetter::SetColumn(const LetterFall::Grid& grid, std::int16_t column) {
    x_ = fall_.SetColumn(grid, column, width_);
}

void FallingLetter::SetY(const LetterFall::Grid& grid, float y) {
    y_ = fall_.ClampY(grid, y, height_);
}

int FallingLetter::CurrentRow(const LetterFall::Grid& grid) const {
    return fall_.CurrentRow(grid, y_, height_);
}

void FallingLetter::MoveLeft(const LetterFall::Grid& grid) {
    if (fall_.MoveLeft(grid, y_, height_)) {
        SetColumn(grid, fall_.Column);
    }
}

void FallingLetter::MoveRight(const LetterFall::Grid& grid) {
    if (fall_.MoveRight(grid, y_, height_)) {
        SetColumn(grid, fall_.Column);
    }
}

void FallingLetter::DropFast() {
    fall_.DropFast(height_);
}

void FallingLetter::Advance() {
    z_ -= fall_.Speed * 4.0f;
}

bool FallingLetter::Fall(const LetterFall::Grid& grid) {
    return fall_.Fall(grid, y_, height_);
}

void FallingLetter::StepPulse() {
    if (letter_.Joker) {
        pulse_.Step(width_);
    }
}

} // namespace scrivel
