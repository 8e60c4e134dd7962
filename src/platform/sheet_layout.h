#pragma once

namespace scrivel::platform {

// A sheet bitmap of square tiles in a grid, each tile inside 1-pixel separator lines: tile k (left
// to right, then top to bottom) has its top-left pixel at ((k mod Columns) * Pitch + 1,
// (k div Columns) * Pitch + 1). The art generator draws sheets by it and the game cuts them by it.
struct SheetLayout {
    static constexpr int TileSize = 64;
    static constexpr int Pitch = TileSize + 1;

    int Columns = 0;
    int Rows = 0;

    constexpr int TileCount() const { return Columns * Rows; }
    constexpr int Width() const { return Columns * Pitch + 1; }
    constexpr int Height() const { return Rows * Pitch + 1; }
    constexpr int TileLeft(int k) const { return (k % Columns) * Pitch + 1; }
    constexpr int TileTop(int k) const { return (k / Columns) * Pitch + 1; }
};

// Graphics/texbank<n>_64.bmp: the scenery's 36 tiles, 391 x 391.
inline constexpr SheetLayout kTextureBankSheet{6, 6};
// Graphics/patterns<n>.bmp: the nine letter backgrounds, 196 x 196.
inline constexpr SheetLayout kPatternSheet{3, 3};

} // namespace scrivel::platform
