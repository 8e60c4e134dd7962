#include "render/eye_view.h"
#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

// An orthographic view of x 0..8, y 0..8 (32 pixels a unit), looking down -z.
class TLettreGl : public test::GlTest {
protected:
    void SetUp() override {
        test::GlTest::SetUp();
        glViewport(0, 0, kWidth, kHeight);
        Ortho(0, 8, 0, 8, -10, 10);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
    }
    void TearDown() override { glDisable(GL_DEPTH_TEST); }
    static std::uint32_t PixelAt(int x, int y) {
        return test::Rgb(&Window().ReadPixels()[(static_cast<std::size_t>(y) * kWidth + x) * 4]);
    }
};

TEST_F(TLettreGl, DrawShowsTheGlyphUprightOnTheFrontFace) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank("DejaVu Sans", 1, 0, 0, dir.path); // white on the quartered pattern 0
    bank.LoadPatterns();
    TLettre(&bank, 1.0f, 2.0f).DrawAt('i', 3.0f, 5.0f, 2.0f);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "texturing is left off";
    EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bank.GlyphName('I')));
    // The cube covers x 2.5..3.5 and y 3..5: pixels 80..111 across, 96..159 up, with the
    // pattern's quarters where the bitmap had them.
    EXPECT_EQ(PixelAt(78, 128), 0u);
    EXPECT_EQ(PixelAt(96, 162), 0u);
    EXPECT_EQ(PixelAt(83, 155), test::QuarterColour(0, 0)) << "top left";
    EXPECT_EQ(PixelAt(108, 100), test::QuarterColour(63, 63)) << "bottom right";
}

// A cube left without its far faces must look the same as the whole cube, from every side and
// when the near plane cuts it.
TEST_F(TLettreGl, LeavingOutHiddenFacesKeepsThePicture) {
    struct Eye {
        const char* name;
        float x, y, z, pitch, yaw;
    };
    const Eye eyes[] = {{"above, right", 2.0f, 2.0f, 4.0f, 25.0f, -25.0f},
                        {"above, left", -2.0f, 2.0f, 4.0f, 25.0f, 25.0f},
                        {"below", 0.5f, -2.5f, 4.0f, -30.0f, -5.0f},
                        {"behind", 1.0f, 1.0f, -4.0f, 10.0f, 170.0f},
                        {"cut by the near plane", 0.3f, 0.2f, 0.9f, 5.0f, -5.0f},
                        {"inside", 0.1f, 0.1f, 0.1f, 10.0f, 20.0f}};
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5, 0.5, -0.5, 0.5, 0.5, 50.0);
    glMatrixMode(GL_MODELVIEW);
    TLettre cube(nullptr, 1.0f, 1.0f);
    for (const Eye& eye : eyes) {
        std::vector<std::uint8_t> pictures[2];
        for (const bool skip : {false, true}) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            glRotatef(eye.pitch, 1, 0, 0);
            glRotatef(eye.yaw, 0, 1, 0);
            glTranslatef(-eye.x, -eye.y, -eye.z);
            // The eye is read once, as the view reads it once a frame.
            const EyeView frame = EyeView::FromGl();
            cube.SetEye(skip ? &frame : nullptr);
            cube.DrawAt('k', 0.0f, 1.0f, 0.0f); // centred on the origin
            pictures[skip ? 1 : 0] = Window().ReadPixels();
        }
        int differing = 0;
        for (std::size_t i = 0; i < pictures[0].size(); i += 4) {
            differing += test::Rgb(&pictures[0][i]) != test::Rgb(&pictures[1][i]) ? 1 : 0;
        }
        // At most a pixel on an edge where two faces meet at the same depth.
        EXPECT_LE(differing, 2) << eye.name;
    }
    glDisable(GL_CULL_FACE);
}

} // namespace
} // namespace scrivel
