#include "scene/ground.h"

#include "scene/texture_400.h"

#include <GL/gl.h>

namespace scrivel {

TGround::TGround(const std::string& folder, const std::string& fileName, float x, float y, float z,
                 float width, float depth)
    : corner_{x, y, z}, width_(width), depth_(depth),
      texture_(std::make_unique<T400Texture>(folder + fileName)) {}

TGround::~TGround() = default;

unsigned TGround::BuildTexture() {
    return texture_->BuildTexture(3);
}

void TGround::Draw() const {
    const auto [x, y, z] = corner_;
    texture_->Bind();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(x, y, z);
    glTexCoord2f(1, 0);
    glVertex3f(x + width_, y, z);
    glTexCoord2f(1, 1);
    glVertex3f(x + width_, y, z + depth_);
    glTexCoord2f(0, 1);
    glVertex3f(x, y, z + depth_);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

} // namespace scrivel
