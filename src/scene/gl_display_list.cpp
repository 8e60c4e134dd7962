#include "scene/gl_display_list.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

GlDisplayList::~GlDisplayList() {
    Reset();
}

GlDisplayList::GlDisplayList(GlDisplayList&& other) noexcept
    : name_(std::exchange(other.name_, 0)) {}

GlDisplayList& GlDisplayList::operator=(GlDisplayList&& other) noexcept {
    if (this != &other) {
        Reset();
        name_ = std::exchange(other.name_, 0);
    }
    return *this;
}

void GlDisplayList::BeginCompile() {
    if (name_ == 0) {
        name_ = glGenLists(1);
    }
    glNewList(name_, GL_COMPILE);
}

void GlDisplayList::EndCompile() {
    glEndList();
}

void GlDisplayList::Call() const {
    if (name_ != 0) {
        glCallList(name_);
    }
}

void GlDisplayList::Reset() {
    if (name_ != 0) {
        glDeleteLists(name_, 1);
        name_ = 0;
    }
}

} // namespace scrivel
