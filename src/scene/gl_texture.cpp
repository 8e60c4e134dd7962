#include "scene/gl_texture.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

GlTexture::~GlTexture() {
    Reset();
}

GlTexture::GlTexture(GlTexture&& other) noexcept : name_(std::exchange(other.name_, 0)) {}

GlTexture& GlTexture::operator=(GlTexture&& other) noexcept {
    if (this != &other) {
        Reset();
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

unsigned GlTexture::Generate() {
    if (name_ == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        name_ = name;
    }
    return name_;
}

void GlTexture::Reset() {
    if (name_ != 0) {
        const GLuint name = name_;
        glDeleteTextures(1, &name);
        name_ = 0;
    }
}

} // namespace scrivel
