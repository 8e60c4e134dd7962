#include "scene/gl_light.h"

#include "scene/texture_64.h"

#include <GL/gl.h>

namespace scrivel {

TGLLight::TGLLight(const std::string& textureFile) {
    Texture = std::make_unique<T64Texture>(textureFile);
    Texture->EnvMode = TTexture::Replace;
    Ambient = {0.9f, 0.0f, 0.0f, 0.8f};
    Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    Specular = {0.0f, 1.0f, 1.0f, 0.0f};
    SetPosition(-20.0f, 0.0f, -10.0f, 1.0f);
}

void TGLLight::SetAmbient(float r, float g, float b, float a) {
    Ambient = {r, g, b, a};
}

void TGLLight::SetDiffuse(float r, float g, float b, float a) {
    Diffuse = {r, g, b, a};
}

void TGLLight::SetSpecular(float r, float g, float b, float a) {
    Specular = {r, g, b, a};
}

void TGLLight::Apply() const {
    const float position[] = {Position.x, Position.y, Position.z, Position.w};
    glLightfv(GL_LIGHT1, GL_AMBIENT, Ambient.Array().data());
    glLightfv(GL_LIGHT1, GL_DIFFUSE, Diffuse.Array().data());
    glLightfv(GL_LIGHT1, GL_SPECULAR, Specular.Array().data());
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
}

} // namespace scrivel
