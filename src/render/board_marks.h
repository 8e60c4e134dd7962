#pragma once

#include "model/board_layout.h"

namespace scrivel {

// What shows a player where letters can land: the grid's columns marked on the ground plate, in
// two alternating shades, and a faint box on the cell where the falling letter would rest.
class TBoardMarks {
public:
    // The columns of a grid laid out as layout says, on the ground plate under it.
    void DrawColumns(const BoardLayout& layout) const;
    // The box of the cell (column, row).
    void DrawLandingCell(const BoardLayout& layout, int column, int row) const;
};

} // namespace scrivel
