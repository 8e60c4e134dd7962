#include "scene/camera.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TCamera, StartsAtTheDefaultEyeAndEasesFivePercentPerStep) {
    TCamera camera;
    EXPECT_FLOAT_EQ(camera.Position.y, 2.0f);
    EXPECT_FLOAT_EQ(camera.Position.z, 20.0f);
    EXPECT_FLOAT_EQ(camera.Easing, 0.05f);

    camera.SetTarget(0.0f, 2.0f, 120.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_FALSE(camera.Arrived);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position.z, 25.0f);
    EXPECT_FALSE(camera.Arrived);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position.z, 25.0f + 0.05f * 95.0f);

    // It keeps easing until less than a whole unit is left, then stops where it is.
    int steps = 2;
    while (!camera.Arrived && steps < 1000) {
        camera.Step();
        ++steps;
    }
    EXPECT_LT(steps, 1000);
    EXPECT_GT(120.0f - camera.Position.z, 0.0f);
    EXPECT_LT(120.0f - camera.Position.z, 1.0f);
    const float stopped = camera.Position.z;
    camera.Step();
    EXPECT_EQ(camera.Position.z, stopped);
}

TEST(TCamera, LessThanAUnitAwayArrivesOnTheFirstStepAndHolds) {
    TCamera camera;
    camera.Set(1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
    camera.SetTarget(1.9f, 0.1f, 1.9f, 0.0f, 0.0f, 0.0f);
    camera.Step();
    EXPECT_TRUE(camera.Arrived);
    // The step before the arrival test covers its 5 %; after that the camera holds.
    EXPECT_FLOAT_EQ(camera.Position.x, 1.045f);
    EXPECT_FLOAT_EQ(camera.Position.y, 0.955f);
    camera.Step();
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position.x, 1.045f);
    EXPECT_FLOAT_EQ(camera.Position.z, 1.045f);
}

TEST(TCamera, AnglesAloneTurnOnceThenCountAsArrived) {
    TCamera camera;
    camera.SetTarget(0.0f, 2.0f, 20.0f, 40.0f, -20.0f, 10.0f);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Angles.x, 2.0f);
    EXPECT_FLOAT_EQ(camera.Angles.y, -1.0f);
    EXPECT_FLOAT_EQ(camera.Angles.z, 0.5f);
    EXPECT_TRUE(camera.Arrived);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Angles.x, 2.0f) << "arrived: the angles stop too";
}

class TCameraGl : public test::GlTest {};

TEST_F(TCameraGl, ApplyLoadsRotationsThenTheTranslation) {
    TCamera camera;
    camera.Set(1.0f, 2.0f, 3.0f, 90.0f, 0.0f, 0.0f);
    camera.Arrived = true;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(50.0f, 50.0f, 50.0f); // replaced, not multiplied
    camera.Apply();
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    // R = rotation of 90 degrees about x; the matrix is R * T(-1, -2, -3), column-major.
    const std::array<float, 16> expected = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, -1, 3, -2, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-5) << "m" << i;
    }
    glLoadIdentity();
}

} // namespace
} // namespace scrivel
