#pragma once

#include <cstdint>
#include <optional>

namespace scrivel {

class TLetterArray;

// The grid as a falling letter meets it: its cells, its size, and where its column 0 and its top
// row lie in the scene. The top row must lie at y = Size x cell height, where the view puts it.
struct FallGrid {
    const TLetterArray* Cells = nullptr; // not owned; none: nothing to rest on
    int Size = 0;
    float Left = 0.0f; // x of column 0
    float Top = 0.0f;  // y of row 0
};

// How a letter falls down a grid column and is steered sideways, apart from drawing it: which row
// it is in, where it may move and where it comes to rest. The letter keeps its height y and its
// cell size and hands them in; these rules keep its column and its speed. Without a grid (nullopt)
// there is nothing to fall into: the column stays 0 and the letter falls for ever.
class LetterFall {
public:
    using Grid = std::optional<FallGrid>;
    static constexpr float StartSpeed = -0.1f;

    // One of the grid's first Size - 1 columns, drawn with rand(); 0 when there is no such column.
    static std::int16_t StartColumn(const Grid& grid);

    // Takes column c when it lies in the grid, else keeps the column; returns the column's x.
    float SetColumn(const Grid& grid, std::int16_t c, float cellWidth);
    // The row a letter at height y is in: truncated towards zero, negative above the grid.
    int CurrentRow(const Grid& grid, float y, float cellHeight) const;
    // The row a little above the letter, whose next row decides whether it falls on.
    int RowAhead(const Grid& grid, float y, float cellHeight) const;

    // One column aside, only into a free cell, or freely when well above the grid. True when the
    // column changed.
    bool MoveLeft(const Grid& grid, float y, float cellHeight);
    bool MoveRight(const Grid& grid, float y, float cellHeight);
    // Falls fast until the letter rests; a second call during the drop does nothing.
    void DropFast(float cellHeight);
    // One tick of the fall; true when the letter has come to rest, with y snapped onto its row.
    bool Fall(const Grid& grid, float& y, float cellHeight);
    // value, but never below the grid's bottom row.
    float ClampY(const Grid& grid, float value, float cellHeight) const;

    std::int16_t Column = 0;
    float Speed = StartSpeed;
    float SavedSpeed = StartSpeed;
    bool Fast = false;

private:
    int RowAt(const Grid& grid, float height, float cellHeight) const;
    // Empty, above or below the grid, or outside the letter array: nothing stops the letter there.
    static bool CellFree(const Grid& grid, int column, int row);
    bool MoveTo(const Grid& grid, int column, float y, float cellHeight);
};

} // namespace scrivel
