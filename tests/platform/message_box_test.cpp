#include "platform/message_box.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {

TEST(MessageBox, WritesTextAndNewlineToStderr) {
    // Without a display the text only goes to stderr, so the call cannot wait for a click.
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    unsetenv("DISPLAY");

    const std::string text = "Impossible de cr\xC3\xA9"
                             "er le fichier : \n/tmp/100%s.ini";
    testing::internal::CaptureStderr();
    MessageBox(text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), text + "\n");

    if (display) {
        setenv("DISPLAY", saved.c_str(), 1);
    }
}

} // namespace scrivel::platform
