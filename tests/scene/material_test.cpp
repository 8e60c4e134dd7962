#include "scene/material.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

class TMaterialGl : public test::GlTest {};

std::array<float, 4> FrontMaterial(GLenum what) {
    std::array<float, 4> value{};
    glGetMaterialfv(GL_FRONT, what, value.data());
    return value;
}

TEST_F(TMaterialGl, ApplySendsAmbientAndTheFixedShine) {
    TMaterial material;
    material.Apply();
    EXPECT_EQ(FrontMaterial(GL_AMBIENT), (std::array<float, 4>{0.5f, 0.5f, 0.5f, 1.0f}));

    material.SetAmbient(0.1f, 0.2f, 0.3f, 0.4f);
    material.Apply();
    EXPECT_EQ(FrontMaterial(GL_AMBIENT), (std::array<float, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
    // The green specular component is 2, beyond the usual range, and GL keeps it.
    EXPECT_EQ(FrontMaterial(GL_SPECULAR), (std::array<float, 4>{1.0f, 2.0f, 1.0f, 1.0f}));
    EXPECT_EQ(FrontMaterial(GL_SHININESS)[0], 75.0f);
    // The back faces keep GL's defaults.
    std::array<float, 4> back{};
    glGetMaterialfv(GL_BACK, GL_AMBIENT, back.data());
    EXPECT_FLOAT_EQ(back[0], 0.2f);
}

} // namespace
} // namespace scrivel
