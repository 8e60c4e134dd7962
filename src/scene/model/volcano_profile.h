#pragma once

#include <array>

namespace scrivel {

// The crater's profile, a cubic Bezier Q0 .. Q3 turned about the vertical axis, and the eruption
// that swells its rim for ten frames.
class TVolcanoProfile {
public:
    // The largest eruption: its swell peaks halfway. A larger value would shrink the rim.
    static constexpr int MaxEruption = 100;

    TVolcanoProfile();

    // Q0 to Q3 from the radii and heights; the rest rim control value follows Q1's x.
    void Recompute();
    // Sets the eruption counter, clamped to 0 .. MaxEruption.
    void StartEruption(int value);
    // One frame of the eruption: swells or relaxes the rim, counts down by 10 and resets the
    // profile on the last frame. Returns the swell of the shape drawn this frame (0 to 50, 0 at
    // rest and on the last frame).
    int EruptionStep();

    float Q0x() const { return Points[0]; }
    float Q0y() const { return Points[1]; }
    float Q1x() const { return Points[3]; }
    float Q1y() const { return Points[4]; }
    float Q2x() const { return Points[6]; }
    float Q2y() const { return Points[7]; }
    float Q3x() const { return Points[9]; }
    float Q3y() const { return Points[10]; }

    static constexpr float VerticalScale = 3.6f;
    static constexpr float HorizontalScale = 1.75f;

    float RimRadius = 2.5f;    // r1
    float FlankRadius = 2.2f;  // r2
    float FootRadius = 6.0f;   // r3
    float LowHeight = 0.2f;    // h1
    float RimHeight = 4.0f;    // h2
    float FloorHeight = 3.59f; // h3
    float RestRimRadius = 2.5f;
    float RestRimControl = 0.0f;
    int Eruption = 0;
    // Q0 .. Q3 as x, y, z triples, as the evaluator takes them.
    std::array<float, 12> Points{};
};

} // namespace scrivel
