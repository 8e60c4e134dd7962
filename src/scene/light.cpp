#include "scene/light.h"

#include <GL/gl.h>

namespace scrivel {

void TLight::Apply(const TVector4& position) const {
    const GLenum light = slot_ == LightSlot::Zero ? GL_LIGHT0 : GL_LIGHT1;
    const float place[] = {position.x, position.y, position.z, position.w};
    glLightfv(light, GL_AMBIENT, ambient_.Array().data());
    glLightfv(light, GL_DIFFUSE, diffuse_.Array().data());
    glLightfv(light, GL_SPECULAR, specular_.Array().data());
    glLightfv(light, GL_POSITION, place);
    glEnable(GL_LIGHTING);
    glEnable(light);
}

} // namespace scrivel
