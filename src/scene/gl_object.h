#pragma once

namespace scrivel {

struct TVector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct TVector4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;
};

// Base of the scene's meshes: a placement, a size and angles.
class TGLObject {
public:
    // Objects with a tile size store it; the others ignore it.
    virtual void SetWidth(float /*width*/) {}
    virtual void SetHeight(float /*height*/) {}
    virtual ~TGLObject() = default;

    void SetPosition(float x, float y, float z, float w);
    void SetAngles(float x, float y, float z);

    TVector4 Position;
    TVector3 Location;
    float Width = 0.0f;
    float Height = 0.0f;
    float Depth = 0.0f;
    TVector3 Angles;
};

} // namespace scrivel
