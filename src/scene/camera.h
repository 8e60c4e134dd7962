#pragma once

#include "scene/vector.h"

namespace scrivel {

// The eye of the scene: eases a fixed fraction of the way towards its target each tick.
class TCamera {
public:
    static constexpr float Easing = 0.05f;

    void Set(float px, float py, float pz, float ax, float ay, float az);
    void SetTarget(float px, float py, float pz, float ax, float ay, float az);

    // One tick: an easing step and the arrival test; no GL.
    void Step();
    // Loads the view transform into the current (modelview) matrix.
    void Apply() const;
    // Loads the view transform of the tick before the last step: the one the last frame placed
    // its lights with, which what is drawn before they are placed again still shows.
    void ApplyPrevious() const;

    const TVector3& Position() const { return position_; }
    const TVector3& Angles() const { return angles_; } // degrees
    const TVector3& TargetPosition() const { return targetPosition_; }
    const TVector3& TargetAngles() const { return targetAngles_; }
    // Within a unit of the target on every axis; the camera then stays where it is.
    bool Arrived() const { return arrived_; }

private:
    TVector3 position_{0.0f, 2.0f, 20.0f};
    TVector3 angles_;
    TVector3 targetPosition_{0.0f, 2.0f, 20.0f};
    TVector3 targetAngles_;
    bool arrived_ = false;
    TVector3 previousPosition_ = position_;
    TVector3 previousAngles_;
};

} // namespace scrivel
