#include "scene/gl_object.h"

namespace scrivel {

void TGLObject::SetPosition(float x, float y, float z, float w) {
    Position = {x, y, z, w};
}

void TGLObject::SetAngles(float x, float y, float z) {
    Angles = {x, y, z};
}

} // namespace scrivel
