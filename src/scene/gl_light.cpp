#include "scene/gl_light.h"

namespace scrivel {

TGLLight::TGLLight(const std::string& textureFile, LightSlot slot)
    : light_(slot), texture_(textureFile) {
    texture_.SetEnvMode(TextureEnv::Replace);
    SetAmbient(0.9f, 0.0f, 0.0f, 0.8f);
    SetDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    SetSpecular(0.0f, 1.0f, 1.0f, 0.0f);
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
    light_.Apply(position_);
}

} // namespace scrivel
