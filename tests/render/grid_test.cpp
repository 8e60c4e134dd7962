#include "model/letter_array.h"
#include "render/grid.h"
#include "render/lettre.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace scrivel {
namespace {

TEST(TGrid, ResizeNeedsALetterArrayAndASize) {
    TGrid grid(nullptr, 8, 0.75f, 0.5f);
    grid.Resize(4, 1.5f, 1.0f);
    EXPECT_EQ(grid.Size(), 8) << "nothing changes before a letter array is attached";
    TLetterArray cells(8);
    grid.SetLetterArray(&cells);
    grid.Resize(0, 0.0f, 0.0f);
    EXPECT_EQ(grid.Size(), 8);
    grid.Resize(4, 1.5f, 1.0f);
    EXPECT_EQ(cells.Rows(), 4);
    EXPECT_FLOAT_EQ(grid.CellX(1) - grid.CellX(0), 1.5f);
}

// The cells (column, row) of the cubes draw() draws, seen through GL's feedback mode (six quads
// or twelve triangles a cube) for cells of 2.5 units, the top-left one centred on (-15, 15), in a
// box of +-20 units; cubes stand one unit below their cell. Counts the line segments too.
class TGridGl : public test::GlTest {
protected:
    static std::set<std::pair<int, int>> DrawnCells(const std::function<void()>& draw,
                                                    int& segments) {
        Ortho(-20, 20, -20, 20, -20, 20);
        glDisable(GL_CULL_FACE);
        std::vector<GLfloat> buffer(1 << 18);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_2D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint used = glRenderMode(GL_RENDER);
        std::set<std::pair<int, int>> cells;
        float x = 0, y = 0; // sums of the cube's vertices, in units
        int vertices = 0, polygons = 0;
        segments = 0;
        for (GLint i = 0; i < used;) {
            if (static_cast<GLint>(buffer[i++]) != GL_POLYGON_TOKEN) { // a line: two vertices
                ++segments;
                i += 4;
                continue;
            }
            const auto count = static_cast<GLint>(buffer[i++]);
            for (GLint v = 0; v < count; ++v, i += 2, ++vertices) {
                x += buffer[i] * 40 / kWidth - 20;
                y += buffer[i + 1] * 40 / kHeight - 20;
            }
            if (++polygons % (count == 3 ? 12 : 6) == 0) {
                cells.insert({static_cast<int>(std::lround((x / vertices + 15) / 2.5f)),
                              static_cast<int>(std::lround((14 - y / vertices) / 2.5f))});
                x = y = 0;
                vertices = 0;
            }
        }
        return cells;
    }
};

TEST_F(TGridGl, DrawShowsOccupiedCellsAndThePreviewCentresTheName) {
    TLetterArray cells(8);
    TGrid grid(nullptr, 8, 2.5f, 2.5f);
    grid.MoveTo(-15.0f, 15.0f, 0.0f);
    grid.SetLetterArray(&cells);
    cells.SetCell(0, 7, 'q');
    cells.SetCell(8, 7, 'q'); // beyond the grid's columns: not drawn
    int segments = 0;
    EXPECT_EQ(DrawnCells([&] { grid.Draw(); }, segments), (std::set<std::pair<int, int>>{{0, 7}}));
    EXPECT_EQ(
        DrawnCells([&] { grid.DrawPreview(); }, segments),
        (std::set<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}));
    EXPECT_EQ(segments, 8 * 8 * 24) << "a frame of 24 segments on every cell";
}

} // namespace
} // namespace scrivel
