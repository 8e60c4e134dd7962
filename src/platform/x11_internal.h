#pragma once

// Inside the platform layer only: the X11 side of Application and Window, for the code that talks
// to the server (windows, shapes, the message dialog, later GLX). Nothing outside src/platform/
// includes this.

#include "platform/application.h"
#include "platform/window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

namespace scrivel::platform {

class HintWindow;
class XErrorTrap;

struct Application::Impl {
    struct Atoms {
        Atom wmProtocols = 0;
        Atom wmDeleteWindow = 0;
        Atom motifWmHints = 0;
        Atom netWmName = 0;
        Atom utf8String = 0;
        Atom netWmPid = 0;
        Atom netWmWindowType = 0;
        Atom netWmWindowTypeNormal = 0;
        Atom netWmWindowTypeDialog = 0;
        Atom netWmWindowTypeTooltip = 0;
    };

    Display* display = nullptr;
    int screen = 0;
    ::Window root = 0;
    Atoms atoms;
    bool shape = false;      // XShape bounding shapes
    bool inputShape = false; // XShape 1.1 input shapes

    // The registry: events for windows not found here are dropped.
    std::unordered_map<::Window, platform::Window*> windows;
    platform::Window* mainWindow = nullptr;
    // While a modal dialog runs, input for any other window is dropped.
    platform::Window* modal = nullptr;
    std::function<IdleNext()> idle;
    bool inIdle = false;
    std::optional<std::function<IdleNext()>> nextIdle; // set while the idle handler runs
    bool quit = false;
    bool quietWait = false; // the last wait of the loop ended with nothing to read

    // Hints: the window the pointer rests on, since when, and where.
    platform::Window* hintTarget = nullptr;
    std::chrono::steady_clock::time_point hintSince;
    std::chrono::steady_clock::time_point hintShownAt;
    bool hintShown = false;
    bool hintDone = false; // shown and timed out; not again until the pointer moves elsewhere
    int hintX = 0;
    int hintY = 0;
    std::chrono::milliseconds hintPause{500};
    std::unique_ptr<HintWindow> hintWindow;

    // The top-level window BeginDrag moves, where it stood and where the pointer was.
    platform::Window* dragged = nullptr;
    int dragLeft = 0;
    int dragTop = 0;
    int dragX = 0;
    int dragY = 0;

    // X errors: the innermost trap collects them; outside traps each kind is reported once.
    XErrorTrap* trap = nullptr;
    std::set<std::string> reported;
    XErrorHandler previousErrorHandler = nullptr;

    platform::Window* Find(::Window id) const;
    void HintMove(platform::Window& window, int screenX, int screenY);
    void HintCancel(const platform::Window* window);
    void UpdateHint();
    // Writes "what" to stderr unless the same text was written before.
    void ReportOnce(const std::string& what);
};

struct Window::Native {
    ::Window id = 0;
    Colormap colormap = 0; // created for a visual of its own, freed with the window
    GC gc = nullptr;
    Visual* visual = nullptr;
    int depth = 0;
};

// Whether the bitmap's 0x00RRGGBB words can go to an image of this layout as they are.
bool FitsBitmapLayout(int depth, int bitsPerPixel, unsigned long redMask, unsigned long greenMask,
                      unsigned long blueMask, int byteOrder);

// The X error handler the application installs for its whole life (x_error_trap.cpp).
int HandleXError(Display* display, XErrorEvent* error);

enum class SightScope { Alone, WithChildren };

// Turns X events into the windows' virtual operations.
struct WindowEvents {
    static void Dispatch(Application::Impl& app, XEvent& event);
    // Calls OnSightChange on the window (and its children, with their children) whose sight is
    // not the one last reported.
    static void ReportSight(Application::Impl& app, platform::Window& from, SightScope scope);
    // True when a window painted.
    static bool PaintInvalid(Application::Impl& app);
    static void ShowHint(Application::Impl& app, const std::string& text, int x, int y);
    static void HideHint(Application::Impl& app);
};

} // namespace scrivel::platform
