#pragma once

#include "scene/gl_mesh.h"
#include "scene/light.h"

#include <string>

namespace scrivel {

// A mesh that carries a GL light placed at its Position.
class TGLLight : public TGLMesh {
public:
    // Loads a 64 x 64 texture drawn unlit (replace mode) and sets a red-tinted default light.
    TGLLight(const std::string& textureFile, LightSlot slot);

    void SetAmbient(float r, float g, float b, float a);
    void SetDiffuse(float r, float g, float b, float a);
    void SetSpecular(float r, float g, float b, float a);
    // Sends the colours and Position to the light and turns lighting and the light on.
    void Apply() const;

private:
    TLight light_;
};

} // namespace scrivel
