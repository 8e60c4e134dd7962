#pragma once

#include "scene/model/random_source.h"

#include <array>

namespace scrivel {

// What a new bird draws from the generator, in this order: its feathers (bank tile 30 or 31), its
// direction, the radius and height of its circle (which passes through (0, height, -10)), and
// where on the circle it starts.
struct TBirdDraws {
    int Texture = 30;
    bool Reverse = false;
    float Radius = 5.0f;     // 5 to 54
    float Height = 1.5f;     // 1.5 to 10.5
    float StartAngle = 0.0f; // degrees, 0 to 359

    static TBirdDraws Draw(const RandomSource& random = CRandom);
};

// Four Bezier control points x, y, z, as the evaluators take them.
using TWingPoints = std::array<float, 12>;
// Four texture-coordinate control points s, t.
using TWingTexture = std::array<float, 8>;

// The wing beat: the phase rises by 0.1 a tick to 1, then falls to 0, clamped at both ends; the
// wing tips rise with it from 0 to 0.6.
class TWingBeat {
public:
    static constexpr float PhaseStep = 0.1f;

    void Step();
    // The wing going out to x = +0.9 and the one going out to x = -0.9.
    TWingPoints FirstWing() const;
    TWingPoints SecondWing() const;
    float TipHeight() const { return 0.2f * phase_ * 3.0f; }
    float Phase() const { return phase_; }
    bool Falling() const { return falling_; }

    static constexpr TWingTexture FirstTexture{1, 0, 1, 0, 0, 0, 0, 0};
    static constexpr TWingTexture SecondTexture{0, 0, 0, 0, 1, 0, 1, 0};

private:
    float phase_ = 0.0f;
    bool falling_ = false;
};

} // namespace scrivel
