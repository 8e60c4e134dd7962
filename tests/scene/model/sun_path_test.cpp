#include "scene/model/sun_path.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TSunPath, TurnsAtEitherEndWithoutMovingThatTick) {
    struct Case {
        float x;
        SunHeading heading;
        float afterOne, afterTwo;
    };
    for (const Case& c : {Case{40.02f, SunHeading::TowardsPlus, 40.02f, 39.97f},
                          Case{-40.02f, SunHeading::TowardsMinus, -39.97f, -39.92f},
                          Case{39.99f, SunHeading::TowardsPlus, 40.04f, 40.04f}}) {
        TSunPath sun(c.x, c.heading);
        sun.Step();
        EXPECT_NEAR(sun.X(), c.afterOne, 1e-4) << c.x;
        sun.Step();
        EXPECT_NEAR(sun.X(), c.afterTwo, 1e-4) << c.x;
    }
}

} // namespace
} // namespace scrivel
