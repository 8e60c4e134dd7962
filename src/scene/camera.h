#pragma once

#include "scene/gl_object.h"

namespace scrivel {

// The eye of the scene: eases a fixed fraction of the way towards its target each frame.
class TCamera {
public:
    void Set(float px, float py, float pz, float ax, float ay, float az);
    void SetTarget(float px, float py, float pz, float ax, float ay, float az);

    // One easing step, then loads the view transform into the current (modelview) matrix.
    void Apply();
    // The easing step and arrival test of Apply, without GL.
    void Step();

    static constexpr float DefaultEasing = 0.05f;

    TVector3 Position{0.0f, 2.0f, 20.0f};
    TVector3 Angles; // degrees
    TVector3 TargetPosition{0.0f, 2.0f, 20.0f};
    TVector3 TargetAngles;
    float Easing = DefaultEasing;
    bool Arrived = false;
};

} // namespace scrivel
