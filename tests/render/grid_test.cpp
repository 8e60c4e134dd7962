#include "model/letter_array.h"
#include "render/grid.h"
#include "render/lettre.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace scrivel {
namespace {

using Cell = std::pair<int, int>; // column, row

// Cells of 2.5 units, the top-left one centred on (-15, 15).
struct Board {
    TLetterArray cells;
    TGrid grid;
    explicit Board(int size)
        : cells(size), grid(nullptr, static_cast<std::int16_t>(size), 2.5f, 2.5f) {
        grid.Location = {-15.0f, 15.0f, 0.0f};
        grid.SetLetterArray(&cells);
    }
    // The cells of the letter cubes draw() draws (one unit below their cell), and the number of
    // cell frames (line loops of 24 segments).
    std::set<Cell> Drawn(void (TGrid::*draw)(), int& frames) {
        int segments = 0;
        std::set<Cell> letters;
        for (const auto& cube : test::CaptureCubes([&] { (grid.*draw)(); }, &segments)) {
            letters.insert({static_cast<int>(std::lround((cube.centre.x + 15.0f) / 2.5f)),
                            static_cast<int>(std::lround((14.0f - cube.centre.y) / 2.5f))});
        }
        EXPECT_EQ(segments % 24, 0) << "a cell frame was cut short";
        frames = segments / 24;
        return letters;
    }
};

TEST(TGrid, ResizeNeedsALetterArrayAndASize) {
    TGrid loose(nullptr, 8, 0.75f, 0.5f);
    loose.Resize(4, 1.5f, 1.0f);
    EXPECT_EQ(loose.Size, 8) << "nothing changes before a letter array is attached";
    Board b(8);
    b.cells.SetCell(7, 7, 'z');
    b.grid.Resize(0, 0.0f, 0.0f);
    EXPECT_EQ(b.grid.Size, 8);
    EXPECT_EQ(b.cells.Cell(7, 7), 'z') << "a refused resize keeps the game's letters";
    b.grid.Resize(4, 1.5f, 1.0f);
    EXPECT_EQ(b.cells.Rows(), 4);
    EXPECT_EQ(b.cells.Cell(7, 7), 0);
    EXPECT_FLOAT_EQ(b.grid.Stamp->Width, 1.5f);
    EXPECT_FLOAT_EQ(b.grid.Stamp->Height, 1.0f);
}

class TGridGl : public test::GlTest {};

TEST_F(TGridGl, DrawShowsOnlyTheOccupiedCells) {
    Board b(12);
    int frames = -1;
    EXPECT_TRUE(b.Drawn(&TGrid::Draw, frames).empty());
    const std::set<Cell> filled = {{0, 11}, {0, 10}, {5, 11}, {11, 0}, {11, 11}};
    for (const auto& [c, r] : filled) {
        b.cells.SetCell(c, r, 'q');
    }
    b.cells.SetCell(12, 11, 'q'); // beyond the grid's columns: not drawn
    EXPECT_EQ(b.Drawn(&TGrid::Draw, frames), filled);
    EXPECT_EQ(frames, 0);
}

TEST_F(TGridGl, PreviewCentresTheNameInTheMiddleRowOverCellFrames) {
    for (const auto& [size, first, count, last] :
         {std::tuple{4, 0, 4, 'i'}, {8, 0, 7, 'l'}, {12, 2, 7, 'l'}}) {
        Board b(size);
        b.cells.SetCell(0, size - 1, 'q'); // the game's letters do not show in the preview
        std::set<Cell> expected;
        for (int i = 0; i < count; ++i) {
            expected.insert({first + i, size / 2});
        }
        int frames = 0;
        EXPECT_EQ(b.Drawn(&TGrid::DrawPreview, frames), expected) << size;
        EXPECT_EQ(frames, size * size);
        EXPECT_EQ(b.grid.Stamp->Letter, last);
    }
}

} // namespace
} // namespace scrivel
