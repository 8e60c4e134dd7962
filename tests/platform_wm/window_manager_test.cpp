#include "platform_x11/x11_fixture.h"

#include <X11/Xatom.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>

namespace scrivel::platform {
namespace {

using namespace std::chrono_literals;

class Painted : public Window {
public:
    using Window::Window;
    int paints = 0;

protected:
    void Paint() override { ++paints; }
};

// Openbox, a reparenting window manager, on the program's own X server (its test command runs it
// under xvfb-run -a): started for the suite and stopped after it, as only one manager may run on
// a display.
class WindowManagerTest : public test::X11Test {
protected:
    static void SetUpTestSuite() {
        manager_ = fork();
        if (manager_ == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    static void TearDownTestSuite() {
        if (manager_ > 0) {
            kill(manager_, SIGTERM);
            waitpid(manager_, nullptr, 0);
        }
    }
    void SetUp() override {
        X11Test::SetUp();
        ASSERT_GT(manager_, 0) << "cannot start openbox";
        ASSERT_TRUE(PumpUntil([&] { return ManagerRunning(); }, 10s))
            << "openbox did not take the display within 10 s (is it installed?)";
        // NOTE: openbox drops windows mapped in its first moments, though it lists its clients
        // already: try a probe until one is managed.
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!managing_ && std::chrono::steady_clock::now() < end) {
            Window probe(App(), WindowKind::Plain, {0, 0, 10, 10});
            probe.Show();
            managing_ = PumpUntil([&] { return MapState(probe.Handle()) == IsViewable; }, 300ms);
        }
        ASSERT_TRUE(managing_) << "openbox maps no window";
    }

    bool ManagerRunning() {
        int status = 0;
        if (waitpid(manager_, &status, WNOHANG) == manager_) {
            manager_ = -1; // it ended: nothing will take the display
            return false;
        }
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        // It lists its clients once it has started; windows mapped earlier may go unmanaged.
        XGetWindowProperty(XDisplay(), Root(), XInternAtom(XDisplay(), "_NET_CLIENT_LIST", False),
                           0, 1, False, AnyPropertyType, &type, &format, &count, &after, &data);
        XFree(data);
        return type != None;
    }
    // Waits a while for the manager's answers, which come when they come.
    void Linger() {
        PumpUntil([] { return false; }, 300ms);
        Settle();
    }
    std::pair<int, int> Position(const Window& window) { return {window.Left(), window.Top()}; }

    static inline pid_t manager_ = -1;
    static inline bool managing_ = false;
};

// A drag after moves under openbox is the end-to-end skin test's (the F3 cycle, then a drag).
TEST_F(WindowManagerTest, MovedWindowsStayThereAndTheManagersResizesCount) {
    for (WindowKind kind : {WindowKind::Form, WindowKind::Plain}) {
        Painted window(App(), kind, {test::kLeft, test::kTop, 120, 80});
        ShowAndSettle(window);
        Linger();
        // Quick moves: the manager answers each one in its own time.
        for (int step = 1; step <= 5; ++step) {
            window.SetPosition(test::kLeft + 10 * step, test::kTop + 7 * step);
        }
        Linger();
        const std::pair<int, int> moved{test::kLeft + 50, test::kTop + 35};
        EXPECT_EQ(Position(window), moved) << "kind " << static_cast<int>(kind);
        EXPECT_EQ(ScreenPosition(window, 0, 0), moved) << "kind " << static_cast<int>(kind);
        // The manager's own resize reaches the window after those moves.
        const std::string resize =
            "wmctrl -i -r " + std::to_string(window.Handle()) + " -e 0,-1,-1,200,150";
        ASSERT_EQ(std::system(resize.c_str()), 0) << "wmctrl is not installed";
        EXPECT_TRUE(PumpUntil([&] { return window.Width() == 200 && window.Height() == 150; }))
            << "kind " << static_cast<int>(kind);
    }
}

TEST_F(WindowManagerTest, AMinimisedFormsChildStopsPainting) {
    Painted form(App(), WindowKind::Form, {test::kLeft, test::kTop, 120, 80});
    Painted child(form, {10, 10, 40, 40});
    App().SetMainWindow(&form);
    ShowAndSettle(form);
    App().Minimize();
    ASSERT_TRUE(PumpUntil([&] { return !form.OnScreen(); }));
    const int paints = child.paints;
    for (int frame = 0; frame < 5; ++frame) {
        child.Repaint();
        App().RunOnce();
    }
    EXPECT_EQ(child.paints, paints);
    App().SetMainWindow(nullptr);
}

} // namespace
} // namespace scrivel::platform
