#include "scene/rotation.h"

#include <gtest/gtest.h>
#include <numbers>

namespace scrivel {
namespace {

void ExpectPoint(const TVector3& p, float x, float y, float z) {
    EXPECT_NEAR(p.x, x, 1e-6);
    EXPECT_NEAR(p.y, y, 1e-6);
    EXPECT_NEAR(p.z, z, 1e-6);
}

constexpr float kQuarter = std::numbers::pi_v<float> / 2;

TEST(Rotation, ZTakesDegreesAndTurnsXDownwards) {
    ExpectPoint(TransformPoint(RotationZ(90.0f), {1, 0, 0}), 0, -1, 0);
    ExpectPoint(TransformPoint(RotationZ(90.0f), {0, 1, 0}), 1, 0, 0);
    ExpectPoint(TransformPoint(RotationZ(180.0f), {2, 3, 4}), -2, -3, 4);
}

TEST(Rotation, XAndYTakeRadians) {
    ExpectPoint(TransformPoint(RotationX(kQuarter), {0, 1, 0}), 0, 0, -1);
    ExpectPoint(TransformPoint(RotationX(kQuarter), {0, 0, 1}), 0, 1, 0);
    ExpectPoint(TransformPoint(RotationX(kQuarter), {5, 0, 0}), 5, 0, 0);
    ExpectPoint(TransformPoint(RotationY(kQuarter), {1, 0, 0}), 0, 0, 1);
    ExpectPoint(TransformPoint(RotationY(kQuarter), {0, 0, 1}), -1, 0, 0);
    ExpectPoint(TransformPoint(RotationY(kQuarter), {0, 7, 0}), 0, 7, 0);
}

TEST(Rotation, BuildersWriteOverTheIdentity) {
    const TMatrix m = RotationY(0.3f);
    EXPECT_EQ(m[15], 1.0f);
    EXPECT_EQ(m[5], 1.0f);
    EXPECT_EQ(m[3], 0.0f);
    EXPECT_EQ(m[7], 0.0f);
    EXPECT_EQ(m[11], 0.0f);
    // Turning leaves the length of a vector alone.
    const TVector3 p = TransformPoint(RotationZ(33.0f), TransformPoint(m, {3, 4, 12}));
    EXPECT_NEAR(p.x * p.x + p.y * p.y + p.z * p.z, 169.0f, 1e-3);
}

} // namespace
} // namespace scrivel
