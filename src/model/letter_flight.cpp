#include "model/letter_flight.h"

#include "model/letter_array.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scrivel {

namespace {

// 'a' to 'y': the letters that wait before play begins.
std::uint8_t RandomLetter() {
    return static_cast<std::uint8_t>('a' + std::rand() % 25);
}

} // namespace

FallingLetter LetterFlight::NewLetter(std::uint8_t code) const {
    return FallingLetter(code, board_, layout_.CellWidth, layout_.CellHeight);
}

void LetterFlight::Restart(const BoardLayout& layout) {
    layout_ = layout;
    falling_.reset();
    flying_.emplace(NewLetter(RandomLetter()));
    const int n = layout_.Size;
    flying_->SetX(layout_.GridLeft +
                  static_cast<float>(n > 0 ? std::rand() % n : 0) * layout_.CellWidth);
    flying_->SetY(board_, layout_.LaunchY);
    flying_->SetZ(BoardLayout::LaunchDepth);
}

void LetterFlight::StartGame() {
    falling_.reset();
    flying_.emplace(NewLetter(RandomLetter()));
    // From a cell above the top row it falls into its column from above.
    flying_->SetY(board_, layout_.LaunchY + layout_.CellHeight);
}

void LetterFlight::SetNextLetter(std::uint8_t code) {
    nextLetter_ = code;
    falling_.reset();
}

bool LetterFlight::Tick(bool volcanoResting) {
    if (!flying_) {
        return false;
    }
    if (!inFlight_) {
        inFlight_ = true;
        landed_ = false;
        return false;
    }
    bool erupt = false;
    if (volcanoResting && flying_->Z() >= BoardLayout::EruptionPoint && !eruptionStarted_) {
        erupt = true;
        eruptionStarted_ = true;
    }
    if (flying_->Z() >= BoardLayout::GridDepth) {
        eruptionStarted_ = false;
        ++arrivals_;
        falling_ = std::move(flying_);
        flying_.emplace(NewLetter(nextLetter_));
        flying_->SetY(board_, layout_.LaunchY);
        flying_->SetZ(BoardLayout::LaunchDepth);
    }

    flying_->Advance();
    // t runs from -1 at the launch to 1 at the grid: the letter rises and comes down again.
    const float half = BoardLayout::FlightLength * 0.5f;
    const float t = (half + flying_->Z() - BoardLayout::GridDepth) / half;
    flying_->SetY(board_, std::cos(t) * static_cast<float>(layout_.Size) * layout_.CellHeight +
                              layout_.LaunchY);

    if (falling_ && falling_->Fall(board_)) {
        landedColumn_ = falling_->Column();
        landedRow_ = falling_->CurrentRow(board_);
        inFlight_ = false;
        landed_ = true;
        return erupt;
    }
    inFlight_ = true;
    landed_ = false;
    return erupt;
}

std::optional<LetterFlight::Cell> LetterFlight::LandingCell() const {
    if (!falling_ || !board_ || board_->Cells == nullptr) {
        return std::nullopt;
    }
    const TLetterArray& cells = *board_->Cells;
    const int column = falling_->Column();
    int row = std::max(falling_->CurrentRow(board_), -1);
    while (row + 1 < board_->Size && cells.Cell(column, row + 1) == 0) {
        ++row;
    }
    if (row < 0) {
        return std::nullopt;
    }
    return Cell{column, row};
}

std::uint8_t LetterFlight::FallingCode() const {
    return falling_ ? falling_->Letter() : 'a';
}

FallingLetter* LetterFlight::Steered() {
    if (falling_) {
        return &*falling_;
    }
    return flying_ ? &*flying_ : nullptr;
}

void LetterFlight::MoveLeft() {
    if (FallingLetter* letter = Steered()) {
        letter->MoveLeft(board_);
    }
}

void LetterFlight::MoveRight() {
    if (FallingLetter* letter = Steered()) {
        letter->MoveRight(board_);
    }
}

void LetterFlight::DropFast() {
    if (FallingLetter* letter = Steered()) {
        letter->DropFast();
    }
}

void LetterFlight::PreviousJokerLetter() {
    if (falling_) {
        falling_->PreviousLetter();
    }
}

void LetterFlight::NextJokerLetter() {
    if (falling_) {
        falling_->NextLetter();
    }
}

void LetterFlight::SetJokerLetter(char key) {
    if (FallingLetter* letter = Steered()) {
        letter->SetLetter(JokerKey(key));
    }
}

void LetterFlight::StepPulses() {
    if (flying_) {
        flying_->StepPulse();
    }
    if (falling_) {
        falling_->StepPulse();
    }
}

} // namespace scrivel
