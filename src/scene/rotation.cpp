#include "scene/rotation.h"

#include <cmath>
#include <numbers>

namespace scrivel {

namespace {

constexpr TMatrix Identity() {
    TMatrix m{};
    m[0] = m[5] = m[10] = m[15] = 1.0f;
    return m;
}

} // namespace

TMatrix RotationX(float radians) {
    TMatrix m = Identity();
    m[5] = std::cos(radians);
    m[6] = -std::sin(radians);
    m[9] = std::sin(radians);
    m[10] = std::cos(radians);
    return m;
}

TMatrix RotationY(float radians) {
    TMatrix m = Identity();
    m[0] = std::cos(radians);
    m[2] = std::sin(radians);
    m[8] = -std::sin(radians);
    m[10] = std::cos(radians);
    return m;
}

TMatrix RotationZ(float degrees) {
    const float radians = degrees * (1.0f / 180.0f) * std::numbers::pi_v<float>;
    TMatrix m = Identity();
    m[0] = std::cos(radians);
    m[1] = -std::sin(radians);
    m[4] = std::sin(radians);
    m[5] = std::cos(radians);
    return m;
}

TVector3 TransformPoint(const TMatrix& m, const TVector3& p) {
    return {p.x * m[0] + p.y * m[4] + p.z * m[8] + m[3],
            p.x * m[1] + p.y * m[5] + p.z * m[9] + m[7],
            p.x * m[2] + p.y * m[6] + p.z * m[10] + m[11]};
}

} // namespace scrivel
