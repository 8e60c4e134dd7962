#pragma once

#include "scene/light.h"
#include "scene/texture_64.h"
#include "scene/vector.h"

#include <string>

namespace scrivel {

// A textured ball's GL light: the light's colours, where it stands, and the ball's texture.
class TGLLight {
public:
    // Loads a 64 x 64 texture drawn unlit (replace mode) and sets a red-tinted default light.
    TGLLight(const std::string& textureFile, LightSlot slot);

    void SetAmbient(float r, float g, float b, float a);
    void SetDiffuse(float r, float g, float b, float a);
    void SetSpecular(float r, float g, float b, float a);
    void SetPosition(float x, float y, float z, float w) { position_ = {x, y, z, w}; }
    const TVector4& Position() const { return position_; }
    // Sends the colours and the position to the light and turns lighting and the light on.
    void Apply() const;

    // Uploads the texture and returns its GL name.
    unsigned BuildTexture() { return texture_.BuildTexture(3); }
    void BindTexture() const { texture_.Bind(); }

private:
    TLight light_;
    TVector4 position_{-20.0f, 0.0f, -10.0f, 1.0f};
    T64Texture texture_;
};

} // namespace scrivel
