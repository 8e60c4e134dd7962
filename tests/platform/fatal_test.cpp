#include "platform/fatal.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace scrivel::platform {
namespace {

TEST(Fatal, ShowsTheMessageOnStderrAndExitsWithStatusOne) {
    // No display in the child, so the message box only writes to stderr and cannot wait for a
    // click.
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            Fatal("Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp");
        },
        ::testing::ExitedWithCode(1),
        "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64\\.bmp");
}

} // namespace
} // namespace scrivel::platform
