#pragma once

#include "platform/input.h"

#include <memory>
#include <string>
#include <vector>

namespace scrivel::platform {

class Application;
class Bitmap;
class Canvas;
class Region;

enum class WindowKind {
    Form,    // top-level without a frame (the skinned main form)
    Plain,   // top-level framed by the window manager
    Dialog,  // top-level with the window manager's frame, over the main window
    Tooltip, // borderless, ignored by the window manager
    Child,   // inside a parent window
};

// An X visual for windows that need a particular one (a GL surface); 0 takes the parent's visual,
// or the screen's default for top-level windows.
struct VisualChoice {
    unsigned long id = 0; // an X VisualID
    int depth = 0;
};

// What the player can see of a window, as the X server last reported it.
enum class Sight {
    Off,     // not on the screen: hidden, or a parent is (a minimised form)
    Covered, // on the screen but wholly behind other windows
    Shown,   // at least partly in view
};

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 1;
    int height = 1;
};

// A window on the X server, with the game's messages as virtual operations. Windows have no
// background, so nothing is erased before Paint: what Paint leaves out keeps its old pixels. Paint
// draws on the window's canvas, which is copied to the screen when Paint returns.
//
// Top-level windows start hidden; child windows start shown (they appear with their parent).
// Children must not outlive their parent's X window: when the parent goes first, the child's
// X window goes with it and the child object is left without one.
class Window {
public:
    Window(Application& app, WindowKind kind, const WindowBounds& bounds,
           const std::string& title = "");
    Window(Window& parent, const WindowBounds& bounds, VisualChoice visual = {});
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& App() const { return app_; }
    Window* Parent() const { return parent_; }
    Window& TopLevel();
    WindowKind Kind() const { return kind_; }
    // The X window id; 0 once the X window is gone.
    unsigned long Handle() const;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    // Position relative to the parent (or the screen). Sizes below 0 count as 0; a window of size
    // 0 stays off the screen, as X11 refuses empty windows.
    void SetBounds(int left, int top, int width, int height);
    void SetPosition(int left, int top);
    void SetSize(int width, int height);

    // Moves the top-level window with the pointer until the button is released: a form without
    // a frame dragged by its own picture. Call it from OnMouseDown.
    void BeginDrag(const MouseEvent& press);

    void Show();
    void Hide();
    bool Visible() const { return visible_; }
    // Mapped, and so are all its parents: false while the top-level window is minimised.
    bool OnScreen() const;
    // Only a window in sight paints: the server would throw away what a covered one draws, and
    // asks for it again (Expose) when the window comes back into view.
    Sight CurrentSight() const;
    void Raise();
    // UTF-8; top-level windows only.
    void SetTitle(const std::string& title);
    // Top-level windows only: with the window manager's frame and caption, or without (a
    // skinned form draws its own). May change while the window is shown.
    void SetFramed(bool framed);
    bool Framed() const { return framed_; }

    // Shapes the window to the region: only its pixels are drawn and only they take the pointer
    // (SetWindowRgn). Without XShape the window stays rectangular.
    void SetShape(const Region& region);
    void ClearShape();
    // The region last given to SetShape, or nullptr while the window is rectangular.
    const Region* WindowShape() const { return shape_.get(); }
    // Whether a point in window coordinates lies on the window (inside its shape, if any).
    bool Contains(int x, int y) const;

    // Paints at the next turn of the loop.
    void Invalidate();
    // Paints now if the window is in sight, else once it is.
    void Repaint();
    // The window's picture, as large as the window. Drawing on it outside Paint shows at the
    // next paint.
    Canvas& GetCanvas();

    // A short text shown in a tooltip when the pointer rests on the window, while ShowHint is set.
    void SetHint(const std::string& hint) { hint_ = hint; }
    const std::string& Hint() const { return hint_; }
    void SetShowHint(bool show) { showHint_ = show; }
    bool ShowHint() const { return showHint_; }

protected:
    virtual void Paint() {}
    // CurrentSight changed: the window or a parent was mapped or unmapped (minimised or brought
    // back, shown or hidden), or the server found it newly covered or uncovered.
    virtual void OnSightChange(Sight /*sight*/) {}
    // The size changed (WM_SIZE).
    virtual void OnResize(int /*width*/, int /*height*/) {}
    // Key events reach the top-level window, wherever the pointer is.
    virtual void OnKeyDown(int /*code*/, ShiftState /*shift*/) {}
    // A typed character as one Latin-1 byte (8, 13 and 27 included).
    virtual void OnKeyPress(char /*key*/) {}
    virtual void OnMouseDown(const MouseEvent& /*event*/) {}
    // While a button is down, the window that took the press keeps the pointer: it gets the moves
    // and the release wherever they happen, and the pointer leaving it is reported only after the
    // release.
    virtual void OnMouseUp(const MouseEvent& /*event*/) {}
    // The default handling times the hint.
    virtual void OnMouseMove(const MouseEvent& event);
    virtual void OnMouseEnter() {}
    // The default handling hides the hint.
    virtual void OnMouseLeave();
    // The system's close (WM_DELETE_WINDOW): by default the main window ends the loop and any
    // other window hides.
    virtual void OnCloseRequest();

private:
    friend struct WindowEvents;
    struct Native;

    void CreateNative(VisualChoice visual, const std::string& title);
    void ApplyBounds();
    void PaintNow();
    void Present();
    void EnsureBacking();
    void Detach();

    Application& app_;
    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    WindowKind kind_ = WindowKind::Child;
    WindowBounds bounds_;
    bool visible_ = false;
    bool framed_ = false;
    bool mapRequested_ = false;
    bool mapped_ = false;   // as the server last reported
    bool obscured_ = false; // wholly covered, as the server last reported while it was mapped
    Sight reportedSight_ = Sight::Off; // as last given to OnSightChange
    // The request serial of the last own move or resize of a top-level window: the window
    // manager's notices older than it describe a geometry the program has since replaced.
    unsigned long configureSerial_ = 0;
    bool reparented_ = false; // framed by a window manager
    bool needsPaint_ = false;
    bool painting_ = false;
    bool canvasUsed_ = false;
    bool hovered_ = false; // as last reported to OnMouseEnter and OnMouseLeave
    int buttonsDown_ = 0;  // buttons pressed on this window and not yet released
    std::string hint_;
    bool showHint_ = false;
    std::unique_ptr<Region> shape_;
    std::unique_ptr<Bitmap> backing_;
    std::unique_ptr<Canvas> canvas_;
    std::unique_ptr<Native> native_;
};

} // namespace scrivel::platform
