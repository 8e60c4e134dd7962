#pragma once

#include "model/letter_fall.h"
#include "render/lettre.h"

#include <cstdint>

namespace scrivel {

class TGrid;

// A letter that flies in depth from the volcano to the grid plane, then falls down one grid
// column, steered sideways by the player, until it rests on the bottom or on another letter. The
// rules of the fall are LetterFall's; this class gives them the grid and the letter's place.
class TFallingLettre : public TLettre, public LetterFall {
public:
    // Starts in one of the grid's first Size - 1 columns, chosen with rand().
    TFallingLettre(std::uint8_t letter, TFontTexMg* fontBank, TGrid* grid, float width,
                   float height);

    void SetGrid(TGrid* grid) { Grid = grid; }
    // Keeps the column when c is outside the grid; x follows the column either way.
    void SetColumn(std::int16_t c);
    // The row the letter is in; negative above the grid, 0 without a grid.
    int CurrentRow() const;
    int RowAhead() const;
    void MoveLeft();
    void MoveRight();
    void DropFast();
    // One tick of the fall; true when the letter has come to rest, snapped onto its row.
    bool Fall();
    // One tick of the flight towards the grid plane.
    bool Advance();
    // Never below the grid's bottom row.
    void SetY(float value);

    TGrid* Grid = nullptr; // not owned

private:
    // The grid as it is now: the view resizes it when the options change.
    LetterFall::Grid Board() const;
};

} // namespace scrivel
