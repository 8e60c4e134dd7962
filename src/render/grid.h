#pragma once

#include "scene/gl_object.h"

#include <cstdint>
#include <memory>

namespace scrivel {

class TFontTexMg;
class TLetterArray;
class TLettre;

// Draws the game's letter grid with one letter cube moved from cell to cell, and the empty grid
// with the game's name that the options screen shows. Location is the centre of the top-left
// cell: x of column 0, y of row 0 (the top row), z of the grid plane.
class TGrid : public TGLObject {
public:
    static constexpr const char* PreviewWord = "Scrivel";

    TGrid(TFontTexMg* letterBank, std::int16_t size, float cellWidth, float cellHeight);
    ~TGrid() override;
    TGrid(const TGrid&) = delete;
    TGrid& operator=(const TGrid&) = delete;

    // The game's grid, owned by the game data.
    void SetLetterArray(TLetterArray* array) { LetterArray = array; }

    // Every occupied cell as a letter cube.
    void Draw();
    // Every cell as a wire frame, with the game's name across the middle row.
    void DrawPreview();
    // Empties the attached letter array and gives it the new size. Nothing changes without a
    // letter array, nor for a size the array cannot hold.
    void Resize(std::int16_t size, float cellWidth, float cellHeight);

    float CellX(int column) const { return Location.x + static_cast<float>(column) * CellWidth; }
    float CellY(int row) const { return Location.y - static_cast<float>(row) * CellHeight; }

    std::int16_t Size = 0;
    float CellWidth = 0.0f;
    float CellHeight = 0.0f;
    std::unique_ptr<TLettre> Stamp;
    TLetterArray* LetterArray = nullptr; // not owned
};

} // namespace scrivel
