#include "scene/camera.h"

#include <GL/gl.h>
#include <cmath>

namespace scrivel {

namespace {

void Ease(float& value, float target, float factor) {
    value += (target - value) * factor;
}

// Whole units still to go, as the arrival test counts them.
bool Near(float position, float target) {
    return std::fabs(std::trunc(target - position)) <= 0.5f;
}

} // namespace

void TCamera::Set(float px, float py, float pz, float ax, float ay, float az) {
    Position = {px, py, pz};
    Angles = {ax, ay, az};
}

void TCamera::SetTarget(float px, float py, float pz, float ax, float ay, float az) {
    TargetPosition = {px, py, pz};
    TargetAngles = {ax, ay, az};
    Arrived = false;
}

void TCamera::Step() {
    if (!Arrived) {
        Ease(Angles.x, TargetAngles.x, Easing);
        Ease(Angles.y, TargetAngles.y, Easing);
        Ease(Angles.z, TargetAngles.z, Easing);
        Ease(Position.x, TargetPosition.x, Easing);
        Ease(Position.y, TargetPosition.y, Easing);
        Ease(Position.z, TargetPosition.z, Easing);
    }
    // Only the position decides arrival: the camera then stops short, angles included.
    Arrived = Near(Position.x, TargetPosition.x) && Near(Position.y, TargetPosition.y) &&
              Near(Position.z, TargetPosition.z);
}

void TCamera::Apply() {
    Step();
    glLoadIdentity();
    glRotatef(Angles.x, 1.0f, 0.0f, 0.0f);
    glRotatef(Angles.y, 0.0f, 1.0f, 0.0f);
    glRotatef(Angles.z, 0.0f, 0.0f, 1.0f);
    glTranslatef(-Position.x, -Position.y, -Position.z);
}

} // namespace scrivel
