// The scenery's GL side: what each object leaves in GL's state and what it sends, read back.
#include "scene/bird.h"
#include "scene/gl_sun.h"
#include "scene/texture_mg.h"
#include "scene/volcano.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>
#include <string>

namespace scrivel {
namespace {

using Vec4 = std::array<float, 4>;

Vec4 Getf(GLenum what) {
    Vec4 value{};
    glGetFloatv(what, value.data());
    return value;
}

Vec4 Light(GLenum what, GLenum light = GL_LIGHT0) {
    Vec4 value{};
    glGetLightfv(light, what, value.data());
    return value;
}

void ExpectNear(const Vec4& actual, const Vec4& expected, const std::string& what) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5) << what << " " << i;
    }
}

class SceneryGl : public test::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }
};

// The daylight model's values, each where GL keeps it.
TEST_F(SceneryGl, SunSetsSkyLightAndFogAtMiddayAndDusk) {
    const float shininess = 42.0f;
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    for (const float startX : {-0.05f, 39.95f}) {
        TGLSun sun("basic");
        sun.BuildTexture();
        sun.Path.X = startX;
        sun.StepAndDraw();
        const TDaylight day = TDaylight::At(sun.Path.Lowness());
        ExpectNear(Getf(GL_COLOR_CLEAR_VALUE), day.Sky, "sky");
        ExpectNear(Getf(GL_FOG_COLOR), day.Fog, "fog");
        ExpectNear(Light(GL_AMBIENT), day.Ambient, "ambient");
        ExpectNear(Light(GL_DIFFUSE), day.Diffuse, "diffuse");
        ExpectNear(Light(GL_POSITION), {sun.Path.X, sun.Path.Y(), -20.0f, 1.0f}, "position");
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        // Its shininess of 150 is beyond GL's range: GL would refuse it and keep what it had.
        GLfloat kept = 0;
        glGetMaterialfv(GL_BACK, GL_SHININESS, &kept);
        EXPECT_EQ(kept, shininess);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

class LandscapeGl : public SceneryGl {
protected:
    void SetUp() override {
        SceneryGl::SetUp();
        bank_.LoadBanks();
    }
    TTextureMg bank_{1, SCRIVEL_GAME_DIR};
    TTextureMg* bank() { return &bank_; }
};

// Their circling is the mesh's, tested without GL.
TEST_F(LandscapeGl, BirdsRestoreFogAndCulling) {
    glEnable(GL_FOG);
    glEnable(GL_CULL_FACE);
    for (int i = 0; i < 12; ++i) {
        TBird bird(bank());
        bird.Draw();
        EXPECT_TRUE(glIsEnabled(GL_FOG) && glIsEnabled(GL_CULL_FACE));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_MAP1_VERTEX_3) ||
                     glIsEnabled(GL_MAP1_TEXTURE_COORD_2));
    }
}

TEST_F(LandscapeGl, VolcanoDrawsItsCraterAndHillsAndLeavesItsState) {
    TVolcano volcano(std::string(SCRIVEL_GAME_DIR) + "Graphics/volcano.bmp");
    volcano.Draw(-2.0f, -7.4f, -25.0f);
    EXPECT_EQ(volcano.FinsDrawn, 73);
    EXPECT_EQ(volcano.ConesDrawn, 4);
    ExpectNear(Light(GL_POSITION, GL_LIGHT1), {-2.0f, 12.924f, -25.0f, 1.0f}, "light 1");
    EXPECT_EQ(std::pair(test::GlInt(GL_CULL_FACE_MODE), test::GlInt(GL_FRONT_FACE)),
              std::pair(GL_BACK, GL_CW));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_MAP1_VERTEX_3));
    volcano.StartEruption(100);
    volcano.Draw(-2.0f, -7.4f, -25.0f);
    EXPECT_EQ(volcano.Profile.Eruption, 90);
    EXPECT_EQ(volcano.FinsDrawn, 73);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
    glDisable(GL_MAP1_TEXTURE_COORD_2);
}

} // namespace
} // namespace scrivel
