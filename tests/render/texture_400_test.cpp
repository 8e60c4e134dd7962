#include "render/texture_400.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

class T400TextureGl : public test::GlTest {};

TEST_F(T400TextureGl, UploadIsMagnifiedNearestAndDrawnModulated) {
    test::TestFolder dir;
    // Red on the left, blue on the right, and a green 401st column that must not be read.
    const std::string path = test::WriteBmp(dir, "ground.bmp", 401, 400, [](int x, int) {
        return x < 200 ? 0x0000FFu : x < 400 ? 0xFF0000u : 0x00FF00u;
    });
    T400Texture texture(path);
    const unsigned name = texture.BuildTexture(3);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    texture.Bind();
    EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(name));
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    // Scaled to a power of two, the halves stay top and bottom.
    GLint side = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &side);
    const std::vector<std::uint8_t> texels = test::BoundTexels(side);
    for (int t = 0; t < side; ++t) {
        const std::uint8_t* texel = &texels[(static_cast<std::size_t>(t) * side + side / 2) * 4];
        ASSERT_EQ(texel[1], 0) << "no green in row " << t;
        if (t < side / 2 - 2 || t > side / 2 + 2) {
            ASSERT_EQ(texel[t < side / 2 ? 0 : 2], 255) << "row " << t;
        }
    }
}

} // namespace
} // namespace scrivel
