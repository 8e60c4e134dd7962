#include "platform/fatal.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {
namespace {

TEST(MessageBox, WritesTheTextAndALineFeedToStderr) {
    const std::string text = "Impossible de cr\xC3\xA9"
                             "er le fichier : \n/tmp/100%s.ini";
    testing::internal::CaptureStderr();
    MessageBox(text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), text + "\n");
}

TEST(Fatal, ShowsTheMessageOnStderrAndExitsWithStatusOne) {
    EXPECT_EXIT(Fatal("Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp"),
                ::testing::ExitedWithCode(1),
                "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64\\.bmp");
}

} // namespace
} // namespace scrivel::platform
