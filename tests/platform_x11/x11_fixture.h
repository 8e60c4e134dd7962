#pragma once

// GoogleTest before Xlib, whose None and Bool macros would break its declarations.
// clang-format off
#include <gtest/gtest.h>
#include "platform/x11_internal.h"
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>
// clang-format on

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/region.h"
#include "platform/window.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <memory>
#include <set>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace scrivel::test {

// Clear of the GL tests' windows at the screen's top-left corner.
inline constexpr int kLeft = 500;
inline constexpr int kTop = 300;

using PixelSet = std::set<std::pair<int, int>>;

// Ends the test program with a clear message when a wait that no loop can bound (a modal
// message box) outlives its time limit, instead of leaving it hanging.
class Watchdog {
public:
    Watchdog(std::chrono::seconds limit, std::string what)
        : thread_([done = done_.get_future(), limit, what = std::move(what)] {
              if (done.wait_for(limit) == std::future_status::timeout) {
                  std::fprintf(stderr, "FAILED: %s after %lld s\n", what.c_str(),
                               static_cast<long long>(limit.count()));
                  std::_Exit(1);
              }
          }) {}
    ~Watchdog() {
        done_.set_value();
        thread_.join();
    }

private:
    std::promise<void> done_; // before the thread, which takes its future
    std::thread thread_;
};

inline platform::Bitmap Filled(int width, int height, std::uint32_t colour) {
    platform::Bitmap bitmap(width, height);
    bitmap.Fill(colour);
    return bitmap;
}

inline PixelSet PixelsOf(const platform::Region& region) {
    PixelSet pixels;
    for (int i = 0; i < region.Width() * region.Height(); ++i) {
        if (region.Contains(i % region.Width(), i / region.Width())) {
            pixels.insert({i % region.Width(), i / region.Width()});
        }
    }
    return pixels;
}

// A platform::Application on the X server named by DISPLAY, driving the real pointer and keyboard
// through XTEST and reading the screen back.
class X11Test : public ::testing::Test {
protected:
    void SetUp() override {
        // Pointer, focus and screen are shared: one such test at a time per display.
        lockFd_ = open("/tmp/scrivel-x11-input.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        flock(lockFd_, LOCK_EX); // fails harmlessly without the file
        try {
            app_ = std::make_unique<platform::Application>();
        } catch (const platform::DisplayError& error) {
            FAIL() << error.what() << ": X11 tests need a display; run them under xvfb-run -a";
        }
        MovePointer(App().ScreenWidth() - 1, App().ScreenHeight() - 1);
    }
    void TearDown() override {
        app_.reset();
        close(lockFd_);
    }

    platform::Application& App() { return *app_; }
    Display* XDisplay() { return app_->Internals().display; }
    ::Window Root() { return app_->Internals().root; }

    // Runs the loop until done() holds; false after the timeout.
    template <class Predicate>
    bool PumpUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!done() && std::chrono::steady_clock::now() < end) {
            app_->RunOnce(std::chrono::milliseconds(1));
        }
        return done();
    }
    // Every request handled by the server and every event it caused dispatched and painted.
    void Settle() {
        for (int i = 0; i < 3; ++i) {
            app_->Sync();
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(10);
            PumpUntil([&] { return std::chrono::steady_clock::now() >= end; });
        }
    }
    void ShowAndSettle(platform::Window& window) {
        window.Show();
        ASSERT_TRUE(PumpUntil([&] { return MapState(window.Handle()) == IsViewable; }));
        Settle();
    }
    int MapState(::Window window) {
        XWindowAttributes attributes{};
        XGetWindowAttributes(XDisplay(), window, &attributes);
        return attributes.map_state;
    }

    void MovePointer(int screenX, int screenY) {
        XTestFakeMotionEvent(XDisplay(), -1, screenX, screenY, CurrentTime);
        Settle();
    }
    void MovePointerTo(const platform::Window& window, int x, int y) {
        const auto [screenX, screenY] = ScreenPosition(window, x, y);
        MovePointer(screenX, screenY);
    }
    void PressButton(bool down = true) {
        XTestFakeButtonEvent(XDisplay(), 1, down, CurrentTime);
        Settle();
    }
    void ReleaseButton() { PressButton(false); }
    void Click(const platform::Window& window, int x, int y) {
        MovePointerTo(window, x, y);
        PressButton();
        ReleaseButton();
    }
    void PressKey(KeySym keysym) {
        const KeyCode code = XKeysymToKeycode(XDisplay(), keysym);
        ASSERT_NE(code, 0) << "no key for keysym " << keysym;
        XTestFakeKeyEvent(XDisplay(), code, True, CurrentTime);
        XTestFakeKeyEvent(XDisplay(), code, False, CurrentTime);
        Settle();
    }

    std::pair<int, int> ScreenPosition(const platform::Window& window, int x, int y) {
        std::pair<int, int> screen;
        ::Window child = 0;
        XTranslateCoordinates(XDisplay(), window.Handle(), Root(), x, y, &screen.first,
                              &screen.second, &child);
        return screen;
    }
    // As 0x00BBGGRR, read from the root window, so stacking and shapes are taken into account.
    std::uint32_t WindowPixel(const platform::Window& window, int x, int y) {
        const auto [screenX, screenY] = ScreenPosition(window, x, y);
        XImage* image = XGetImage(XDisplay(), Root(), screenX, screenY, 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return 0xFFFFFFFF;
        }
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
    }

    // The shape as the server holds it, pixel by pixel.
    PixelSet ServerShape(const platform::Window& window, int kind = ShapeBounding) {
        int count = 0, ordering = 0;
        XRectangle* rects =
            XShapeGetRectangles(XDisplay(), window.Handle(), kind, &count, &ordering);
        PixelSet pixels;
        for (int i = 0; i < count; ++i) {
            for (int p = 0; p < rects[i].width * rects[i].height; ++p) {
                pixels.insert({rects[i].x + p % rects[i].width, rects[i].y + p / rects[i].width});
            }
        }
        XFree(rects);
        return pixels;
    }

private:
    std::unique_ptr<platform::Application> app_;
    int lockFd_ = -1;
};

} // namespace scrivel::test
