#include "platform/bitmap.h"
#include "render/texture_64.h"
#include "scene/gl_light.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

using Vec4 = std::array<float, 4>;

Vec4 Light1(GLenum what) {
    Vec4 value{};
    glGetLightfv(GL_LIGHT1, what, value.data());
    return value;
}

TEST(TGLLight, TextureFileGivesAReplacedTextureAndTheRedDefaults) {
    test::TempDir dir;
    platform::Bitmap bitmap(64, 64);
    bitmap.Fill(0x00FF00);
    bitmap.SaveBmp(dir.File("glow.bmp"));
    TGLLight light(dir.File("glow.bmp"));
    ASSERT_TRUE(light.Texture);
    EXPECT_FLOAT_EQ(light.Texture->EnvMode, TTexture::Replace);
    const auto& texture = dynamic_cast<const T64Texture&>(*light.Texture);
    EXPECT_EQ(texture.Pixels[1], 255) << "green read from the file";
    EXPECT_FLOAT_EQ(light.Ambient.r, 0.9f);
    EXPECT_FLOAT_EQ(light.Ambient.a, 0.8f);
    EXPECT_FLOAT_EQ(light.Specular.g, 1.0f);
    EXPECT_FLOAT_EQ(light.Position.x, -20.0f);
    EXPECT_FLOAT_EQ(light.Position.w, 1.0f);

    TGLLight bare;
    EXPECT_FALSE(bare.Texture);
}

class TGLLightGl : public test::GlTest {};

TEST_F(TGLLightGl, ApplySendsLightOneAndSwitchesLightingOn) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity(); // GL stores the position in eye coordinates
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
    TGLLight light;
    light.SetAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    light.SetDiffuse(0.5f, 0.6f, 0.7f, 0.8f);
    light.SetSpecular(0.9f, 0.25f, 0.125f, 1.0f);
    light.SetPosition(-20.0f, 3.5f, -10.0f, 1.0f);
    light.Apply();
    EXPECT_EQ(Light1(GL_AMBIENT), (Vec4{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(Light1(GL_DIFFUSE), (Vec4{0.5f, 0.6f, 0.7f, 0.8f}));
    EXPECT_EQ(Light1(GL_SPECULAR), (Vec4{0.9f, 0.25f, 0.125f, 1.0f}));
    EXPECT_EQ(Light1(GL_POSITION), (Vec4{-20.0f, 3.5f, -10.0f, 1.0f}));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0)) << "light 0 is the sun's";

    // A directional light (w = 0) goes through unchanged too.
    light.SetPosition(1.0f, 2.0f, 3.0f, 0.0f);
    light.Apply();
    EXPECT_EQ(Light1(GL_POSITION), (Vec4{1.0f, 2.0f, 3.0f, 0.0f}));
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
}

} // namespace
} // namespace scrivel
