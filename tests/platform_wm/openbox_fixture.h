#pragma once

#include "platform_x11/x11_fixture.h"

#include <X11/Xatom.h>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>

namespace scrivel::test {

// Openbox, a reparenting window manager, on the program's own X server (its test command runs it
// under xvfb-run -a): started for the suite and stopped after it, as only one manager may run on
// a display. Base is X11Test or a fixture built on it.
template <class Base> class UnderOpenbox : public Base {
protected:
    static void SetUpTestSuite() {
        Base::SetUpTestSuite();
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
        Base::TearDownTestSuite();
    }
    void SetUp() override {
        using namespace std::chrono_literals;
        Base::SetUp();
        ASSERT_GT(manager_, 0) << "cannot start openbox";
        ASSERT_TRUE(this->PumpUntil([&] { return ManagerRunning(); }, 10s))
            << "openbox did not take the display within 10 s (is it installed?)";
        // NOTE: openbox drops windows mapped in its first moments, though it lists its clients
        // already: try a probe until one is managed.
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!managing_ && std::chrono::steady_clock::now() < end) {
            platform::Window probe(this->App(), platform::WindowKind::Plain, {0, 0, 10, 10});
            probe.Show();
            managing_ = this->PumpUntil(
                [&] { return this->MapState(probe.Handle()) == IsViewable; }, 300ms);
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
        XGetWindowProperty(this->XDisplay(), this->Root(),
                           XInternAtom(this->XDisplay(), "_NET_CLIENT_LIST", False), 0, 1, False,
                           AnyPropertyType, &type, &format, &count, &after, &data);
        XFree(data);
        return type != None;
    }
    // Waits a while for the manager's answers, which come when they come.
    void Linger() {
        using namespace std::chrono_literals;
        this->PumpUntil([] { return false; }, 300ms);
        this->Settle();
    }
    // Brings a minimised top-level window back as a task bar does, through the manager.
    void Restore(const platform::Window& window) {
        const std::string activate = "wmctrl -i -a " + std::to_string(window.Handle());
        ASSERT_EQ(std::system(activate.c_str()), 0) << "wmctrl is not installed";
    }

    static inline pid_t manager_ = -1;
    static inline bool managing_ = false;
};

} // namespace scrivel::test
