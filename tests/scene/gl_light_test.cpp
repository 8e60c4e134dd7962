#include "scene/gl_light.h"
#include "scene/material.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

using Vec4 = std::array<float, 4>;

Vec4 Get(void (*get)(GLenum, GLenum, GLfloat*), GLenum which, GLenum what) {
    Vec4 value{};
    get(which, what, value.data());
    return value;
}

class TGLLightGl : public test::GlTest {};

// The light itself reaches GL through the sun and the volcano (scenery tests).
TEST_F(TGLLightGl, MaterialSendsAmbientAndTheFixedShine) {
    TMaterial material;
    material.SetAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    material.Apply();
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_AMBIENT), (Vec4{0.1f, 0.2f, 0.3f, 0.4f}));
    // The green specular component is 2, beyond the usual range, and GL keeps it.
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_SPECULAR), (Vec4{1.0f, 2.0f, 1.0f, 1.0f}));
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_SHININESS)[0], 75.0f);
}

} // namespace
} // namespace scrivel
