#include "scene/model/bird_flight.h"

namespace scrivel {

namespace {

constexpr float kMiddleX = 0.5f;
constexpr float kMiddleY = 0.3f;
constexpr float kSpan = 0.9f;
constexpr float kBend = 0.1f;

} // namespace

TBirdDraws TBirdDraws::Draw(const RandomSource& random) {
    TBirdDraws bird;
    bird.Texture = 30 + random() % 2;
    bird.Reverse = random() % 10 < 5;
    bird.Radius = static_cast<float>(random() % 50) + 5.0f;
    bird.Height = static_cast<float>(random() % 10) + 1.5f;
    bird.StartAngle = static_cast<float>(random() % 360);
    return bird;
}

void TWingBeat::Step() {
    phase_ += falling_ ? -PhaseStep : PhaseStep;
    if (phase_ > 1.0f) {
        falling_ = true;
        phase_ = 1.0f;
    }
    if (phase_ < 0.0f) {
        falling_ = false;
        phase_ = 0.0f;
    }
}

TWingPoints TWingBeat::FirstWing() const {
    return {0,
            0,
            0,
            kMiddleX - kBend,
            kMiddleY - kBend,
            0,
            kMiddleX + kBend,
            kMiddleY + kBend,
            0,
            kSpan,
            TipHeight(),
            0};
}

TWingPoints TWingBeat::SecondWing() const {
    return {-kSpan,
            TipHeight(),
            0,
            -(kMiddleX + kBend),
            kMiddleY + kBend,
            0,
            -(kMiddleX - kBend),
            kMiddleY - kBend,
            0,
            0,
            0,
            0};
}

} // namespace scrivel
