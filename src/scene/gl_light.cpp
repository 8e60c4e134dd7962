#include "scene/gl_light.h"

#include "scene/texture_64.h"

namespace scrivel {

TGLLight::TGLLight(const std::string& textureFile, LightSlot slot) : light_(slot) {
    Texture = std::make_unique<T64Texture>(textureFile);
    Texture->SetEnvMode(TextureEnv::Replace);
    SetAmbient(0.9f, 0.0f, 0.0f, 0.8f);
    SetDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    SetSpecular(0.0f, 1.0f, 1.0f, 0.0f);
    SetPosition(-20.0f, 0.0f, -10.0f, 1.0f);
}

void TGLLight::SetAmbient(float r, float g, float b, float a) {
    light_.SetAmbient({r, g, b, a});
}

void TGLLight::SetDiffuse(float r, float g, float b, float a) {
    light_.SetDiffuse({r, g, b, a});
}

void TGLLight::SetSpecular(float r, float g, float b, float a) {
    light_.SetSpecular({r, g, b, a});
}

void TGLLight::Apply() const {
    light_.Apply(Position);
}

} // namespace scrivel
