#include "render/board_marks.h"

#include <GL/gl.h>
#include <initializer_list>

namespace scrivel {

namespace {

// Just above the plate, so the marks never fight it for depth.
constexpr float kLift = 0.01f;
// Light sand over the plate's red rock, every other column a little stronger.
constexpr float kColumnShade[2][4] = {{1.0f, 0.92f, 0.7f, 0.22f}, {1.0f, 0.92f, 0.7f, 0.36f}};
constexpr float kCellFill[4] = {1.0f, 1.0f, 0.85f, 0.18f};
constexpr float kCellEdge[4] = {1.0f, 1.0f, 0.85f, 0.7f};

// Translucent marks over what is drawn: no light, no texture, no depth written.
class MarkState {
public:
    MarkState() {
        glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT |
                     GL_LINE_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDepthMask(GL_FALSE);
    }
    ~MarkState() { glPopAttrib(); }
    MarkState(const MarkState&) = delete;
    MarkState& operator=(const MarkState&) = delete;
};

// The four corners of the cell face centred on (cx, cy) at depth z, round the face.
void CellFace(float cx, float cy, float hx, float hy, float z) {
    glVertex3f(cx - hx, cy - hy, z);
    glVertex3f(cx + hx, cy - hy, z);
    glVertex3f(cx + hx, cy + hy, z);
    glVertex3f(cx - hx, cy + hy, z);
}

} // namespace

void TBoardMarks::DrawColumns(const BoardLayout& layout) const {
    const MarkState state;
    const float y = layout.BaseHeight + kLift;
    const float halfDepth = 0.5f * layout.CellWidth;
    const float front = BoardLayout::GridDepth + halfDepth;
    const float back = BoardLayout::GridDepth - halfDepth;
    glBegin(GL_QUADS);
    for (int c = 0; c < layout.Size; ++c) {
        const float left = layout.GridLeft + (static_cast<float>(c) - 0.5f) * layout.CellWidth;
        const float right = left + layout.CellWidth;
        glColor4fv(kColumnShade[c % 2]);
        glVertex3f(left, y, back);
        glVertex3f(right, y, back);
        glVertex3f(right, y, front);
        glVertex3f(left, y, front);
    }
    glEnd();
}

void TBoardMarks::DrawLandingCell(const BoardLayout& layout, int column, int row) const {
    const MarkState state;
    // A letter cube hangs one unit under its cell's y.
    const float cx = layout.GridLeft + static_cast<float>(column) * layout.CellWidth;
    const float cy = layout.GridTop - static_cast<float>(row) * layout.CellHeight - 1.0f;
    const float hx = 0.5f * layout.CellWidth;
    const float hy = 0.5f * layout.CellHeight;
    const float front = BoardLayout::GridDepth + hx;
    const float back = BoardLayout::GridDepth - hx;
    glColor4fv(kCellFill);
    glBegin(GL_QUADS);
    CellFace(cx, cy, hx, hy, front);
    glEnd();
    glColor4fv(kCellEdge);
    glLineWidth(2.0f);
    for (const float z : {front, back}) {
        glBegin(GL_LINE_LOOP);
        CellFace(cx, cy, hx, hy, z);
        glEnd();
    }
    glBegin(GL_LINES);
    for (const float x : {cx - hx, cx + hx}) {
        for (const float y : {cy - hy, cy + hy}) {
            glVertex3f(x, y, front);
            glVertex3f(x, y, back);
        }
    }
    glEnd();
}

} // namespace scrivel
