#include "platform/fatal.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {
namespace {

TEST(Fatal, ShowsTheMessageOnStderrAndExitsWithStatusOne) {
    EXPECT_EXIT(Fatal("Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp"),
                ::testing::ExitedWithCode(1),
                "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64\\.bmp");
}

} // namespace
} // namespace scrivel::platform
