#include "scene/gl_mesh.h"

#include <GL/gl.h>
#include <cmath>

namespace scrivel {

namespace {

// An axis moves while more whole units separate it from its target than its step holds.
bool AxisMoves(float location, float target, float step) {
    return std::fabs(std::trunc(target - location)) > std::fabs(std::trunc(step));
}

// One axis of a flight: towards the target at the given speed.
float AxisStep(float location, float target, float speed) {
    return location < target ? speed : -speed;
}

} // namespace

void TGLMesh::FlyTo(float x, float y, float z, float speed) {
    target_ = {x, y, z};
    step_ = {AxisStep(location_.x, x, speed), AxisStep(location_.y, y, speed),
             AxisStep(location_.z, z, speed)};
    motion_ = Motion::Flight;
    finished_ = false;
}

void TGLMesh::SetCircle(bool reverse, float cx, float cy, float cz, float radius,
                        float startAngle) {
    reverse_ = reverse;
    circleCentre_ = {cx, cy, cz};
    circleRadius_ = radius;
    // No radius, no way round: the mesh stays where it is rather than stepping by an infinite
    // angle (which a radius of -0 turns into a NaN transform).
    circleStep_ = radius != 0.0f ? 15.0f / radius : 0.0f;
    circleAngle_ = startAngle;
    motion_ = Motion::Circle;
    finished_ = false;
}

void TGLMesh::AdvanceFlight() {
    if (finished_) {
        return;
    }
    bool moved = false;
    if (AxisMoves(location_.x, target_.x, step_.x)) {
        location_.x += step_.x;
        moved = true;
    }
    if (AxisMoves(location_.y, target_.y, step_.y)) {
        location_.y += step_.y;
        moved = true;
    }
    if (AxisMoves(location_.z, target_.z, step_.z)) {
        location_.z += step_.z;
        moved = true;
    }
    finished_ = !moved;
}

void TGLMesh::AdvanceCircle() {
    if (!reverse_) {
        circleAngle_ += circleStep_;
        if (circleAngle_ > 360.0f) {
            circleAngle_ = 0.0f;
        }
    } else {
        circleAngle_ -= circleStep_;
        if (circleAngle_ < 0.0f) {
            circleAngle_ = 360.0f;
        }
    }
}

bool TGLMesh::StepMove() {
    switch (motion_) {
    case Motion::Flight:
        AdvanceFlight();
        return finished_;
    case Motion::Circle:
        AdvanceCircle();
        return false;
    case Motion::None:
        break;
    }
    return finished_;
}

void TGLMesh::ApplyCircle() const {
    glTranslatef(circleCentre_.x, circleCentre_.y, circleCentre_.z);
    glRotatef(circleAngle_, 0.0f, 1.0f, 0.0f);
    glTranslatef(circleRadius_, 0.0f, 0.0f);
    if (!reverse_) {
        // Turn round so the mesh faces along its way in both directions.
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    }
}

} // namespace scrivel
