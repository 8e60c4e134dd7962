#pragma once

#include "render/lettre.h"

#include <cstdint>

namespace scrivel {

class TGrid;

// A letter that flies in depth from the volcano to the grid plane, then falls down one grid
// column, steered sideways by the player, until it rests on the bottom or on another letter.
// Rows follow from y with the grid's top row at y = Size x Height, where the view puts it.
class TFallingLettre : public TLettre {
public:
    static constexpr float StartSpeed = -0.1f;

    // Starts in one of the grid's first Size - 1 columns, chosen with rand().
    TFallingLettre(std::uint8_t letter, TFontTexMg* fontBank, TGrid* grid, float width,
                   float height);

    void SetGrid(TGrid* grid) { Grid = grid; }
    // Keeps the column when c is outside the grid; x follows the column either way.
    void SetColumn(std::int16_t c);
    // The row the letter is in; negative above the grid, 0 without a grid.
    int CurrentRow() const;
    // The row a little above the letter, whose next row decides whether it falls on.
    int RowAhead() const;

    // One column aside, only into a free cell (or freely when well above the grid).
    void MoveLeft();
    void MoveRight();
    // Falls fast until the letter rests; a second call during the drop does nothing.
    void DropFast();
    // One tick of the fall; true when the letter has come to rest, snapped onto its row.
    bool Fall();
    // One tick of the flight towards the grid plane.
    bool Advance();
    // Never below the grid's bottom row.
    void SetY(float value);

    std::int16_t Column = 0;
    float Speed = StartSpeed;
    float SavedSpeed = StartSpeed;
    bool Fast = false;
    TGrid* Grid = nullptr; // not owned

private:
    int GridSize() const;
    // Empty, above or below the grid, or outside the letter array: nothing to stop the letter.
    bool CellFree(int column, int row) const;
    int RowAt(float height) const;
};

} // namespace scrivel
