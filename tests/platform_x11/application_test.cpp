#include "platform/message_box.h"
#include "platform/message_dialog.h"
#include "platform/x_error_trap.h"
#include "platform_x11/x11_fixture.h"

#include <X11/keysym.h>
#include <thread>

namespace scrivel::platform {
namespace {

using ApplicationTest = test::X11Test;
using XErrorTrapTest = test::X11Test;
using MessageDialogTest = test::X11Test;

constexpr ::Window kNoWindow = 0x3FFFFFF; // a window id no client owns

TEST(Application, FailsClearlyWithoutAReachableDisplayAndMessageBoxFallsBackToStderr) {
    try {
        Application app(":4242");
        FAIL() << "a display that does not exist was opened";
    } catch (const DisplayError& error) {
        EXPECT_NE(std::string(error.what()).find(":4242"), std::string::npos) << error.what();
    }
    EXPECT_EQ(Application::Current(), nullptr);
    try {
        Application app; // its message box handler goes with it
    } catch (const DisplayError& error) {
        FAIL() << error.what();
    }
    testing::internal::CaptureStderr();
    MessageBox("seul");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "seul\n");
}

TEST_F(ApplicationTest, IsTheOnlyOneAndRunsTheIdleHandlerUntilQuit) {
    EXPECT_THROW(Application second, std::logic_error);
    EXPECT_EQ(Application::Current(), &App());
    EXPECT_EQ(App().ScreenWidth(), DisplayWidth(XDisplay(), DefaultScreen(XDisplay())));
    int first = 0;
    int second = 0;
    App().SetIdleHandler([&] { // replaces itself while it runs
        ++first;
        App().SetIdleHandler([&] {
            if (++second == 50) {
                App().Quit();
            }
        });
    });
    const auto start = std::chrono::steady_clock::now();
    App().Run();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 50);
    EXPECT_TRUE(App().Terminated());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
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

TEST_F(ApplicationTest, TheSystemCloseEndsTheLoopForTheMainWindowAndHidesOthers) {
    auto main = std::make_unique<Window>(App(), WindowKind::Form,
                                         WindowBounds{test::kLeft + 10, test::kTop + 10, 60, 40});
    Window other(App(), WindowKind::Form, {test::kLeft + 100, test::kTop + 10, 60, 40});
    App().SetMainWindow(main.get());
    ShowAndSettle(*main);
    ShowAndSettle(other);
    SendDelete(XDisplay(), other.Handle());
    Settle();
    EXPECT_FALSE(App().Terminated());
    EXPECT_FALSE(other.Visible());

    // A close request still on its way when the window goes is dropped.
    SendDelete(XDisplay(), main->Handle());
    XSync(XDisplay(), False);
    main.reset();
    EXPECT_EQ(App().MainWindow(), nullptr);
    Settle();
    EXPECT_FALSE(App().Terminated());

    App().SetMainWindow(&other);
    SendDelete(XDisplay(), other.Handle());
    Settle();
    EXPECT_TRUE(App().Terminated());
}

TEST_F(ApplicationTest, MinimizeAsksTheWindowManagerToIconifyTheMainWindow) {
    Window main(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 60, 40});
    App().SetMainWindow(&main);
    ShowAndSettle(main);
    // A second connection watching the root window, as a window manager would.
    Display* manager = XOpenDisplay(nullptr);
    ASSERT_NE(manager, nullptr);
    XSelectInput(manager, DefaultRootWindow(manager), SubstructureNotifyMask);
    XSync(manager, False);
    App().Minimize();
    App().Sync();
    XEvent e{};
    XSync(manager, False);
    while (XCheckTypedEvent(manager, ClientMessage, &e) &&
           e.xclient.message_type != XInternAtom(manager, "WM_CHANGE_STATE", False)) {
    }
    XCloseDisplay(manager);
    EXPECT_EQ(e.xclient.window, main.Handle());
    EXPECT_EQ(e.xclient.data.l[0], IconicState);
}

TEST_F(XErrorTrapTest, CatchesAFailedCallAndReportsItOnceWithTheSubsystem) {
    testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i) {
        XErrorTrap outer(App(), "GLX");
        {
            XErrorTrap inner(App(), "inner"); // nested traps keep their own errors
            XMapWindow(XDisplay(), kNoWindow);
            EXPECT_FALSE(inner.Succeeded());
        }
        EXPECT_TRUE(outer.Succeeded());
        XMapWindow(XDisplay(), kNoWindow);
        EXPECT_FALSE(outer.Check("cannot map the window"));
        EXPECT_EQ(outer.ErrorCode(), BadWindow);
    }
    // Outside a trap: reported once too, without ending the program.
    XMapWindow(XDisplay(), kNoWindow);
    XMapWindow(XDisplay(), kNoWindow);
    App().Sync();
    const std::string errors = testing::internal::GetCapturedStderr();
    for (const char* report : {"GLX: cannot map the window: BadWindow", "X11: request"}) {
        EXPECT_NE(errors.find(report), std::string::npos) << errors;
        EXPECT_EQ(errors.find(report), errors.rfind(report)) << errors;
    }
}

TEST_F(MessageDialogTest, EnterEscapeSpaceOrAClickOnOkDismissIt) {
    for (KeySym key : {XK_Return, XK_KP_Enter, XK_Escape, XK_space}) {
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
    const MessageDialog::Layout& layout = dialog.GetLayout();
    // A press on OK released elsewhere does not count, as with any button.
    MovePointerTo(dialog, layout.buttonLeft + 5, layout.buttonTop + 5);
    PressButton();
    MovePointerTo(dialog, 2, 2);
    ReleaseButton();
    EXPECT_FALSE(dialog.Dismissed());
    Click(dialog, layout.buttonLeft + 5, layout.buttonTop + 5);
    EXPECT_TRUE(dialog.Dismissed());
}

TEST_F(MessageDialogTest, MessageBoxWaitsForAKeyFromXdotoolAndWritesToStderr) {
    ASSERT_EQ(std::system("command -v xdotool > /dev/null"), 0) << "xdotool is not installed";
    std::thread presser([] {
        std::system("xdotool search --sync --onlyvisible --name '^Scrivel$' > /dev/null && "
                    "xdotool key Return");
    });
    const std::string text = "Bitmap incorrect pour une banque :\n/jeu/Graphics/texbank1_64.bmp";
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    MessageBox(text);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), text + "\n");
    presser.join();
    EXPECT_GT(waited, std::chrono::milliseconds(20)); // it waited for the key
}

} // namespace
} // namespace scrivel::platform
