#include "scene/gl_display_list.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <utility>

namespace scrivel {
namespace {

class GlDisplayListGl : public test::GlTest {};

TEST_F(GlDisplayListGl, DeletedOnceByItsOneOwner) {
    GLuint name = 0;
    {
        GlDisplayList list;
        list.Call(); // empty: nothing to run
        list.BeginCompile();
        list.EndCompile();
        name = list.Name();
        EXPECT_TRUE(glIsList(name));
        const GlDisplayList owner = std::move(list);
        EXPECT_EQ(std::pair(list.Name(), owner.Name()), std::pair(0u, name));
    }
    EXPECT_FALSE(glIsList(name));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace scrivel
