#include "scene/camera.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TCamera, EasesFivePercentPerStepAndStopsLessThanAUnitShort) {
    TCamera camera; // at (0, 2, 20)
    camera.SetTarget(0.0f, 2.0f, 120.0f, 0.0f, 0.0f, 0.0f);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position.z, 25.0f);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position.z, 25.0f + 0.05f * 95.0f);
    for (int steps = 0; !camera.Arrived && steps < 1000; ++steps) {
        camera.Step();
    }
    EXPECT_GT(120.0f - camera.Position.z, 0.0f);
    EXPECT_LT(120.0f - camera.Position.z, 1.0f);
    const float stopped = camera.Position.z;
    camera.Step();
    EXPECT_EQ(camera.Position.z, stopped);
}

TEST(TCamera, CloseTargetArrivesAfterOneStepAndTheAnglesStopToo) {
    TCamera camera;
    camera.Set(1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
    camera.SetTarget(1.9f, 0.1f, 1.9f, 40.0f, -20.0f, 10.0f);
    for (int i = 0; i < 3; ++i) {
        camera.Step();
    }
    EXPECT_TRUE(camera.Arrived);
    EXPECT_FLOAT_EQ(camera.Position.x, 1.045f);
    EXPECT_FLOAT_EQ(camera.Position.y, 0.955f);
    EXPECT_FLOAT_EQ(camera.Angles.x, 2.0f);
    EXPECT_FLOAT_EQ(camera.Angles.y, -1.0f);
}

class TCameraGl : public test::GlTest {};

TEST_F(TCameraGl, ApplyLoadsRotationsThenTheTranslation) {
    TCamera camera;
    camera.Set(1.0f, 2.0f, 3.0f, 90.0f, 0.0f, 0.0f);
    camera.Arrived = true;
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(50.0f, 50.0f, 50.0f); // replaced, not multiplied
    camera.Apply();
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    // 90 degrees about x times T(-1, -2, -3), column-major.
    const std::array<float, 16> expected = {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, -1, 3, -2, 1};
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m[i], expected[i], 1e-5) << "m" << i;
    }
    glLoadIdentity();
}

} // namespace
} // namespace scrivel
