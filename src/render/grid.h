#pragma once

#include "render/lettre.h"

#include <cstdint>

namespace scrivel {

class EyeView;
class TFontTexMg;
class TLetterArray;

// Draws the game's letter grid, and the empty grid with the game's name that the options screen
// shows. Its place is the centre of the top-left cell: x of column 0, y of row 0 (the top row), z
// of the grid plane.
class TGrid {
public:
    static constexpr const char* PreviewWord = "Scrivel";

    TGrid(TFontTexMg* letterBank, std::int16_t size, float cellWidth, float cellHeight);

    // The game's grid, owned by the game data.
    void SetLetterArray(TLetterArray* array) { letterArray_ = array; }
    const TLetterArray* LetterArray() const { return letterArray_; }
    void SetEye(const EyeView* eye) { stamp_.SetEye(eye); }
    void MoveTo(float left, float top, float depth);

    // Every occupied cell as a letter cube.
    void Draw() const;
    // Every cell as a wire frame, with the game's name across the middle row.
    void DrawPreview() const;
    // Empties the attached letter array and gives it the new size. Nothing changes without a
    // letter array, nor for a size the array cannot hold.
    void Resize(std::int16_t size, float cellWidth, float cellHeight);

    std::int16_t Size() const { return size_; }
    float Left() const { return left_; }
    float Top() const { return top_; }
    float CellX(int column) const { return left_ + static_cast<float>(column) * cellWidth_; }
    float CellY(int row) const { return top_ - static_cast<float>(row) * cellHeight_; }

private:
    std::int16_t size_ = 0;
    float cellWidth_ = 0.0f;
    float cellHeight_ = 0.0f;
    float left_ = 0.0f;
    float top_ = 0.0f;
    float depth_ = 0.0f;
    TLettre stamp_;
    TLetterArray* letterArray_ = nullptr; // not owned
};

} // namespace scrivel
