#include "scene/gl_mesh.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TGLMesh, FlightStepsEachAxisUntilLessThanAUnitRemains) {
    TGLMesh mesh;
    mesh.MoveTo(0.0f, 1.0f, 2.0f);
    mesh.FlyTo(5.0f, 1.0f, 2.0f, 0.25f);
    int frames = 0;
    while (!mesh.StepMove()) {
        ASSERT_LT(++frames, 100);
        EXPECT_FLOAT_EQ(mesh.Location().y, 1.0f); // an axis at its target stays
    }
    // From 4, a whole unit short of 5, it still steps; from 4.25 (trunc(0.75) is 0) it stops.
    EXPECT_EQ(frames, 17);
    EXPECT_EQ(mesh.Location().x, 4.25f);
    const float stopped = mesh.Location().x;
    EXPECT_TRUE(mesh.StepMove());
    EXPECT_EQ(mesh.Location().x, stopped);
}

TEST(TGLMesh, FlightBackwardsStepsDown) {
    TGLMesh mesh;
    mesh.MoveTo(3.0f, 0.0f, 0.0f);
    mesh.FlyTo(0.0f, -2.0f, 0.0f, 0.5f);
    EXPECT_EQ(mesh.FlightStep().x, -0.5f);
    EXPECT_EQ(mesh.FlightStep().y, -0.5f);
    mesh.StepMove();
    EXPECT_FLOAT_EQ(mesh.Location().x, 2.5f);
    EXPECT_FLOAT_EQ(mesh.Location().y, -0.5f);
}

TEST(TGLMesh, CircleStepWrapsPast360ToZero) {
    TGLMesh mesh;
    mesh.SetCircle(false, 0, 0, 0, 5.0f, 357.0f); // 3 degrees a step
    EXPECT_FALSE(mesh.StepMove());
    EXPECT_FLOAT_EQ(mesh.CircleAngle(), 360.0f);
    mesh.StepMove();
    EXPECT_FLOAT_EQ(mesh.CircleAngle(), 0.0f);
    mesh.SetCircle(true, 0, 0, 0, 15.0f, 0.5f); // 1 degree a step, backwards
    mesh.StepMove();
    EXPECT_FLOAT_EQ(mesh.CircleAngle(), 360.0f);
    for (const float none : {0.0f, -0.0f}) {
        mesh.SetCircle(false, 0, 0, 0, none, 90.0f);
        mesh.StepMove();
        EXPECT_FLOAT_EQ(mesh.CircleAngle(), 90.0f) << "radius " << none;
    }
}

} // namespace
} // namespace scrivel
