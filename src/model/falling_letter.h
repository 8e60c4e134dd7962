#pragma once

#include "model/board_layout.h"
#include "model/joker_letter.h"
#include "model/letter_fall.h"

#include <cstdint>

namespace scrivel {

// How much a joker's cube swells: up by PulseSpeed a tick to a sixth of its width, then back down
// to nothing, and again. Other letters never swell.
class JokerPulse {
public:
    static constexpr float Limit = 1.0f / 6.0f;
    static constexpr float Speed = 0.05f;

    // One tick of a cube width wide.
    void Step(float width);
    float Grow() const { return offset_; }

private:
    float offset_ = 0.0f;
    float step_ = Speed;
};

// One letter on its way into the grid, apart from drawing it: its code (a joker's may change),
// its place in the scene, its fall down a column and a joker's swelling. The grid it meets is
// handed in with each move, since the options can resize it.
class FallingLetter {
public:
    // Code 0 makes a joker; both it and the start column are drawn with rand(), in that order.
    FallingLetter(std::uint8_t code, const LetterFall::Grid& grid, float cellWidth,
                  float cellHeight);

    std::uint8_t Letter() const { return letter_.Letter; }
    bool Joker() const { return letter_.Joker; }
    int Column() const { return fall_.Column; }
    float X() const { return x_; }
    float Y() const { return y_; }
    float Z() const { return z_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    float Grow() const { return letter_.Joker ? pulse_.Grow() : 0.0f; }

    void SetX(float x) { x_ = x; }
    // Never below the grid's bottom row.
    void SetY(const LetterFall::Grid& grid, float y);
    void SetZ(float z) { z_ = z; }

    // The row the letter is in; negative above the grid, 0 without a grid.
    int CurrentRow(const LetterFall::Grid& grid) const;
    void MoveLeft(const LetterFall::Grid& grid);
    void MoveRight(const LetterFall::Grid& grid);
    void DropFast();
    // One tick of the flight towards the grid plane.
    void Advance();
    // One tick of the fall; true when the letter has come to rest, snapped onto its row.
    bool Fall(const LetterFall::Grid& grid);

    void PreviousLetter() { letter_.PreviousLetter(); }
    void NextLetter() { letter_.NextLetter(); }
    void SetLetter(std::uint8_t code) { letter_.SetLetter(code); }
    void StepPulse();

private:
    void SetColumn(const LetterFall::Grid& grid, std::int16_t column);

    JokerLetter letter_;
    LetterFall fall_;
    float width_ = 0.0f;
    float height_ = 0.0f;
    float x_ = 0.0f;
    float y_ = 0.0f;
    // A new letter waits in the grid plane until it is placed.
    float z_ = BoardLayout::GridDepth;
    JokerPulse pulse_;
};

} // namespace scrivel
