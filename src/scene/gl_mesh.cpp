#include "scene/gl_mesh.h"

#include "scene/texture.h"

#include <GL/gl.h>
#include <cmath>

namespace scrivel {

namespace {

// An axis moves while more whole units separate it from its target than its step holds.
bool AxisMoves(float location, float target, float step) {
    return std::fabs(std::trunc(target - location)) > std::fabs(std::trunc(step));
}

} // namespace

TGLMesh::TGLMesh() = default;

TGLMesh::~TGLMesh() = default;

unsigned TGLMesh::BuildTexture() {
    if (Texture) {
        textureName_ = Texture->BuildTexture(3);
    }
    return textureName_;
}

void TGLMesh::SetMoveTarget(float tx, float ty, float tz, float ax, float ay, float az) {
    Target = {tx, ty, tz};
    TargetAngles = {ax, ay, az};
    MoveMode = Flight;
    Finished = false;
}

void TGLMesh::SetMoveSpeed(float speed) {
    Step.x = Location.x < Target.x ? speed : -speed;
    Step.y = Location.y < Target.y ? speed : -speed;
    Step.z = Location.z < Target.z ? speed : -speed;
}

void TGLMesh::SetCircle(bool reverse, float cx, float cy, float cz, float radius) {
    Reverse = reverse;
    CircleCentre = {cx, cy, cz};
    CircleRadius = radius;
    // No radius, no way round: the mesh stays where it is rather than stepping by an infinite
    // angle (which a radius of -0 turns into a NaN transform).
    CircleStep = radius != 0.0f ? 15.0f / radius : 0.0f;
    MoveMode = Circle;
    Finished = false;
}

void TGLMesh::AdvanceFlight() {
    if (Finished) {
        return;
    }
    bool moved = false;
    if (AxisMoves(Location.x, Target.x, Step.x)) {
        Location.x += Step.x;
        moved = true;
    }
    if (AxisMoves(Location.y, Target.y, Step.y)) {
        Location.y += Step.y;
        moved = true;
    }
    if (AxisMoves(Location.z, Target.z, Step.z)) {
        Location.z += Step.z;
        moved = true;
    }
    Finished = !moved;
}

void TGLMesh::AdvanceCircle() {
    if (!Reverse) {
        CircleAngle += CircleStep;
        if (CircleAngle > 360.0f) {
            CircleAngle = 0.0f;
        }
    } else {
        CircleAngle -= CircleStep;
        if (CircleAngle < 0.0f) {
            CircleAngle = 360.0f;
        }
    }
}

bool TGLMesh::StepMove() {
    switch (MoveMode) {
    case Flight:
        AdvanceFlight();
        return Finished;
    case Circle:
        AdvanceCircle();
        return false;
    default:
        return Finished;
    }
}

void TGLMesh::ApplyCircle() const {
    glTranslatef(CircleCentre.x, CircleCentre.y, CircleCentre.z);
    glRotatef(CircleAngle, 0.0f, 1.0f, 0.0f);
    glTranslatef(CircleRadius, 0.0f, 0.0f);
    if (!Reverse) {
        // Turn round so the mesh faces along its way in both directions.
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    }
}

} // namespace scrivel
