#include "scene/ground.h"

#include "scene/texture_400.h"

#include <GL/gl.h>

namespace scrivel {

TGround::TGround(const std::string& folder, const std::string& fileName, float x, float y, float z,
                 float width, float depth)
    : texture_(std::make_unique<T400Texture>(folder + fileName)) {
    Location = {x, y, z};
    Width = width;
    Depth = depth;
}

TGround::~TGround() = default;

unsigned TGround::BuildTexture() {
    textureName_ = texture_->BuildTexture(3);
    return textureName_;
}

void TGround::Draw() const {
    const float x = Location.x;
    const float y = Location.y;
    const float z = Location.z;
    texture_->Bind();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(x, y, z);
    glTexCoord2f(1, 0);
    glVertex3f(x + Width, y, z);
    glTexCoord2f(1, 1);
    glVertex3f(x + Width, y, z + Depth);
    glTexCoord2f(0, 1);
    glVertex3f(x, y, z + Depth);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

} // namespace scrivel
