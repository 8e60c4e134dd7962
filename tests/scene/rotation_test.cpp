#include "scene/rotation.h"

#include <gtest/gtest.h>
#include <numbers>

namespace scrivel {
namespace {

TEST(Rotation, ZTakesDegreesXAndYTakeRadians) {
    constexpr float q = std::numbers::pi_v<float> / 2;
    const struct {
        TMatrix m;
        TVector3 in, out;
    } cases[] = {{RotationZ(90), {1, 0, 0}, {0, -1, 0}},
                 {RotationX(q), {0, 1, 0}, {0, 0, -1}},
                 {RotationY(q), {1, 0, 0}, {0, 0, 1}}};
    for (const auto& c : cases) {
        const TVector3 p = TransformPoint(c.m, c.in);
        EXPECT_NEAR(p.x, c.out.x, 1e-6);
        EXPECT_NEAR(p.y, c.out.y, 1e-6);
        EXPECT_NEAR(p.z, c.out.z, 1e-6);
    }
}

} // namespace
} // namespace scrivel
