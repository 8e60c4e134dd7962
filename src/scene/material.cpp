#include "scene/material.h"

#include <GL/gl.h>

namespace scrivel {

void TMaterial::SetAmbient(float r, float g, float b, float a) {
    ambient_ = {r, g, b, a};
}

void TMaterial::Apply() const {
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient_.Array().data());
    glMaterialfv(GL_FRONT, GL_SPECULAR, Specular.Array().data());
    glMaterialf(GL_FRONT, GL_SHININESS, Shininess);
}

} // namespace scrivel
