#include "scene/model/sun_path.h"

#include <cmath>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(TSunPath, CrossesAtAFixedPaceOnItsArc) {
    TSunPath sun;
    for (int i = 0; i < 100; ++i) {
        sun.Step();
    }
    EXPECT_NEAR(sun.X, -15.0f, 1e-3);
    EXPECT_NEAR(sun.Y(), 20.0f * std::cos(0.375f) - 7.0f, 1e-3);
    sun.X = 0.0f;
    EXPECT_FLOAT_EQ(sun.Y(), 13.0f);
}

TEST(TSunPath, TurnsAtEitherEndWithoutMovingThatFrame) {
    struct Case {
        float x;
        bool towardsMinus;
        float afterOne, afterTwo;
    };
    for (const Case& c :
         {Case{40.02f, false, 40.02f, 39.97f}, Case{-40.02f, true, -39.97f, -39.92f},
          Case{39.99f, false, 40.04f, 40.04f}}) {
        TSunPath sun;
        sun.X = c.x;
        sun.TowardsMinus = c.towardsMinus;
        sun.Step();
        EXPECT_NEAR(sun.X, c.afterOne, 1e-4) << c.x;
        sun.Step();
        EXPECT_NEAR(sun.X, c.afterTwo, 1e-4) << c.x;
    }
}

} // namespace
} // namespace scrivel
