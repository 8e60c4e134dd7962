#include "scene/gl_mesh.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TGLMesh, FlightStepsEachAxisUntilLessThanAUnitRemains) {
    TGLMesh mesh;
    mesh.Location = {0.0f, 1.0f, 2.0f};
    mesh.SetMoveTarget(5.0f, 1.0f, 2.0f, 10.0f, 20.0f, 30.0f);
    mesh.SetMoveSpeed(0.2f);
    EXPECT_EQ(mesh.MoveMode, TGLMesh::Flight);
    int frames = 0;
    while (!mesh.StepMove()) {
        ASSERT_LT(++frames, 100);
        EXPECT_FLOAT_EQ(mesh.Location.y, 1.0f); // an axis at its target stays
    }
    EXPECT_NEAR(mesh.Location.x, 0.2f * frames, 1e-4);
    EXPECT_GT(5.0f - mesh.Location.x, 0.75f); // no snap onto the target
    const float stopped = mesh.Location.x;
    EXPECT_TRUE(mesh.StepMove());
    EXPECT_EQ(mesh.Location.x, stopped);
}

TEST(TGLMesh, CircleStepWrapsPast360ToZero) {
    TGLMesh mesh;
    mesh.SetCircle(false, 0, 0, 0, 5.0f); // 3 degrees a step
    mesh.CircleAngle = 357.0f;
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 360.0f);
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 0.0f);
    mesh.SetCircle(true, 0, 0, 0, 15.0f); // 1 degree a step, backwards
    mesh.CircleAngle = 0.5f;
    mesh.AdvanceCircle();
    EXPECT_FLOAT_EQ(mesh.CircleAngle, 360.0f);
    for (const float none : {0.0f, -0.0f}) {
        mesh.SetCircle(false, 0, 0, 0, none);
        mesh.CircleAngle = 90.0f;
        mesh.AdvanceCircle();
        EXPECT_EQ(mesh.CircleStep, 0.0f) << "radius " << none;
        EXPECT_FLOAT_EQ(mesh.CircleAngle, 90.0f) << "radius " << none;
    }
}

} // namespace
} // namespace scrivel
