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
        // The suite shares one context: each test starts from GL's defaults for what these set.
        for (const GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_FOG, GL_DEPTH_TEST,
                                 GL_CULL_FACE, GL_MAP1_TEXTURE_COORD_2}) {
            glDisable(cap);
        }
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }
};

// Worked by hand from the daylight rule: overhead (s = 0) and at the end of the swing (s = 1).
TEST_F(SceneryGl, SunSetsSkyLightAndFogOverheadAndAtTheEnds) {
    struct Case {
        float startX; // one step short of the place
        Vec4 sky, fog, ambient, diffuse, position;
    };
    const Case cases[] = {
        {-0.05f,
         {0.5f, 0.5f, 1.0f, 1.0f},
         {0.415f, 0.275f, 0.045f, 1.0f},
         {1.0f, 1.0f, 1.0f, 0.8f},
         {0.25f, 1.0f, 1.0f, 1.0f},
         {0.0f, 13.0f, -20.0f, 1.0f}},
        // 20 cos(1) - 7 = 3.806046
        {39.95f,
         {0.0f, 0.0f, 0.2f, 1.0f},
         {0.83f, 0.55f, 0.09f, 1.0f},
         {0.25f, 0.25f, 0.25f, 0.8f},
         {1.0f, 0.25f, 0.25f, 1.0f},
         {40.0f, 3.806046f, -20.0f, 1.0f}},
    };
    const float shininess = 42.0f;
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
    for (const Case& c : cases) {
        TGLSun sun("basic");
        sun.BuildTexture();
        sun.SetPath(TSunPath(c.startX, SunHeading::TowardsPlus));
        glClearColor(0.1f, 0.2f, 0.3f, 0.4f);
        sun.Step();
        ExpectNear(Getf(GL_COLOR_CLEAR_VALUE), {0.1f, 0.2f, 0.3f, 0.4f}, "a step leaves GL alone");
        sun.Draw();
        ExpectNear(Getf(GL_COLOR_CLEAR_VALUE), c.sky, "sky");
        ExpectNear(Getf(GL_FOG_COLOR), c.fog, "fog");
        ExpectNear(Light(GL_AMBIENT), c.ambient, "ambient");
        ExpectNear(Light(GL_DIFFUSE), c.diffuse, "diffuse");
        ExpectNear(Light(GL_SPECULAR), {0.0f, 1.0f, 1.0f, 0.0f}, "specular");
        ExpectNear(Light(GL_POSITION), c.position, "position");
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        // Its shininess of 150 is beyond GL's range: GL would refuse it and keep what it had.
        GLfloat kept = 0;
        glGetMaterialfv(GL_BACK, GL_SHININESS, &kept);
        EXPECT_EQ(kept, shininess);
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
        bird.Step();
        bird.Draw();
        EXPECT_TRUE(glIsEnabled(GL_FOG) && glIsEnabled(GL_CULL_FACE));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_MAP1_VERTEX_3) ||
                     glIsEnabled(GL_MAP1_TEXTURE_COORD_2));
    }
}

TEST_F(LandscapeGl, VolcanoDrawsItsCraterAndHillsAndLeavesItsState) {
    TVolcano volcano(std::string(SCRIVEL_GAME_DIR) + "Graphics/volcano.bmp");
    const TVolcano::Parts parts = volcano.Draw(-2.0f, -7.4f, -25.0f);
    EXPECT_EQ(std::pair(parts.fins, parts.cones), std::pair(73, 4));
    ExpectNear(Light(GL_POSITION, GL_LIGHT1), {-2.0f, 12.924f, -25.0f, 1.0f}, "light 1");
    EXPECT_EQ(std::pair(test::GlInt(GL_CULL_FACE_MODE), test::GlInt(GL_FRONT_FACE)),
              std::pair(GL_BACK, GL_CW));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_MAP1_VERTEX_3));
    volcano.StartEruption(100);
    volcano.Step();
    EXPECT_EQ(volcano.Profile().Eruption(), 90);
    EXPECT_EQ(volcano.Draw(-2.0f, -7.4f, -25.0f).fins, 73);
}

} // namespace
} // namespace scrivel
