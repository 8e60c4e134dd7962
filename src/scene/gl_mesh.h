#pragma once

#include "scene/gl_object.h"
#include "scene/material.h"

#include <cstdint>
#include <memory>

namespace scrivel {

class TTexture;
class TTextureMg;

// Base of the textured, animated pieces of the scene: a material, an optional texture, and a
// per-frame motion that either flies to a target or circles about a vertical axis.
class TGLMesh : public TGLObject {
public:
    // Stored values of MoveMode.
    static constexpr std::uint8_t NoMove = 0;
    static constexpr std::uint8_t Flight = 2;
    static constexpr std::uint8_t Circle = 6;

    TGLMesh();
    ~TGLMesh() override;
    TGLMesh(const TGLMesh&) = delete;
    TGLMesh& operator=(const TGLMesh&) = delete;

    // Uploads the owned texture, if any, and returns its GL name (0 without a texture).
    virtual unsigned BuildTexture();

    void SetMoveTarget(float tx, float ty, float tz, float ax, float ay, float az);
    // Per-axis step towards the target set last; call after SetMoveTarget.
    void SetMoveSpeed(float speed);
    // Circles about the vertical axis through (cx, cy, cz), 15 / radius degrees per frame.
    void SetCircle(bool reverse, float cx, float cy, float cz, float radius);

    // Advances the motion by one frame and returns Finished. A circle also sets up the modelview
    // transform for the mesh, so call it inside the caller's push and pop, just before drawing.
    bool StepMove();
    // The flight step of StepMove: moves Location, sets Finished.
    void AdvanceFlight();
    // The angle step of a circle, without GL.
    void AdvanceCircle();

    TTextureMg* TextureBank = nullptr; // shared, not owned
    float CircleAngle = 0.0f;          // degrees
    float CircleStep = 0.0f;           // degrees per frame
    TVector3 CircleCentre;
    float CircleRadius = 0.0f;
    bool Reverse = false;
    TVector3 Step;
    TVector3 Target;
    TVector3 TargetAngles; // kept for the callers; not animated here
    std::uint8_t MoveMode = NoMove;
    bool Finished = false;
    std::unique_ptr<TTexture> Texture;
    std::unique_ptr<TMaterial> Material = std::make_unique<TMaterial>();

    // The name of the owned texture once built; 0 before (the texture owns it).
    unsigned TextureName() const { return textureName_; }

protected:
    unsigned textureName_ = 0;
};

} // namespace scrivel
