#include "render/grid.h"

#include "model/letter_array.h"

#include <algorithm>
#include <string_view>

namespace scrivel {

TGrid::TGrid(TFontTexMg* letterBank, std::int16_t size, float cellWidth, float cellHeight)
    : size_(size), cellWidth_(cellWidth), cellHeight_(cellHeight),
      stamp_(letterBank, cellWidth, cellHeight) {}

void TGrid::MoveTo(float left, float top, float depth) {
    left_ = left;
    top_ = top;
    depth_ = depth;
}

void TGrid::Draw() const {
    if (letterArray_ == nullptr) {
        return;
    }
    for (int c = 0; c < size_; ++c) {
        for (int r = 0; r < size_; ++r) {
            const std::uint8_t code = letterArray_->Cell(c, r);
            if (code != 0) {
                stamp_.DrawAt(code, CellX(c), CellY(r), depth_);
            }
        }
    }
}

void TGrid::DrawPreview() const {
    for (int c = 0; c < size_; ++c) {
        for (int r = 0; r < size_; ++r) {
            stamp_.DrawCellFrame(CellX(c), CellY(r), depth_);
        }
    }
    // As much of the name as fits, centred in the middle row.
    const std::string_view word = PreviewWord;
    const int count = std::min(static_cast<int>(size_), static_cast<int>(word.size()));
    const int first = std::max(0, (size_ - count) / 2);
    const int row = size_ / 2;
    for (int i = 0; i < count; ++i) {
        stamp_.DrawAt(static_cast<std::uint8_t>(word[static_cast<std::size_t>(i)]),
                      CellX(first + i), CellY(row), depth_);
    }
}

void TGrid::Resize(std::int16_t size, float cellWidth, float cellHeight) {
    // A zero size would leave a grid where no letter can ever land.
    if (letterArray_ == nullptr || size < 1 || size > TLetterArray::MaxSize) {
        return;
    }
    size_ = size;
    letterArray_->Clear();
    letterArray_->SetSize(size);
    cellWidth_ = cellWidth;
    cellHeight_ = cellHeight;
    stamp_.SetWidth(cellWidth_);
    stamp_.SetHeight(cellHeight_);
}

} // namespace scrivel
