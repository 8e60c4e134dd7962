#include "platform/fatal.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {
namespace {

TEST(Fatal, ThrowsSoThatWhatWasBuiltIsDestroyedOnTheWayToMain) {
    struct Witness {
        bool& gone;
        ~Witness() { gone = true; }
    };
    bool gone = false;
    const std::string text = "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp";
    try {
        Witness witness{gone};
        Fatal(text);
    } catch (const FatalError& error) {
        EXPECT_TRUE(gone);
        EXPECT_EQ(error.what(), text);
        return;
    }
    ADD_FAILURE() << "Fatal returned";
}

} // namespace
} // namespace scrivel::platform
