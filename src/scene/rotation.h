#pragma once

#include "scene/vector.h"

#include <array>

namespace scrivel {

// A 4 x 4 matrix as sixteen floats m0 .. m15.
using TMatrix = std::array<float, 16>;

// Rotation about x by radians.
TMatrix RotationX(float radians);
// Rotation about y by radians.
TMatrix RotationY(float radians);
// Rotation about z by degrees.
TMatrix RotationZ(float degrees);

// Turns a point with one of the rotations above (row vector times matrix).
TVector3 TransformPoint(const TMatrix& m, const TVector3& point);

} // namespace scrivel
