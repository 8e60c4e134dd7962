#include "platform/application.h"

#include "platform/hint_window.h"
#include "platform/message_box.h"
#include "platform/message_dialog.h"
#include "platform/x11_internal.h"
#include "platform/x_error_trap.h"

#include <X11/extensions/shape.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <thread>
#include <utility>

namespace scrivel::platform {

namespace {

// The one application alive, for the X error handler and the message box: the only global the
// windowing layer keeps.
Application* current = nullptr;

constexpr std::chrono::milliseconds kHintHidePause{2500};
// How long the loop sleeps on the X connection when nothing needs it sooner: the hints' timing
// is the only clock then.
constexpr std::chrono::milliseconds kQuietPause{20};
constexpr int kOpenAttempts = 5;
constexpr std::chrono::milliseconds kOpenRetryPause{40};

void ShowMessageThroughApplication(void* context, const std::string& text) {
    static_cast<Application*>(context)->ShowMessage(text);
}

// Waits until the X connection has something to read, at most timeout; returns at once when Xlib
// already holds events it read during an earlier call. False when the wait ended with nothing
// queued and nothing to read.
bool WaitForEvents(Display* display, std::chrono::milliseconds timeout) {
    // Flushes, and also picks up events that Xlib read while waiting for a reply: the socket
    // would not show those.
    if (XEventsQueued(display, QueuedAfterFlush) > 0) {
        return true;
    }
    pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
    return poll(&descriptor, 1, static_cast<int>(timeout.count())) != 0;
}

} // namespace

platform::Window* Application::Impl::Find(::Window id) const {
    const auto found = windows.find(id);
    return found == windows.end() ? nullptr : found->second;
}

void Application::Impl::ReportOnce(const std::string& what) {
    if (!reported.insert(what).second) {
        return;
    }
    std::fwrite(what.data(), 1, what.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void Application::Impl::HintMove(platform::Window& window, int screenX, int screenY) {
    hintX = screenX;
    hintY = screenY;
    if (hintTarget == &window) {
        if (!hintShown && !hintDone) {
            hintSince = std::chrono::steady_clock::now(); // the pointer has not rested yet
        }
        return;
    }
    WindowEvents::HideHint(*this);
    hintTarget = &window;
    hintDone = false;
    hintSince = std::chrono::steady_clock::now();
}

void Application::Impl::HintCancel(const platform::Window* window) {
    if (window != nullptr && window != hintTarget) {
        return;
    }
    WindowEvents::HideHint(*this);
    if (window != nullptr) {
        hintTarget = nullptr;
    } else {
        hintDone = true; // a press or a key: not again until the pointer goes elsewhere
    }
}

void Application::Impl::UpdateHint() {
    const auto now = std::chrono::steady_clock::now();
    if (hintShown) {
        if (now - hintShownAt >= kHintHidePause) {
            WindowEvents::HideHint(*this);
            hintDone = true;
        }
        return;
    }
    if (hintTarget == nullptr || hintDone || !hintTarget->ShowHint() ||
        hintTarget->Hint().empty() || now - hintSince < hintPause) {
        return;
    }
    WindowEvents::ShowHint(*this, hintTarget->Hint(), hintX, hintY + 20);
    hintShownAt = now;
}

void WindowEvents::ShowHint(Application::Impl& a, const std::string& text, int x, int y) {
    if (!a.hintWindow) {
        a.hintWindow = std::make_unique<HintWindow>(*current);
    }
    a.hintWindow->ShowText(text, x, y);
    a.hintShown = true;
}

void WindowEvents::HideHint(Application::Impl& a) {
    if (a.hintShown && a.hintWindow) {
        a.hintWindow->Hide();
    }
    a.hintShown = false;
}

Application::Application(const std::string& displayName) : impl_(std::make_unique<Impl>()) {
    if (current != nullptr) {
        throw std::logic_error("Application: only one may exist at a time");
    }
    const char* name = displayName.empty() ? nullptr : displayName.c_str();
    impl_->display = XOpenDisplay(name);
    // NOTE: an X server resets when its last client leaves (Xvfb without -noreset) and refuses
    // connections for a moment meanwhile; a program started just then would fail for nothing.
    for (int attempt = 1; impl_->display == nullptr && attempt < kOpenAttempts; ++attempt) {
        std::this_thread::sleep_for(kOpenRetryPause);
        impl_->display = XOpenDisplay(name);
    }
    if (impl_->display == nullptr) {
        const char* shown = name != nullptr ? name : std::getenv("DISPLAY");
        throw DisplayError(std::string("X11: cannot open the display \"") +
                           (shown != nullptr ? shown : "") + "\"");
    }
    Display* display = impl_->display;
    impl_->screen = DefaultScreen(display);
    impl_->root = RootWindow(display, impl_->screen);

    Impl::Atoms& atoms = impl_->atoms;
    atoms.wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    atoms.wmDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    atoms.motifWmHints = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    atoms.netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    atoms.utf8String = XInternAtom(display, "UTF8_STRING", False);
    atoms.netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    atoms.netWmWindowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    atoms.netWmWindowTypeNormal = XInternAtom(display, "_NET_WM_WINDOW_TYPE_NORMAL", False);
    atoms.netWmWindowTypeDialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    atoms.netWmWindowTypeTooltip = XInternAtom(display, "_NET_WM_WINDOW_TYPE_TOOLTIP", False);

    int eventBase = 0;
    int errorBase = 0;
    if (XShapeQueryExtension(display, &eventBase, &errorBase)) {
        int major = 0;
        int minor = 0;
        if (XShapeQueryVersion(display, &major, &minor)) {
            impl_->shape = true;
            impl_->inputShape = major > 1 || (major == 1 && minor >= 1);
        }
    }

    current = this;
    impl_->previousErrorHandler = XSetErrorHandler(HandleXError);
    SetMessageBoxHandler(ShowMessageThroughApplication, this);
}

Application::~Application() {
    SetMessageBoxHandler(nullptr, nullptr);
    impl_->hintWindow.reset();
    XSync(impl_->display, False);
    XSetErrorHandler(impl_->previousErrorHandler);
    XCloseDisplay(impl_->display);
    current = nullptr;
}

Application* Application::Current() {
    return current;
}

void Application::SetIdleHandler(std::function<IdleNext()> handler) {
    if (impl_->inIdle) {
        impl_->nextIdle = std::move(handler);
    } else {
        impl_->idle = std::move(handler);
    }
}

void Application::SetMainWindow(Window* window) {
    impl_->mainWindow = window;
}

Window* Application::MainWindow() const {
    return impl_->mainWindow;
}

void Application::Run() {
    impl_->quit = false;
    while (!impl_->quit) {
        // Without an idle handler nothing needs the loop to come round every millisecond.
        RunOnce(impl_->idle ? std::chrono::milliseconds(1) : kQuietPause);
    }
}

void Application::Quit() {
    impl_->quit = true;
}

bool Application::Terminated() const {
    return impl_->quit;
}

void Application::RunOnce(std::chrono::milliseconds maxWait) {
    // After a quiet wait nothing can have arrived: skip asking Xlib, which costs system calls a
    // thousand times a second.
    if (impl_->quietWait) {
        impl_->quietWait = false;
        if (WindowEvents::PaintInvalid(*impl_)) {
            XFlush(impl_->display);
        }
    } else {
        ProcessMessages();
    }
    impl_->UpdateHint();
    std::chrono::milliseconds wait = maxWait;
    if (impl_->idle && !impl_->quit) {
        // A handler that replaces itself must not be destroyed while it runs: the new one waits.
        impl_->inIdle = true;
        if (impl_->idle() == IdleNext::Wait) {
            wait = std::max(maxWait, kQuietPause);
        }
        impl_->inIdle = false;
        if (impl_->nextIdle) {
            impl_->idle = std::move(*impl_->nextIdle);
            impl_->nextIdle.reset();
        }
    }
    if (!impl_->quit) {
        impl_->quietWait = !WaitForEvents(impl_->display, wait);
    }
}

void Application::ProcessMessages() {
    Display* display = impl_->display;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        WindowEvents::Dispatch(*impl_, event);
    }
    // XPending flushed what the events' handlers asked for; paints need one flush more.
    if (WindowEvents::PaintInvalid(*impl_)) {
        XFlush(display);
    }
}

void Application::Sync() {
    XSync(impl_->display, False);
    ProcessMessages();
}

void Application::Minimize() {
    if (impl_->mainWindow != nullptr && impl_->mainWindow->Handle() != 0) {
        XIconifyWindow(impl_->display, impl_->mainWindow->Handle(), impl_->screen);
        XFlush(impl_->display);
    }
}

int Application::ScreenWidth() const {
    return DisplayWidth(impl_->display, impl_->screen);
}

int Application::ScreenHeight() const {
    return DisplayHeight(impl_->display, impl_->screen);
}

bool Application::HasShape() const {
    return impl_->shape;
}

void Application::SetHintPause(std::chrono::milliseconds pause) {
    impl_->hintPause = pause;
}

std::string Application::ShownHint() const {
    return impl_->hintShown && impl_->hintWindow ? impl_->hintWindow->Text() : std::string();
}

void Application::ShowMessage(const std::string& text) {
    MessageDialog dialog(*this, text);
    platform::Window* previousModal = std::exchange(impl_->modal, &dialog);
    impl_->HintCancel(nullptr);
    dialog.Show();
    dialog.Raise();
    // A modal loop as the system's message box runs one: windows still repaint, the idle handler
    // waits (the game's clock stops), input for other windows is dropped.
    while (!dialog.Dismissed()) {
        ProcessMessages();
        if (!dialog.Dismissed()) {
            WaitForEvents(impl_->display, std::chrono::milliseconds(50));
        }
    }
    impl_->modal = previousModal;
    dialog.Hide();
    platform::Window* back = previousModal != nullptr ? previousModal : impl_->mainWindow;
    if (back != nullptr && back->Handle() != 0 && back->Visible()) {
        XErrorTrap trap(*this, "X11 focus");
        XSetInputFocus(impl_->display, back->Handle(), RevertToParent, CurrentTime);
        trap.Succeeded();
    }
}

} // namespace scrivel::platform
