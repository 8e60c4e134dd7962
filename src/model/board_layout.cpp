#include "model/board_layout.h"

namespace scrivel {

BoardLayout BoardLayout::ForSize(int size) {
    BoardLayout layout;
    layout.Size = size;
    const auto n = static_cast<float>(size);
    if (size > 0) {
        layout.CellWidth = 6.0f / n;
        layout.CellHeight = 4.0f / n;
    }
    layout.GridLeft = 0.5f * layout.CellWidth - 0.5f * n * layout.CellWidth;
    layout.GridTop = n * layout.CellHeight;
    layout.BaseHeight = layout.GridTop - (n - 0.5f) * layout.CellHeight - 1.0f;
    layout.LaunchY = layout.GridTop;
    return layout;
}

} // namespace scrivel
