#include "scene/model/sun_path.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

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
