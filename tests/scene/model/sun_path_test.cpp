#include "scene/model/sun_path.h"

#include <array>
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

TEST(TDaylight, MiddayAndDusk) {
    using Colours = std::array<TRgba, 4>; // sky, ambient, diffuse, fog
    const Colours midday = {
        {{0.5f, 0.5f, 1, 1}, {1, 1, 1, 0.8f}, {0.25f, 1, 1, 1}, {0.415f, 0.275f, 0.045f, 1}}};
    const Colours dusk = {{{0, 0, 0.2f, 1},
                           {0.25f, 0.25f, 0.25f, 0.8f},
                           {1, 0.25f, 0.25f, 1},
                           {0.83f, 0.55f, 0.09f, 1}}};
    for (const auto& [x, expected] : {std::pair{0.0f, midday}, {40.0f, dusk}, {-40.0f, dusk}}) {
        TSunPath sun;
        sun.X = x;
        const TDaylight day = TDaylight::At(sun.Lowness());
        const Colours got = {day.Sky, day.Ambient, day.Diffuse, day.Fog};
        for (int i = 0; i < 16; ++i) {
            EXPECT_NEAR(got[i / 4][i % 4], expected[i / 4][i % 4], 1e-6)
                << x << ": colour " << i / 4 << ", " << i % 4;
        }
    }
}

} // namespace
} // namespace scrivel
