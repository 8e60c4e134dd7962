#include "render/grid.h"

#include "model/letter_array.h"
#include "render/lettre.h"

#include <algorithm>
#include <string_view>

namespace scrivel {

TGrid::TGrid(TFontTexMg* letterBank, std::int16_t size, float cellWidth, float cellHeight)
    : Size(size), CellWidth(cellWidth), CellHeight(cellHeight),
      Stamp(std::make_unique<TLettre>('A', letterBank, cellWidth, cellHeight)) {}

TGrid::~TGrid() = default;

void TGrid::Draw() {
    if (LetterArray == nullptr) {
        return;
    }
    for (int c = 0; c < Size; ++c) {
        for (int r = 0; r < Size; ++r) {
            const std::uint8_t code = LetterArray->Cell(c, r);
            if (code != 0) {
                Stamp->DrawAt(code, CellX(c), CellY(r));
            }
        }
    }
}

void TGrid::DrawPreview() {
    for (int c = 0; c < Size; ++c) {
        for (int r = 0; r < Size; ++r) {
            Stamp->DrawCellFrame(CellX(c), CellY(r));
        }
    }
    // As much of the name as fits, centred in the middle row.
    const std::string_view word = PreviewWord;
    const int count = std::min(static_cast<int>(Size), static_cast<int>(word.size()));
    const int first = std::max(0, (Size - count) / 2);
    const int row = Size / 2;
    for (int i = 0; i < count; ++i) {
        Stamp->DrawAt(static_cast<std::uint8_t>(word[static_cast<std::size_t>(i)]),
                      CellX(first + i), CellY(row));
    }
}

void TGrid::Resize(std::int16_t size, float cellWidth, float cellHeight) {
    // A zero size would leave a grid where no letter can ever land.
    if (LetterArray == nullptr || size < 1 || size > TLetterArray::MaxSize) {
        return;
    }
    Size = size;
    LetterArray->Clear();
    LetterArray->SetSize(size);
    CellWidth = cellWidth;
    CellHeight = cellHeight;
    Stamp->SetWidth(CellWidth);
    Stamp->SetHeight(CellHeight);
}

} // namespace scrivel
