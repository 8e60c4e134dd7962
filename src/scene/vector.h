#pragma once

namespace scrivel {

// A point, a direction or three angles of the scene.
struct TVector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// A homogeneous point, as GL's light positions take it.
struct TVector4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;
};

} // namespace scrivel
