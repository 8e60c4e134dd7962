#include "scene/camera.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TCamera, EasesFivePercentPerStepAndStopsLessThanAUnitShort) {
    TCamera camera; // at (0, 2, 20)
    camera.SetTarget(0.0f, 2.0f, 120.0f, 40.0f, 0.0f, 0.0f);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position().z, 25.0f);
    EXPECT_FLOAT_EQ(camera.Angles().x, 2.0f);
    camera.Step();
    EXPECT_FLOAT_EQ(camera.Position().z, 25.0f + 0.05f * 95.0f);
    for (int steps = 0; !camera.Arrived() && steps < 1000; ++steps) {
        camera.Step();
    }
    const float shortBy = 120.0f - camera.Position().z;
    EXPECT_TRUE(shortBy > 0.0f && shortBy < 1.0f) << shortBy;
    const auto stopped = std::pair(camera.Position().z, camera.Angles().x);
    camera.Step();
    EXPECT_EQ(std::pair(camera.Position().z, camera.Angles().x), stopped);
}

} // namespace
} // namespace scrivel
