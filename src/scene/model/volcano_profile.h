#pragma once

#include <array>

namespace scrivel {

// The crater's profile, a cubic Bezier Q0 .. Q3 turned about the vertical axis, and the eruption
// that swells its rim for ten ticks.
class TVolcanoProfile {
public:
    // The largest eruption: its swell peaks halfway. A larger value would shrink the rim.
    static constexpr int MaxEruption = 100;

    static constexpr float VerticalScale = 3.6f;
    static constexpr float HorizontalScale = 1.75f;
    // The radii and heights of the profile at rest; only the rim radius swells.
    static constexpr float RestRimRadius = 2.5f; // r1
    static constexpr float FlankRadius = 2.2f;   // r2
    static constexpr float FootRadius = 6.0f;    // r3
    static constexpr float LowHeight = 0.2f;     // h1
    static constexpr float RimHeight = 4.0f;     // h2
    static constexpr float FloorHeight = 3.59f;  // h3

    TVolcanoProfile();

    // Sets the eruption counter, clamped to 0 .. MaxEruption.
    void StartEruption(int value);
    // One tick of the eruption: swells or relaxes the rim, counts down by 10 and resets the
    // profile on the last tick. Returns the swell of the shape drawn this tick (0 to 50, 0 at
    // rest and on the last tick).
    int EruptionStep();

    // The counter: 0 at rest.
    int Eruption() const { return eruption_; }
    float Q0x() const { return points_[0]; }
    float Q0y() const { return points_[1]; }
    float Q1x() const { return points_[3]; }
    float Q1y() const { return points_[4]; }
    float Q2x() const { return points_[6]; }
    float Q2y() const { return points_[7]; }
    float Q3x() const { return points_[9]; }
    float Q3y() const { return points_[10]; }
    // Q0 .. Q3 as x, y, z triples, as the evaluator takes them.
    const std::array<float, 12>& Points() const { return points_; }

private:
    // Q0 to Q3 from the radii and heights; the rest rim control value follows Q1's x.
    void Recompute();

    float rimRadius_ = RestRimRadius;
    float restRimControl_ = 0.0f;
    int eruption_ = 0;
    std::array<float, 12> points_{};
};

} // namespace scrivel
