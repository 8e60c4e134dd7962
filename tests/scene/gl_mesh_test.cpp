#include "render/texture_64.h"
#include "scene/gl_mesh.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TGLMesh, FlightStepsEachAxisUntilLessThanAUnitRemains) {
    TGLMesh mesh;
    mesh.Location = {0.0f, 1.0f, 2.0f};
    mesh.SetMoveTarget(5.0f, 1.0f, 2.0f, 10.0f, 20.0f, 30.0f);
    mesh.SetMoveSpeed(0.2f);
    EXPECT_EQ(mesh.MoveMode, TGLMesh::Flight);
    EXPECT_FLOAT_EQ(mesh.Step.y, -0.2f) << "not below the target: the step is negative";
    int frames = 0;
    while (!mesh.StepMove()) {
        ASSERT_LT(++frames, 100);
        EXPECT_FLOAT_EQ(mesh.Location.y, 1.0f) << "an axis at its target stays";
    }
    EXPECT_NEAR(mesh.Location.x, 0.2f * frames, 1e-4);
    EXPECT_LT(5.0f - mesh.Location.x, 1.0f);
    EXPECT_GT(5.0f - mesh.Location.x, 0.75f) << "no snap onto the target";
    const float stopped = mesh.Location.x;
    EXPECT_TRUE(mesh.StepMove());
    EXPECT_EQ(mesh.Location.x, stopped);

    TGLMesh close;
    close.Location = {1.0f, 1.0f, 1.0f};
    close.SetMoveTarget(1.9f, 0.1f, 1.9f, 0, 0, 0);
    close.SetMoveSpeed(0.05f);
    EXPECT_TRUE(close.StepMove());
    EXPECT_FLOAT_EQ(close.Location.x, 1.0f);
}

TEST(TGLMesh, CircleStepFollowsTheRadiusAndWraps) {
    TGLMesh mesh;
    mesh.SetCircle(false, 0, 0, 0, 5.0f); // 3 degrees a step
    mesh.CircleAngle = 357.0f;
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 360.0f) << "360 itself is kept";
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 0.0f) << "past 360 starts again at 0, not at 3";
    mesh.SetCircle(true, 0, 0, 0, 15.0f); // 1 degree a step, backwards
    mesh.CircleAngle = 0.5f;
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 360.0f);
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 359.0f);
}

class TGLMeshGl : public test::GlTest {};

TEST_F(TGLMeshGl, CircleSetsTheModelviewForTheMesh) {
    for (const bool reverse : {false, true}) {
        TGLMesh mesh;
        mesh.SetCircle(reverse, 1.0f, 2.0f, 3.0f, 5.0f);
        mesh.CircleAngle = 87.0f;
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        EXPECT_FALSE(mesh.StepMove());
        const float radians = (reverse ? 84.0f : 90.0f) * 3.14159265f / 180.0f;
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        // The origin is the centre plus the radius turned about y; forwards, the mesh's x axis
        // points back along the radius.
        const float facing = reverse ? 1.0f : -1.0f;
        EXPECT_NEAR(m[12], 1.0f + 5.0f * std::cos(radians), 1e-4);
        EXPECT_NEAR(m[13], 2.0f, 1e-4);
        EXPECT_NEAR(m[14], 3.0f - 5.0f * std::sin(radians), 1e-4);
        EXPECT_NEAR(m[0], facing * std::cos(radians), 1e-4) << reverse;
        EXPECT_NEAR(m[2], -facing * std::sin(radians), 1e-4) << reverse;
        glLoadIdentity();
    }
}

TEST_F(TGLMeshGl, BuildTextureUploadsTheOwnedTexture) {
    TGLMesh mesh;
    EXPECT_EQ(mesh.BuildTexture(), 0u) << "no texture";
    mesh.Texture = std::make_unique<T64Texture>("basic");
    const unsigned name = mesh.BuildTexture();
    EXPECT_NE(name, 0u);
    EXPECT_EQ(mesh.TextureName, name);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned>(bound), name);
}

} // namespace
} // namespace scrivel
