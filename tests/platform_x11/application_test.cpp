#include "platform/message_box.h"
#include "platform/message_dialog.h"
#include "platform/x_error_trap.h"
#include "platform_x11/x11_fixture.h"

#include <X11/keysym.h>
#include <thread>

namespace scrivel::platform {
namespace {

using ApplicationTest = test::X11Test;
using MessageDialogTest = test::X11Test;

constexpr ::Window kNoWindow = 0x3FFFFFF; // a window id no client owns

// Without a display a message box writes to stderr only: the word base test reads it there.
TEST(Application, FailsClearlyWithoutAReachableDisplay) {
    try {
        Application app(":4242");
        FAIL() << "a display that does not exist was opened";
    } catch (const DisplayError& error) {
        EXPECT_NE(std::string(error.what()).find(":4242"), std::string::npos) << error.what();
    }
}

void SendDelete(Display* display, ::Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
}

TEST_F(ApplicationTest, TheSystemCloseEndsTheLoopUnlessTheWindowIsAlreadyGone) {
    auto gone = std::make_unique<Window>(App(), WindowKind::Form, WindowBounds{0, 0, 60, 40});
    Window main(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 60, 40});
    App().SetMainWindow(gone.get());
    SendDelete(XDisplay(), gone->Handle());
    XSync(XDisplay(), False);
    gone.reset();
    Settle();
    EXPECT_FALSE(App().Terminated());
    App().SetMainWindow(&main);
    SendDelete(XDisplay(), main.Handle());
    Settle();
    EXPECT_TRUE(App().Terminated());
}

// A running clock needs the handler every millisecond; a paused one must not keep the loop
// spinning: with nothing to do it comes round at the quiet pause of 20 ms.
TEST_F(ApplicationTest, AnIdleHandlerWithNothingToDoLetsTheLoopSleep) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kRun = std::chrono::milliseconds(200);
    int calls[2] = {};
    for (IdleNext next : {IdleNext::Again, IdleNext::Wait}) {
        int& count = calls[next == IdleNext::Wait ? 1 : 0];
        const Clock::time_point end = Clock::now() + kRun;
        App().SetIdleHandler([&] {
            ++count;
            if (Clock::now() >= end) {
                App().Quit();
            }
            return next;
        });
        App().Run();
    }
    App().SetIdleHandler(nullptr);
    // About 200 calls at one a millisecond, about 10 at one each 20 ms; room for a busy machine.
    EXPECT_GT(calls[0], 60);
    EXPECT_LE(calls[1], 14);
    EXPECT_GE(calls[1], 8);
}

TEST_F(ApplicationTest, AnXErrorTrapCatchesAFailedCallAndReportsItOnceWithTheSubsystem) {
    testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i) {
        XErrorTrap trap(App(), "GLX");
        XMapWindow(XDisplay(), kNoWindow);
        EXPECT_FALSE(trap.Check("cannot map the window"));
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    const std::string report = "GLX: cannot map the window: BadWindow";
    EXPECT_NE(errors.find(report), std::string::npos) << errors;
    EXPECT_EQ(errors.find(report), errors.rfind(report)) << errors;
}

TEST_F(MessageDialogTest, EnterEscapeSpaceOrAClickOnOkDismissIt) {
    for (KeySym key : {XK_Return, XK_Escape, XK_space}) {
        MessageDialog dialog(App(), "Impossible de cr\xC3\xA9"
                                    "er le fichier : \n/tmp/x.ini");
        ShowAndSettle(dialog);
        PressKey(XK_a);
        EXPECT_FALSE(dialog.Dismissed());
        PressKey(key);
        EXPECT_TRUE(dialog.Dismissed()) << "keysym " << key;
    }
    MessageDialog dialog(App(), "Une ligne");
    ShowAndSettle(dialog);
    Click(dialog, dialog.GetLayout().buttonLeft + 5, dialog.GetLayout().buttonTop + 5);
    EXPECT_TRUE(dialog.Dismissed());
}

TEST_F(MessageDialogTest, MessageBoxWaitsForAKeyFromXdotoolAndWritesToStderr) {
    ASSERT_EQ(std::system("command -v xdotool > /dev/null"), 0) << "xdotool is not installed";
    std::thread presser([] {
        std::system("timeout 10 xdotool search --sync --onlyvisible --name '^Scrivel$' "
                    "> /dev/null && sleep 0.2 && xdotool key Return");
    });
    const std::string text = "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp";
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    {
        test::Watchdog limit(std::chrono::seconds(20), "the message box got no key from xdotool");
        MessageBox(text);
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), text + "\n");
    presser.join();
    EXPECT_GE(waited, std::chrono::milliseconds(200)); // it waited for the key
}

} // namespace
} // namespace scrivel::platform
