#include "platform/application.h"
#include "platform/window.h"
#include "platform_x11/x11_fixture.h"

#include <X11/Xatom.h>
#include <thread>

namespace scrivel::platform {
namespace {

using test::X11Test;

TEST(Application, FailsClearlyWithoutAReachableDisplay) {
    try {
        Application app(":4242");
        FAIL() << "a display that does not exist was opened";
    } catch (const DisplayError& error) {
        EXPECT_NE(std::string(error.what()).find(":4242"), std::string::npos) << error.what();
    }
    EXPECT_EQ(Application::Current(), nullptr);
}

using ApplicationTest = X11Test;

TEST_F(ApplicationTest, IsTheOnlyOneWhileItLives) {
    EXPECT_EQ(Application::Current(), &App());
    EXPECT_THROW(Application second, std::logic_error);
    EXPECT_EQ(Application::Current(), &App());
}

TEST_F(ApplicationTest, RunCallsTheIdleHandlerUntilQuit) {
    int calls = 0;
    App().SetIdleHandler([&] {
        if (++calls == 50) {
            App().Quit();
        }
    });
    const auto start = std::chrono::steady_clock::now();
    App().Run();
    EXPECT_EQ(calls, 50);
    EXPECT_TRUE(App().Terminated());
    // The loop waits at most a millisecond or so between idle calls.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(ApplicationTest, AnIdleHandlerMayReplaceItself) {
    int first = 0;
    int second = 0;
    App().SetIdleHandler([&] {
        ++first;
        App().SetIdleHandler([&] {
            if (++second == 3) {
                App().Quit();
            }
        });
    });
    App().Run();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 3);
}

TEST_F(ApplicationTest, ProbesXShapeAndKnowsTheScreen) {
    EXPECT_TRUE(App().HasShape()); // Xvfb and every desktop server have it
    EXPECT_EQ(App().ScreenWidth(), DisplayWidth(XDisplay(), DefaultScreen(XDisplay())));
    EXPECT_EQ(App().ScreenHeight(), DisplayHeight(XDisplay(), DefaultScreen(XDisplay())));
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
    Window main(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 60, 40});
    Window other(App(), WindowKind::Form, {test::kLeft + 100, test::kTop + 10, 60, 40});
    App().SetMainWindow(&main);
    ShowAndSettle(main);
    ShowAndSettle(other);

    SendDelete(XDisplay(), other.Handle());
    Settle();
    EXPECT_FALSE(App().Terminated());
    EXPECT_FALSE(other.Visible());

    SendDelete(XDisplay(), main.Handle());
    Settle();
    EXPECT_TRUE(App().Terminated());
}

TEST_F(ApplicationTest, EventsForADestroyedWindowAreDropped) {
    auto main = std::make_unique<Window>(App(), WindowKind::Form,
                                         WindowBounds{test::kLeft + 10, test::kTop + 10, 60, 40});
    App().SetMainWindow(main.get());
    ShowAndSettle(*main);
    // The close request is on its way when the window goes.
    SendDelete(XDisplay(), main->Handle());
    XSync(XDisplay(), False);
    main.reset();
    EXPECT_EQ(App().MainWindow(), nullptr);
    Settle();
    EXPECT_FALSE(App().Terminated());
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
    const Atom changeState = XInternAtom(manager, "WM_CHANGE_STATE", False);
    bool asked = false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!asked && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        while (XPending(manager) > 0) {
            XEvent event;
            XNextEvent(manager, &event);
            asked =
                asked ||
                (event.type == ClientMessage && event.xclient.message_type == changeState &&
                 event.xclient.window == main.Handle() && event.xclient.data.l[0] == IconicState);
        }
    }
    XCloseDisplay(manager);
    EXPECT_TRUE(asked);
}

} // namespace
} // namespace scrivel::platform
