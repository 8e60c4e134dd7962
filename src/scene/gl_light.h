#pragma once

#include "scene/gl_mesh.h"
#include "scene/material.h"

#include <string>

namespace scrivel {

// A mesh that carries OpenGL light 1 (light 0 belongs to the sun).
class TGLLight : public TGLMesh {
public:
    // Colours and position are left for the owner to set.
    TGLLight() = default;
    // Loads a 64 x 64 texture drawn unlit (replace mode) and sets a red-tinted default light.
    explicit TGLLight(const std::string& textureFile);

    void SetAmbient(float r, float g, float b, float a);
    void SetDiffuse(float r, float g, float b, float a);
    void SetSpecular(float r, float g, float b, float a);
    // Sends the colours and Position to light 1 and turns lighting and light 1 on.
    void Apply() const;

    TColour Ambient;
    TColour Diffuse;
    TColour Specular;
};

} // namespace scrivel
