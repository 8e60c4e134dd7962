#include "model/letter_array.h"
#include "render/grid.h"
#include "render/lettre.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace scrivel {
namespace {

using Cell = std::pair<int, int>; // column, row

// A grid of 10 x 10 cells whose top-left cell is centred on (20, 200), drawn with scene units
// equal to window pixels.
constexpr float kLeft = 20.0f;
constexpr float kTop = 200.0f;
constexpr float kPitch = 10.0f;

struct Board {
    TLetterArray cells;
    TGrid grid;
    explicit Board(int size)
        : cells(size), grid(nullptr, static_cast<std::int16_t>(size), kPitch, kPitch) {
        grid.Location = {kLeft, kTop, 0.0f};
        grid.SetLetterArray(&cells);
    }
};

// What a grid drew, seen through GL's feedback mode: the cells of its letter cubes (six faces
// each, or twelve triangles) and the number of cell frames (line loops of 24 segments).
struct Drawn {
    std::set<Cell> letters;
    int frames = 0;
};

Drawn Capture(const std::function<void()>& draw) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -20, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer too small";

    Drawn drawn;
    std::vector<GLfloat> xs;
    std::vector<GLfloat> ys;
    int polygons = 0;
    int segments = 0;
    for (GLint i = 0; i < used;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token == GL_LINE_RESET_TOKEN || token == GL_LINE_TOKEN) {
            ++segments;
            i += 6;
            continue;
        }
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        const auto count = static_cast<GLint>(buffer[i++]);
        for (GLint v = 0; v < count; ++v, i += 3) {
            xs.push_back(buffer[i]);
            ys.push_back(buffer[i + 1]);
        }
        if (++polygons % (count == 3 ? 12 : 6) == 0) {
            const float x = (*std::min_element(xs.begin(), xs.end()) +
                             *std::max_element(xs.begin(), xs.end())) /
                            2;
            const float y = (*std::min_element(ys.begin(), ys.end()) +
                             *std::max_element(ys.begin(), ys.end())) /
                                2 +
                            1.0f;
            drawn.letters.insert({static_cast<int>(std::lround((x - kLeft) / kPitch)),
                                  static_cast<int>(std::lround((kTop - y) / kPitch))});
            xs.clear();
            ys.clear();
        }
    }
    EXPECT_EQ(segments % 24, 0) << "a cell frame was cut short";
    drawn.frames = segments / 24;
    return drawn;
}

TEST(TGrid, ResizeNeedsALetterArrayAndASize) {
    TGrid loose(nullptr, 8, 0.75f, 0.5f);
    loose.Resize(4, 1.5f, 1.0f);
    EXPECT_EQ(loose.Size, 8) << "nothing changes before a letter array is attached";
    EXPECT_FLOAT_EQ(loose.CellWidth, 0.75f);
    EXPECT_FLOAT_EQ(loose.Stamp->Width, 0.75f);

    Board b(8);
    b.cells.SetCell(7, 7, 'z');
    b.grid.Resize(0, 0.0f, 0.0f);
    EXPECT_EQ(b.grid.Size, 8);
    EXPECT_EQ(b.cells.Rows(), 8);
    EXPECT_EQ(b.cells.Cell(7, 7), 'z') << "a refused resize keeps the game's letters";

    b.grid.Resize(4, 1.5f, 1.0f);
    EXPECT_EQ(b.grid.Size, 4);
    EXPECT_EQ(b.cells.Rows(), 4);
    EXPECT_EQ(b.cells.Cell(7, 7), 0);
    EXPECT_FLOAT_EQ(b.grid.Stamp->Width, 1.5f);
    EXPECT_FLOAT_EQ(b.grid.Stamp->Height, 1.0f);
}

class TGridGl : public test::GlTest {};

TEST_F(TGridGl, DrawShowsOnlyTheOccupiedCells) {
    Board b(12);
    EXPECT_TRUE(Capture([&] { b.grid.Draw(); }).letters.empty());
    const std::set<Cell> filled = {{0, 11}, {0, 10}, {5, 11}, {11, 0}, {11, 11}};
    for (const auto& [c, r] : filled) {
        b.cells.SetCell(c, r, 'q');
    }
    b.cells.SetCell(12, 11, 'q'); // beyond the grid's columns: not drawn
    const Drawn drawn = Capture([&] { b.grid.Draw(); });
    EXPECT_EQ(drawn.letters, filled);
    EXPECT_EQ(drawn.frames, 0);
}

TEST_F(TGridGl, PreviewCentresTheNameInTheMiddleRow) {
    struct Expected {
        int size;
        int first;
        int count;
        std::uint8_t last;
    };
    for (const Expected e :
         {Expected{4, 0, 4, 'i'}, Expected{8, 0, 7, 'l'}, Expected{12, 2, 7, 'l'}}) {
        SCOPED_TRACE("size " + std::to_string(e.size));
        Board b(e.size);
        b.cells.SetCell(0, e.size - 1, 'q'); // the game's letters do not show in the preview
        std::set<Cell> expected;
        for (int i = 0; i < e.count; ++i) {
            expected.insert({e.first + i, e.size / 2});
        }
        const Drawn drawn = Capture([&] { b.grid.DrawPreview(); });
        EXPECT_EQ(drawn.letters, expected);
        EXPECT_EQ(drawn.frames, e.size * e.size);
        EXPECT_EQ(b.grid.Stamp->Letter, e.last);
    }
}

} // namespace
} // namespace scrivel
