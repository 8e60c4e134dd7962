#pragma once

#include "scene/gl_object.h"

#include <GL/gl.h>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace scrivel::test {

// Where the cubes drawn by draw() stand, in scene units, captured with GL's feedback mode: each
// cube is six quads (twelve triangles where GL splits them), and its centre and size come from
// their corners. Projection and modelview are set here to an orthographic box of ±20 units on
// every axis.
struct DrawnCube {
    TVector3 centre;
    TVector3 size;
};

inline std::vector<DrawnCube> CaptureCubes(const std::function<void()>& draw) {
    constexpr float kHalf = 20.0f;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalf, kHalf, -kHalf, kHalf, -kHalf, kHalf);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);

    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    // Window coordinates back to scene units.
    const auto sceneX = [&](float wx) {
        return (wx - viewport[0]) / viewport[2] * 2 * kHalf - kHalf;
    };
    const auto sceneY = [&](float wy) {
        return (wy - viewport[1]) / viewport[3] * 2 * kHalf - kHalf;
    };
    const auto sceneZ = [&](float wz) { return kHalf - wz * 2 * kHalf; };

    std::vector<DrawnCube> cubes;
    TVector3 low{1e9f, 1e9f, 1e9f};
    TVector3 high{-1e9f, -1e9f, -1e9f};
    int polygons = 0;
    int perCube = 6;
    for (GLint i = 0; i < used;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        const auto count = static_cast<GLint>(buffer[i++]);
        if (polygons == 0) {
            perCube = count == 3 ? 12 : 6;
        }
        for (GLint v = 0; v < count; ++v, i += 3) {
            const TVector3 p{sceneX(buffer[i]), sceneY(buffer[i + 1]), sceneZ(buffer[i + 2])};
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
        if (++polygons % perCube == 0) {
            cubes.push_back({{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2},
                             {high.x - low.x, high.y - low.y, high.z - low.z}});
            low = {1e9f, 1e9f, 1e9f};
            high = {-1e9f, -1e9f, -1e9f};
        }
    }
    EXPECT_EQ(polygons % perCube, 0) << "a cube was drawn with a face missing";
    return cubes;
}

} // namespace scrivel::test
