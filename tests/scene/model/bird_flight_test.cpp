#include "scene/model/bird_flight.h"
#include "scripted_random.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace scrivel {
namespace {

TEST(TBirdDraws, DrawsInTheirFixedOrder) {
    struct Case {
        std::vector<int> draws;
        int texture;
        bool reverse;
        float radius, height, angle;
    };
    for (const Case& c : {Case{{3, 4, 49, 9, 719}, 31, true, 54, 10.5f, 359},
                          Case{{2, 5, 50, 10, 360}, 30, false, 5, 1.5f, 0}}) {
        test::ScriptedRandom random(c.draws);
        const TBirdDraws bird = TBirdDraws::Draw(std::ref(random));
        EXPECT_EQ(std::tuple(random.Draws(), bird.Texture, bird.Reverse, bird.Radius, bird.Height,
                             bird.StartAngle),
                  std::tuple(5u, c.texture, c.reverse, c.radius, c.height, c.angle));
    }
}

TEST(TWingBeat, PhaseRisesAndFallsClampedToZeroAndOne) {
    TWingBeat beat;
    float highest = 0.0f;
    int framesUp = 0;
    while (!beat.Falling()) {
        beat.Step();
        ++framesUp;
        highest = std::max(highest, beat.Phase());
        ASSERT_LT(framesUp, 20);
    }
    EXPECT_EQ(std::pair(beat.Phase(), highest), std::pair(1.0f, 1.0f));
    for (int i = 0; i < 12; ++i) {
        beat.Step();
        EXPECT_TRUE(beat.Phase() >= 0.0f && beat.Phase() <= 1.0f) << beat.Phase();
    }
    EXPECT_FALSE(beat.Falling());
    EXPECT_LE(beat.Phase(), 0.2f);
}

} // namespace
} // namespace scrivel
