#pragma once

#include "scene/vector.h"

#include <cstdint>

namespace scrivel {

// Where a moving piece of the scene stands and how it moves a tick: a straight flight to a target,
// or a circle about a vertical axis. The pieces that move hold one and draw where it puts them.
class TGLMesh {
public:
    const TVector3& Location() const { return location_; }
    void MoveTo(float x, float y, float z) { location_ = {x, y, z}; }

    // Flies from where it stands towards (x, y, z), speed units a tick on each axis.
    void FlyTo(float x, float y, float z, float speed);
    const TVector3& Target() const { return target_; }
    // Signed per-axis step of the flight set last.
    const TVector3& FlightStep() const { return step_; }

    // Circles about the vertical axis through (cx, cy, cz), 15 / radius degrees per tick from
    // startAngle; a radius of 0 keeps the angle.
    void SetCircle(bool reverse, float cx, float cy, float cz, float radius,
                   float startAngle = 0.0f);
    float CircleAngle() const { return circleAngle_; } // degrees

    // Advances the motion by one tick; true once a flight has ended. No GL.
    bool StepMove();
    // Multiplies the modelview matrix by the circle's placement at the current angle, facing the
    // way of travel; call inside the caller's push and pop, just before drawing.
    void ApplyCircle() const;

private:
    enum class Motion : std::uint8_t { None, Flight, Circle };

    void AdvanceFlight();
    void AdvanceCircle();

    TVector3 location_;
    TVector3 step_;
    TVector3 target_;
    float circleAngle_ = 0.0f; // degrees
    float circleStep_ = 0.0f;  // degrees per tick
    TVector3 circleCentre_;
    float circleRadius_ = 0.0f;
    bool reverse_ = false;
    Motion motion_ = Motion::None;
    bool finished_ = false;
};

} // namespace scrivel
