#pragma once

#include "scene/gl_object.h"
#include "scene/material.h"

#include <cstdint>
#include <memory>

namespace scrivel {

// The motion of a mesh; the numbers are the stored values.
enum class MeshMoveMode : std::uint8_t {
    None = 0,
    Flight = 2,
    Circle = 6,
};

class TTexture;
class TTextureMg;

// Base of the textured, animated pieces of the scene: a material, an optional texture, and a
// per-tick motion that either flies to a target or circles about a vertical axis.
class TGLMesh : public TGLObject {
public:
    static constexpr MeshMoveMode NoMove = MeshMoveMode::None;
    static constexpr MeshMoveMode Flight = MeshMoveMode::Flight;
    static constexpr MeshMoveMode Circle = MeshMoveMode::Circle;

    TGLMesh();
    ~TGLMesh() override;
    TGLMesh(const TGLMesh&) = delete;
    TGLMesh& operator=(const TGLMesh&) = delete;

    // Uploads the owned texture, if any, and returns its GL name (0 without a texture).
    virtual unsigned BuildTexture();

    void SetMoveTarget(float tx, float ty, float tz, float ax, float ay, float az);
    // Per-axis step towards the target set last; call after SetMoveTarget.
    void SetMoveSpeed(float speed);
    // Circles about the vertical axis through (cx, cy, cz), 15 / radius degrees per tick; a radius
    // of 0 keeps the angle.
    void SetCircle(bool reverse, float cx, float cy, float cz, float radius);

    // Advances the motion by one tick and returns Finished; no GL.
    bool StepMove();
    // The flight step of StepMove: moves Location, sets Finished.
    void AdvanceFlight();
    // The angle step of a circle.
    void AdvanceCircle();
    // Multiplies the modelview matrix by the circle's placement at the current angle, facing the
    // way of travel; call inside the caller's push and pop, just before drawing.
    void ApplyCircle() const;

    TTextureMg* TextureBank = nullptr; // shared, not owned
    float CircleAngle = 0.0f;          // degrees
    float CircleStep = 0.0f;           // degrees per tick
    TVector3 CircleCentre;
    float CircleRadius = 0.0f;
    bool Reverse = false;
    TVector3 Step;
    TVector3 Target;
    TVector3 TargetAngles; // kept for the callers; not animated here
    MeshMoveMode MoveMode = NoMove;
    bool Finished = false;
    std::unique_ptr<TTexture> Texture;
    std::unique_ptr<TMaterial> Material = std::make_unique<TMaterial>();

    // The name of the owned texture once built; 0 before (the texture owns it).
    unsigned TextureName() const { return textureName_; }

protected:
    unsigned textureName_ = 0;
};

} // namespace scrivel
