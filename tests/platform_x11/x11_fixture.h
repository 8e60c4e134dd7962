#pragma once

// GoogleTest before Xlib, whose None and Bool macros would break its declarations.
// clang-format off
#include <gtest/gtest.h>
#include "platform/x11_internal.h"
#include <X11/extensions/XTest.h>
// clang-format on

#include "platform/application.h"
#include "platform/window.h"

#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace scrivel::test {

// Where the tests put their top-level windows: clear of the GL tests' windows at the screen's
// top-left corner, which may be mapped at the same time by another test program.
inline constexpr int kLeft = 500;
inline constexpr int kTop = 300;

// A platform::Application on the X server named by DISPLAY for each test, with helpers that drive
// the real pointer and keyboard through XTEST and read the screen back. Without a display the test
// fails in SetUp.
class X11Test : public ::testing::Test {
protected:
    void SetUp() override {
        // The pointer, the keyboard focus and the screen are shared: one such test at a time per
        // display, even when the test programs run in parallel.
        const char* display = std::getenv("DISPLAY");
        std::string lock = "/tmp/scrivel-x11-input";
        for (const char* c = display != nullptr ? display : ""; *c != 0; ++c) {
            lock += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        }
        lockFd_ = open((lock + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (lockFd_ >= 0) {
            flock(lockFd_, LOCK_EX);
        }
        try {
            app_ = std::make_unique<platform::Application>();
        } catch (const platform::DisplayError& error) {
            FAIL() << error.what() << ": X11 tests need a display; run them under xvfb-run -a";
        }
        int eventBase = 0;
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        ASSERT_TRUE(XTestQueryExtension(XDisplay(), &eventBase, &errorBase, &major, &minor))
            << "the X server has no XTEST extension";
        // Out of the way of every window the tests open.
        MovePointer(App().ScreenWidth() - 1, App().ScreenHeight() - 1);
    }

    void TearDown() override {
        app_.reset();
        if (lockFd_ >= 0) {
            close(lockFd_); // releases the lock
        }
    }

    platform::Application& App() { return *app_; }
    Display* XDisplay() { return app_->Internals().display; }
    ::Window Root() { return app_->Internals().root; }

    // Runs the loop until done() holds; false after the timeout.
    template <class Predicate>
    bool PumpUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            app_->RunOnce(std::chrono::milliseconds(1));
        }
        return true;
    }

    void Pump(std::chrono::milliseconds duration) {
        const auto end = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < end) {
            app_->RunOnce(std::chrono::milliseconds(1));
        }
    }

    // Every request handled by the server and every event it caused dispatched and painted.
    void Settle() {
        for (int i = 0; i < 3; ++i) {
            app_->Sync();
            Pump(std::chrono::milliseconds(10));
        }
    }

    // Shows a top-level window and waits until it is on the screen and painted.
    void ShowAndSettle(platform::Window& window) {
        window.Show();
        ASSERT_TRUE(PumpUntil([&] {
            XWindowAttributes attributes{};
            XGetWindowAttributes(XDisplay(), window.Handle(), &attributes);
            return attributes.map_state == IsViewable;
        })) << "the window never became viewable";
        Settle();
    }

    void MovePointer(int screenX, int screenY) {
        XTestFakeMotionEvent(XDisplay(), -1, screenX, screenY, CurrentTime);
        Settle();
    }
    // Moves the pointer to pixel (x, y) of the window.
    void MovePointerTo(const platform::Window& window, int x, int y) {
        const auto [screenX, screenY] = ScreenPosition(window, x, y);
        MovePointer(screenX, screenY);
    }
    void PressButton(unsigned button = 1) {
        XTestFakeButtonEvent(XDisplay(), button, True, CurrentTime);
        Settle();
    }
    void ReleaseButton(unsigned button = 1) {
        XTestFakeButtonEvent(XDisplay(), button, False, CurrentTime);
        Settle();
    }
    void PressKey(KeySym keysym) {
        const KeyCode code = XKeysymToKeycode(XDisplay(), keysym);
        ASSERT_NE(code, 0) << "no key for keysym " << keysym;
        XTestFakeKeyEvent(XDisplay(), code, True, CurrentTime);
        XTestFakeKeyEvent(XDisplay(), code, False, CurrentTime);
        Settle();
    }

    std::pair<int, int> ScreenPosition(const platform::Window& window, int x, int y) {
        int screenX = 0;
        int screenY = 0;
        ::Window child = 0;
        XTranslateCoordinates(XDisplay(), window.Handle(), Root(), x, y, &screenX, &screenY,
                              &child);
        return {screenX, screenY};
    }

    // The colour (0x00BBGGRR) shown on the screen at a position: read from the root window, so
    // stacking and shapes are taken into account.
    std::uint32_t ScreenPixel(int screenX, int screenY) {
        XImage* image = XGetImage(XDisplay(), Root(), screenX, screenY, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return 0xFFFFFFFF;
        }
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
    }
    std::uint32_t WindowPixel(const platform::Window& window, int x, int y) {
        const auto [screenX, screenY] = ScreenPosition(window, x, y);
        return ScreenPixel(screenX, screenY);
    }

private:
    std::unique_ptr<platform::Application> app_;
    int lockFd_ = -1;
};

} // namespace scrivel::test
