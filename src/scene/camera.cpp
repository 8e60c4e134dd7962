#include "scene/camera.h"

#include <GL/gl.h>
#include <cmath>

namespace scrivel {

namespace {

void Ease(float& value, float target) {
    value += (target - value) * TCamera::Easing;
}

// Whole units still to go, as the arrival test counts them.
bool Near(float position, float target) {
    return std::fabs(std::trunc(target - position)) <= 0.5f;
}

void LoadView(const TVector3& position, const TVector3& angles) {
    glLoadIdentity();
    glRotatef(angles.x, 1.0f, 0.0f, 0.0f);
    glRotatef(angles.y, 0.0f, 1.0f, 0.0f);
    glRotatef(angles.z, 0.0f, 0.0f, 1.0f);
    glTranslatef(-position.x, -position.y, -position.z);
}

} // namespace

void TCamera::Set(float px, float py, float pz, float ax, float ay, float az) {
    position_ = {px, py, pz};
    angles_ = {ax, ay, az};
}

void TCamera::SetTarget(float px, float py, float pz, float ax, float ay, float az) {
    targetPosition_ = {px, py, pz};
    targetAngles_ = {ax, ay, az};
    arrived_ = false;
}

void TCamera::Step() {
    previousPosition_ = position_;
    previousAngles_ = angles_;
    if (!arrived_) {
        Ease(angles_.x, targetAngles_.x);
        Ease(angles_.y, targetAngles_.y);
        Ease(angles_.z, targetAngles_.z);
        Ease(position_.x, targetPosition_.x);
        Ease(position_.y, targetPosition_.y);
        Ease(position_.z, targetPosition_.z);
    }
    // Only the position decides arrival: the camera then stops short, angles included.
    arrived_ = Near(position_.x, targetPosition_.x) && Near(position_.y, targetPosition_.y) &&
               Near(position_.z, targetPosition_.z);
}

void TCamera::Apply() const {
    LoadView(position_, angles_);
}

void TCamera::ApplyPrevious() const {
    LoadView(previousPosition_, previousAngles_);
}

} // namespace scrivel
