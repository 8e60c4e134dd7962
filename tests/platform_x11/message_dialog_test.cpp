#include "platform/message_box.h"
#include "platform/message_dialog.h"
#include "platform_x11/x11_fixture.h"

#include <X11/keysym.h>
#include <cstdlib>
#include <thread>

namespace scrivel::platform {
namespace {

using MessageDialogTest = test::X11Test;

TEST_F(MessageDialogTest, EnterEscapeSpaceOrAClickOnOkDismissIt) {
    for (KeySym key : {XK_Return, XK_KP_Enter, XK_Escape, XK_space}) {
        MessageDialog dialog(App(), "Impossible de cr\xC3\xA9"
                                    "er le fichier : \n/tmp/x.ini");
        ShowAndSettle(dialog);
        EXPECT_FALSE(dialog.Dismissed());
        PressKey(XK_a);
        EXPECT_FALSE(dialog.Dismissed());
        PressKey(key);
        EXPECT_TRUE(dialog.Dismissed()) << "keysym " << key;
    }

    MessageDialog dialog(App(), "Une ligne");
    ShowAndSettle(dialog);
    const MessageDialog::Layout& layout = dialog.GetLayout();
    // A press on OK released elsewhere does not count, as with any button.
    MovePointerTo(dialog, layout.buttonLeft + 5, layout.buttonTop + 5);
    PressButton();
    MovePointerTo(dialog, 2, 2);
    ReleaseButton();
    EXPECT_FALSE(dialog.Dismissed());
    MovePointerTo(dialog, layout.buttonLeft + 5, layout.buttonTop + 5);
    PressButton();
    ReleaseButton();
    EXPECT_TRUE(dialog.Dismissed());
}

TEST_F(MessageDialogTest, MessageBoxWaitsForAKeyFromXdotoolAndWritesToStderr) {
    ASSERT_EQ(std::system("command -v xdotool > /dev/null"), 0) << "xdotool is not installed";
    // xdotool waits for the dialog to be on the screen, then presses Enter on the keyboard.
    std::thread presser([] {
        std::system("xdotool search --sync --onlyvisible --name '^Scrivel$' > /dev/null && "
                    "xdotool key Return");
    });
    const std::string text = "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp";
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    MessageBox(text);
    const auto waited = std::chrono::steady_clock::now() - start;
    const std::string errors = testing::internal::GetCapturedStderr();
    presser.join();
    EXPECT_EQ(errors, text + "\n");
    // It really waited for the key rather than returning at once.
    EXPECT_GT(waited, std::chrono::milliseconds(20));
}

TEST(MessageBoxHandler, GoesAwayWithTheApplication) {
    {
        try {
            Application app;
        } catch (const DisplayError& error) {
            FAIL() << error.what();
        }
    }
    // No application: stderr only, no wait.
    testing::internal::CaptureStderr();
    MessageBox("seul");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "seul\n");
}

} // namespace
} // namespace scrivel::platform
