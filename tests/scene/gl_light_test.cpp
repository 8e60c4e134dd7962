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

TEST_F(TGLLightGl, LightOneAndTheMaterialWithItsFixedShineReachGl) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity(); // GL stores the position in eye coordinates
    TGLLight light;
    light.SetAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    light.SetDiffuse(0.5f, 0.6f, 0.7f, 0.8f);
    light.SetPosition(-20.0f, 3.5f, -10.0f, 1.0f);
    light.Apply();
    TMaterial material;
    material.SetAmbient(0.9f, 0.25f, 0.125f, 1.0f);
    material.Apply();
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_AMBIENT), (Vec4{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_DIFFUSE), (Vec4{0.5f, 0.6f, 0.7f, 0.8f}));
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_POSITION), (Vec4{-20.0f, 3.5f, -10.0f, 1.0f}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_AMBIENT), (Vec4{0.9f, 0.25f, 0.125f, 1.0f}));
    // The green specular component is 2, beyond the usual range, and GL keeps it.
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_SPECULAR), (Vec4{1.0f, 2.0f, 1.0f, 1.0f}));
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_SHININESS)[0], 75.0f);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
}

} // namespace
} // namespace scrivel
