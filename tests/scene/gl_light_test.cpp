#include "platform/bitmap.h"
#include "render/texture_64.h"
#include "scene/gl_light.h"
#include "scene/material.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

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

TEST(TGLLight, TextureFileGivesAReplacedTexture) {
    test::TempDir dir;
    platform::Bitmap bitmap(64, 64);
    bitmap.Fill(0x00FF00);
    bitmap.SaveBmp(dir.File("glow.bmp"));
    TGLLight light(dir.File("glow.bmp"));
    ASSERT_TRUE(light.Texture);
    EXPECT_FLOAT_EQ(light.Texture->EnvMode, TTexture::Replace);
    EXPECT_EQ(dynamic_cast<const T64Texture&>(*light.Texture).Pixels[1], 255) << "green";
    EXPECT_FALSE(TGLLight().Texture);
}

class TGLLightGl : public test::GlTest {};

TEST_F(TGLLightGl, ApplySendsLightOneAndSwitchesLightingOn) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity(); // GL stores the position in eye coordinates
    TGLLight light;
    light.SetAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    light.SetDiffuse(0.5f, 0.6f, 0.7f, 0.8f);
    light.SetSpecular(0.9f, 0.25f, 0.125f, 1.0f);
    light.SetPosition(-20.0f, 3.5f, -10.0f, 1.0f);
    light.Apply();
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_AMBIENT), (Vec4{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_DIFFUSE), (Vec4{0.5f, 0.6f, 0.7f, 0.8f}));
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_SPECULAR), (Vec4{0.9f, 0.25f, 0.125f, 1.0f}));
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_POSITION), (Vec4{-20.0f, 3.5f, -10.0f, 1.0f}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0)) << "light 0 is the sun's";
    light.SetPosition(1.0f, 2.0f, 3.0f, 0.0f); // a directional light goes through unchanged too
    light.Apply();
    EXPECT_EQ(Get(glGetLightfv, GL_LIGHT1, GL_POSITION), (Vec4{1.0f, 2.0f, 3.0f, 0.0f}));
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
}

TEST_F(TGLLightGl, MaterialSendsAmbientAndTheFixedShineToTheFrontOnly) {
    TMaterial material;
    material.SetAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    material.Apply();
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_AMBIENT), (Vec4{0.1f, 0.2f, 0.3f, 0.4f}));
    // The green specular component is 2, beyond the usual range, and GL keeps it.
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_SPECULAR), (Vec4{1.0f, 2.0f, 1.0f, 1.0f}));
    EXPECT_EQ(Get(glGetMaterialfv, GL_FRONT, GL_SHININESS)[0], 75.0f);
    EXPECT_FLOAT_EQ(Get(glGetMaterialfv, GL_BACK, GL_AMBIENT)[0], 0.2f) << "GL's default";
}

} // namespace
} // namespace scrivel
