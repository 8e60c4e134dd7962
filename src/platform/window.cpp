#include "platform/window.h"

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/hint_window.h"
#include "platform/key_map.h"
#include "platform/region.h"
#include "platform/utf8.h"
#include "platform/x11_internal.h"
#include "platform/x_error_trap.h"

#include <X11/Xatom.h>
#include <X11/extensions/shape.h>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace scrivel::platform {

namespace {

// X11 sizes and positions are 16-bit.
constexpr int kMaxSide = 32767;

constexpr long kCommonEvents = ExposureMask | StructureNotifyMask | VisibilityChangeMask |
                               ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                               EnterWindowMask | LeaveWindowMask;
constexpr long kKeyEvents = KeyPressMask | KeyReleaseMask | FocusChangeMask;
constexpr unsigned kButtonMasks = Button1Mask | Button2Mask | Button3Mask;

bool IsTopLevel(WindowKind kind) {
    return kind != WindowKind::Child;
}

// Top-level windows that people type into.
bool TakesKeys(WindowKind kind) {
    return kind == WindowKind::Form || kind == WindowKind::Plain || kind == WindowKind::Dialog;
}

ShiftState ShiftFromState(unsigned state) {
    ShiftState shift = ShiftState::Empty;
    if ((state & ShiftMask) != 0) {
        shift = shift | ShiftState::Shift;
    }
    if ((state & ControlMask) != 0) {
        shift = shift | ShiftState::Ctrl;
    }
    if ((state & Mod1Mask) != 0) {
        shift = shift | ShiftState::Alt;
    }
    if ((state & Button1Mask) != 0) {
        shift = shift | ShiftState::Left;
    }
    if ((state & Button3Mask) != 0) {
        shift = shift | ShiftState::Right;
    }
    if ((state & Button2Mask) != 0) {
        shift = shift | ShiftState::Middle;
    }
    return shift;
}

unsigned MaskOfButton(unsigned button) {
    switch (button) {
    case Button1:
        return Button1Mask;
    case Button2:
        return Button2Mask;
    case Button3:
        return Button3Mask;
    default:
        return 0;
    }
}

// Buttons 4 to 7 are the wheel, which the game does not use.
bool ToMouseButton(unsigned button, MouseButton& out) {
    switch (button) {
    case Button1:
        out = MouseButton::Left;
        return true;
    case Button2:
        out = MouseButton::Middle;
        return true;
    case Button3:
        out = MouseButton::Right;
        return true;
    default:
        return false;
    }
}

bool IsInputEvent(int type) {
    switch (type) {
    case KeyPress:
    case KeyRelease:
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
    case EnterNotify:
    case LeaveNotify:
        return true;
    default:
        return false;
    }
}

int ChannelShift(unsigned long mask) {
    return mask == 0 ? 0 : std::countr_zero(mask);
}

// Scales an 8-bit channel into a visual's colour mask.
unsigned long IntoMask(unsigned value, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = ChannelShift(mask);
    const unsigned long maximum = mask >> shift;
    return ((value * maximum + 127) / 255) << shift;
}

} // namespace

bool FitsBitmapLayout(int depth, int bitsPerPixel, unsigned long redMask, unsigned long greenMask,
                      unsigned long blueMask, int byteOrder) {
    return (depth == 24 || depth == 32) && bitsPerPixel == 32 && redMask == 0xFF0000 &&
           greenMask == 0xFF00 && blueMask == 0xFF &&
           byteOrder == (std::endian::native == std::endian::little ? LSBFirst : MSBFirst);
}

Window::Window(Application& app, WindowKind kind, const WindowBounds& bounds,
               const std::string& title)
    : app_(app), kind_(kind) {
    if (kind == WindowKind::Child) {
        throw std::invalid_argument("Window: a child window needs its parent");
    }
    bounds_ = bounds;
    bounds_.width = std::clamp(bounds.width, 0, kMaxSide);
    bounds_.height = std::clamp(bounds.height, 0, kMaxSide);
    CreateNative({}, title);
}

Window::Window(Window& parent, const WindowBounds& bounds, VisualChoice visual)
    : app_(parent.app_), parent_(&parent), kind_(WindowKind::Child) {
    if (parent.Handle() == 0) {
        throw std::logic_error("Window: the parent window is gone");
    }
    bounds_ = bounds;
    bounds_.width = std::clamp(bounds.width, 0, kMaxSide);
    bounds_.height = std::clamp(bounds.height, 0, kMaxSide);
    CreateNative(visual, "");
    parent.children_.push_back(this);
    visible_ = true;
    ApplyBounds();
}

void Window::CreateNative(VisualChoice choice, const std::string& title) {
    Application::Impl& a = app_.Internals();
    native_ = std::make_unique<Native>();
    const ::Window parentId = parent_ != nullptr ? parent_->Handle() : a.root;

    XSetWindowAttributes attributes{};
    unsigned long mask = CWBackPixmap | CWBorderPixel | CWBitGravity | CWEventMask;
    attributes.background_pixmap = None; // nothing is erased before Paint
    attributes.border_pixel = 0;
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kCommonEvents;
    if (TakesKeys(kind_)) {
        attributes.event_mask |= kKeyEvents;
    }
    if (kind_ == WindowKind::Tooltip) {
        attributes.event_mask = ExposureMask | StructureNotifyMask;
        attributes.override_redirect = True;
        attributes.save_under = True;
        mask |= CWOverrideRedirect | CWSaveUnder;
    }

    Visual* visual = nullptr;
    int depth = 0;
    if (choice.id != 0) {
        XVisualInfo wanted{};
        wanted.visualid = choice.id;
        int count = 0;
        XVisualInfo* found = XGetVisualInfo(a.display, VisualIDMask, &wanted, &count);
        if (found == nullptr || count == 0) {
            throw std::runtime_error("X11: no visual with id " + std::to_string(choice.id));
        }
        visual = found->visual;
        depth = found->depth;
        XFree(found);
        native_->colormap = XCreateColormap(a.display, a.root, visual, AllocNone);
        attributes.colormap = native_->colormap;
        mask |= CWColormap;
    } else if (parent_ != nullptr) {
        visual = parent_->native_->visual;
        depth = parent_->native_->depth;
    } else {
        visual = DefaultVisual(a.display, a.screen);
        depth = DefaultDepth(a.display, a.screen);
    }
    native_->visual = visual;
    native_->depth = depth;

    native_->id = XCreateWindow(a.display, parentId, bounds_.left, bounds_.top,
                                static_cast<unsigned>(std::max(bounds_.width, 1)),
                                static_cast<unsigned>(std::max(bounds_.height, 1)), 0, depth,
                                InputOutput, visual, mask, &attributes);
    a.windows[native_->id] = this;

    XGCValues values{};
    values.graphics_exposures = False;
    native_->gc = XCreateGC(a.display, native_->id, GCGraphicsExposures, &values);

    if (!IsTopLevel(kind_)) {
        return;
    }
    framed_ = kind_ == WindowKind::Plain || kind_ == WindowKind::Dialog;
    char name[] = "scrivel";
    XClassHint classHint{name, name};
    XSetClassHint(a.display, native_->id, &classHint);

    const long pid = getpid();
    XChangeProperty(a.display, native_->id, a.atoms.netWmPid, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        XChangeProperty(a.display, native_->id, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(host),
                        static_cast<int>(std::string(host).size()));
    }
    Atom protocols[] = {a.atoms.wmDeleteWindow};
    XSetWMProtocols(a.display, native_->id, protocols, 1);

    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(a.display, native_->id, &hints);

    XSizeHints sizeHints{};
    // Static gravity: positions are those of the window itself, not of the manager's frame, so a
    // framed window lands where it is put and reports the position it was given.
    sizeHints.flags = PPosition | USPosition | PSize | PWinGravity;
    sizeHints.win_gravity = StaticGravity;
    sizeHints.x = bounds_.left;
    sizeHints.y = bounds_.top;
    sizeHints.width = std::max(bounds_.width, 1);
    sizeHints.height = std::max(bounds_.height, 1);
    XSetWMNormalHints(a.display, native_->id, &sizeHints);

    Atom type = a.atoms.netWmWindowTypeNormal;
    if (kind_ == WindowKind::Form) {
        SetFramed(false);
    } else if (kind_ == WindowKind::Dialog) {
        type = a.atoms.netWmWindowTypeDialog;
        if (a.mainWindow != nullptr && a.mainWindow->Handle() != 0) {
            XSetTransientForHint(a.display, native_->id, a.mainWindow->Handle());
        }
    } else if (kind_ == WindowKind::Tooltip) {
        type = a.atoms.netWmWindowTypeTooltip;
    }
    XChangeProperty(a.display, native_->id, a.atoms.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
    SetTitle(title);
}

Window::~Window() {
    for (Window* child : children_) {
        child->Detach();
        child->parent_ = nullptr;
    }
    if (parent_ != nullptr) {
        std::erase(parent_->children_, this);
    }
    Application::Impl& a = app_.Internals();
    a.HintCancel(this);
    if (a.mainWindow == this) {
        a.mainWindow = nullptr;
    }
    if (a.modal == this) {
        a.modal = nullptr;
    }
    if (a.dragged == this) {
        a.dragged = nullptr;
    }
    if (native_->id != 0) {
        a.windows.erase(native_->id);
        XFreeGC(a.display, native_->gc);
        XDestroyWindow(a.display, native_->id);
        if (native_->colormap != 0) {
            XFreeColormap(a.display, native_->colormap);
        }
    }
}

// The parent's X window is being destroyed, and this one with it.
void Window::Detach() {
    for (Window* child : children_) {
        child->Detach();
    }
    if (native_->id == 0) {
        return;
    }
    Application::Impl& a = app_.Internals();
    a.windows.erase(native_->id);
    a.HintCancel(this);
    XFreeGC(a.display, native_->gc);
    if (native_->colormap != 0) {
        XFreeColormap(a.display, native_->colormap);
    }
    native_->id = 0;
    native_->gc = nullptr;
    native_->colormap = 0;
    mapped_ = false;
}

unsigned long Window::Handle() const {
    return native_->id;
}

Window& Window::TopLevel() {
    Window* window = this;
    while (window->parent_ != nullptr) {
        window = window->parent_;
    }
    return *window;
}

void Window::SetBounds(int left, int top, int width, int height) {
    width = std::clamp(width, 0, kMaxSide);
    height = std::clamp(height, 0, kMaxSide);
    const bool resized = width != bounds_.width || height != bounds_.height;
    if (!resized && left == bounds_.left && top == bounds_.top) {
        return;
    }
    bounds_ = {left, top, width, height};
    if (native_->id != 0) {
        Application::Impl& a = app_.Internals();
        if (IsTopLevel(kind_)) {
            configureSerial_ = NextRequest(a.display);
        }
        XMoveResizeWindow(a.display, native_->id, left, top,
                          static_cast<unsigned>(std::max(width, 1)),
                          static_cast<unsigned>(std::max(height, 1)));
        ApplyBounds();
    }
    if (resized) {
        Invalidate();
        OnResize(width, height);
    }
}

void Window::SetPosition(int left, int top) {
    SetBounds(left, top, bounds_.width, bounds_.height);
}

void Window::SetSize(int width, int height) {
    SetBounds(bounds_.left, bounds_.top, width, height);
}

// Maps or unmaps the X window as visibility and size require.
void Window::ApplyBounds() {
    if (native_->id == 0) {
        return;
    }
    Application::Impl& a = app_.Internals();
    const bool wanted = visible_ && bounds_.width > 0 && bounds_.height > 0;
    if (wanted == mapRequested_) {
        return;
    }
    mapRequested_ = wanted;
    if (wanted) {
        XMapWindow(a.display, native_->id);
    } else if (IsTopLevel(kind_) && kind_ != WindowKind::Tooltip) {
        XWithdrawWindow(a.display, native_->id, a.screen);
    } else {
        XUnmapWindow(a.display, native_->id);
    }
}

void Window::BeginDrag(const MouseEvent& press) {
    Application::Impl& a = app_.Internals();
    Window& top = TopLevel();
    a.dragged = &top;
    a.dragLeft = top.Left();
    a.dragTop = top.Top();
    a.dragX = press.screenX;
    a.dragY = press.screenY;
}

bool Window::OnScreen() const {
    for (const Window* window = this; window != nullptr; window = window->parent_) {
        if (!window->mapped_) {
            return false;
        }
    }
    return true;
}

Sight Window::CurrentSight() const {
    if (!OnScreen()) {
        return Sight::Off;
    }
    return obscured_ ? Sight::Covered : Sight::Shown;
}

void Window::Show() {
    visible_ = true;
    ApplyBounds();
}

void Window::Hide() {
    visible_ = false;
    ApplyBounds();
}

void Window::Raise() {
    if (native_->id != 0) {
        XRaiseWindow(app_.Internals().display, native_->id);
    }
}

void Window::SetTitle(const std::string& title) {
    if (!IsTopLevel(kind_) || native_->id == 0) {
        return;
    }
    Application::Impl& a = app_.Internals();
    XChangeProperty(a.display, native_->id, a.atoms.netWmName, a.atoms.utf8String, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    const std::string latin1 = Utf8ToLatin1(title);
    XChangeProperty(a.display, native_->id, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()),
                    static_cast<int>(latin1.size()));
}

void Window::SetFramed(bool framed) {
    if (!IsTopLevel(kind_) || kind_ == WindowKind::Tooltip || native_->id == 0) {
        return;
    }
    framed_ = framed;
    // _MOTIF_WM_HINTS: flags = decorations given; decorations = all or none. Window managers
    // watch the property, so the frame comes and goes on a shown window too.
    const long motif[5] = {2, 0, framed ? 1 : 0, 0, 0};
    Application::Impl& a = app_.Internals();
    XChangeProperty(a.display, native_->id, a.atoms.motifWmHints, a.atoms.motifWmHints, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(motif), 5);
}

void Window::SetShape(const Region& region) {
    shape_ = std::make_unique<Region>(region);
    Application::Impl& a = app_.Internals();
    if (!a.shape || native_->id == 0) {
        return;
    }
    int bytesPerRow = 0;
    std::vector<unsigned char> rows = region.PackedRows(bytesPerRow);
    unsigned width = static_cast<unsigned>(region.Width());
    unsigned height = static_cast<unsigned>(region.Height());
    if (width == 0 || height == 0) {
        // An empty region: a one-pixel mask with nothing set hides the whole window.
        rows.assign(1, 0);
        width = height = 1;
    }
    XErrorTrap trap(app_, "XShape");
    Pixmap mask = XCreateBitmapFromData(a.display, native_->id,
                                        reinterpret_cast<const char*>(rows.data()), width, height);
    XShapeCombineMask(a.display, native_->id, ShapeBounding, 0, 0, mask, ShapeSet);
    if (a.inputShape) {
        XShapeCombineMask(a.display, native_->id, ShapeInput, 0, 0, mask, ShapeSet);
    }
    XFreePixmap(a.display, mask);
    trap.Check("cannot shape the window");
}

void Window::ClearShape() {
    shape_.reset();
    Application::Impl& a = app_.Internals();
    if (!a.shape || native_->id == 0) {
        return;
    }
    XErrorTrap trap(app_, "XShape");
    XShapeCombineMask(a.display, native_->id, ShapeBounding, 0, 0, None, ShapeSet);
    if (a.inputShape) {
        XShapeCombineMask(a.display, native_->id, ShapeInput, 0, 0, None, ShapeSet);
    }
    trap.Check("cannot make the window rectangular");
}

bool Window::Contains(int x, int y) const {
    if (x < 0 || y < 0 || x >= bounds_.width || y >= bounds_.height) {
        return false;
    }
    return !shape_ || !app_.Internals().shape || shape_->Contains(x, y);
}

void Window::Invalidate() {
    needsPaint_ = true;
}

void Window::Repaint() {
    if (CurrentSight() == Sight::Shown && !painting_) {
        PaintNow();
    } else {
        Invalidate();
    }
}

void Window::EnsureBacking() {
    const int width = std::max(bounds_.width, 1);
    const int height = std::max(bounds_.height, 1);
    if (backing_ && backing_->Width() == width && backing_->Height() == height) {
        return;
    }
    auto bitmap = std::make_unique<Bitmap>(width, height);
    auto canvas = std::make_unique<Canvas>(*bitmap);
    if (backing_) {
        // What was drawn stays where it was, as on a window that is not erased.
        canvas->Draw(0, 0, *backing_);
    }
    if (canvas_) {
        canvas->SetFont(canvas_->GetFont());
    }
    canvas_ = std::move(canvas);
    backing_ = std::move(bitmap);
}

Canvas& Window::GetCanvas() {
    // Inside a paint the canvas stays the one Paint started with, even if Paint resizes the
    // window; the new size is drawn by the paint that follows.
    if (!painting_ || !backing_) {
        EnsureBacking();
    }
    canvasUsed_ = true;
    return *canvas_;
}

void Window::PaintNow() {
    if (native_->id == 0) {
        return;
    }
    needsPaint_ = false;
    if (backing_) {
        EnsureBacking();
    }
    const int width = bounds_.width;
    const int height = bounds_.height;
    canvasUsed_ = false;
    painting_ = true;
    struct PaintingScope {
        bool& flag;
        ~PaintingScope() { flag = false; }
    } scope{painting_};
    Paint();
    painting_ = false;
    if (canvasUsed_) {
        Present();
    }
    if (width != bounds_.width || height != bounds_.height) {
        Invalidate();
    }
}

// Copies the canvas to the X window.
void Window::Present() {
    if (native_->id == 0 || !backing_) {
        return;
    }
    Application::Impl& a = app_.Internals();
    const int width = std::min(backing_->Width(), std::max(bounds_.width, 1));
    const int height = std::min(backing_->Height(), std::max(bounds_.height, 1));
    Visual* visual = native_->visual;
    // The bitmap's rows already hold 0x00RRGGBB words: when the server's layout is the same
    // (32 bits a pixel, not packed 24), hand them over as they are.
    const int stride = backing_->Height() > 1
                           ? static_cast<int>(reinterpret_cast<char*>(backing_->Row(1)) -
                                              reinterpret_cast<char*>(backing_->Row(0)))
                           : backing_->Width() * 4;
    XImage* image = XCreateImage(a.display, visual, static_cast<unsigned>(native_->depth), ZPixmap,
                                 0, reinterpret_cast<char*>(backing_->Row(0)),
                                 static_cast<unsigned>(backing_->Width()),
                                 static_cast<unsigned>(backing_->Height()), 32, stride);
    if (image != nullptr &&
        !FitsBitmapLayout(native_->depth, image->bits_per_pixel, visual->red_mask,
                          visual->green_mask, visual->blue_mask, image->byte_order)) {
        image->data = nullptr; // the bitmap's
        XDestroyImage(image);
        image = nullptr;
    }
    if (image != nullptr) {
        XPutImage(a.display, native_->id, native_->gc, image, 0, 0, 0, 0,
                  static_cast<unsigned>(width), static_cast<unsigned>(height));
        image->data = nullptr; // the bitmap's
        XDestroyImage(image);
        return;
    }
    // Any other true-colour layout: convert pixel by pixel.
    image =
        XCreateImage(a.display, visual, static_cast<unsigned>(native_->depth), ZPixmap, 0, nullptr,
                     static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (image == nullptr) {
        return;
    }
    image->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(image->bytes_per_line) *
                                                 static_cast<std::size_t>(height)));
    if (image->data == nullptr) {
        XDestroyImage(image);
        return;
    }
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = backing_->Row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];
            XPutPixel(image, x, y,
                      IntoMask((p >> 16) & 0xFF, visual->red_mask) |
                          IntoMask((p >> 8) & 0xFF, visual->green_mask) |
                          IntoMask(p & 0xFF, visual->blue_mask));
        }
    }
    XPutImage(a.display, native_->id, native_->gc, image, 0, 0, 0, 0, static_cast<unsigned>(width),
              static_cast<unsigned>(height));
    XDestroyImage(image); // frees the data too
}

void Window::OnMouseMove(const MouseEvent& event) {
    app_.Internals().HintMove(*this, event.screenX, event.screenY);
}

void Window::OnMouseLeave() {
    app_.Internals().HintCancel(this);
}

void Window::OnCloseRequest() {
    if (app_.MainWindow() == this) {
        app_.Quit();
    } else {
        Hide();
    }
}

void WindowEvents::Dispatch(Application::Impl& a, XEvent& event) {
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        return;
    }
    platform::Window* window = a.Find(event.xany.window);
    if (window == nullptr) {
        return; // unknown or destroyed
    }
    if (a.modal != nullptr && (IsInputEvent(event.type) || event.type == ClientMessage) &&
        &window->TopLevel() != a.modal) {
        return;
    }
    const ::Window id = event.xany.window;
    // Handlers may destroy the window: look it up again before touching it after one.
    auto alive = [&a, id, window] { return a.Find(id) == window; };

    switch (event.type) {
    case Expose:
        window->needsPaint_ = true;
        // Only a part in view is exposed: a covering notice lost or outrun must not leave the
        // window unpainted for good.
        if (window->obscured_) {
            window->obscured_ = false;
            ReportSight(a, *window, SightScope::Alone);
        }
        break;
    case MapNotify:
        window->mapped_ = true;
        if (TakesKeys(window->kind_)) {
            // Keys go to the focus window; without a window manager nobody else gives it.
            XErrorTrap trap(*Application::Current(), "X11 focus");
            XSetInputFocus(a.display, id, RevertToParent, CurrentTime);
            trap.Succeeded();
        }
        ReportSight(a, *window, SightScope::WithChildren);
        return;
    case UnmapNotify:
        window->mapped_ = false;
        // The server reports the covering afresh when the window is mapped again.
        window->obscured_ = false;
        ReportSight(a, *window, SightScope::WithChildren);
        return;
    case VisibilityNotify:
        // The server leaves a window's children out of its own covering, so a form under its
        // panel and buttons still counts as in view.
        window->obscured_ = event.xvisibility.state == VisibilityFullyObscured;
        ReportSight(a, *window, SightScope::Alone);
        return;
    case ReparentNotify:
        if (event.xreparent.window == id) {
            window->reparented_ = event.xreparent.parent != a.root;
        }
        break;
    case ConfigureNotify: {
        if (!IsTopLevel(window->kind_) || event.xconfigure.window != id) {
            break; // children are placed by the program alone
        }
        // Own requests were applied to the bounds when made. A notice the server sent before it
        // handled the last of them describes a geometry since replaced: taking it would make a
        // dragged window jump back. (Serials grow without wrapping on 64-bit Xlib; the signed
        // difference copes with 32-bit wrap-around too.)
        if (static_cast<long>(event.xconfigure.serial - window->configureSerial_) < 0) {
            break;
        }
        // Under a window manager's frame, real notices give the position within the frame; the
        // manager's own (synthetic) notices give it on the screen.
        if (event.xconfigure.send_event || !window->reparented_) {
            window->bounds_.left = event.xconfigure.x;
            window->bounds_.top = event.xconfigure.y;
        }
        const int width = event.xconfigure.width;
        const int height = event.xconfigure.height;
        if (width != std::max(window->bounds_.width, 1) ||
            height != std::max(window->bounds_.height, 1)) {
            window->bounds_.width = width;
            window->bounds_.height = height;
            window->Invalidate();
            window->OnResize(width, height);
        }
        break;
    }
    case KeyPress: {
        platform::Window& target = window->TopLevel();
        const ::Window targetId = target.Handle();
        char text[16] = {};
        KeySym keysym = NoSymbol;
        const int count = XLookupString(&event.xkey, text, sizeof text, &keysym, nullptr);
        const int code = VirtualKeyFromKeysym(keysym);
        ShiftState shift = ShiftFromState(event.xkey.state);
        if (code == key::kShift) {
            shift = shift | ShiftState::Shift;
        } else if (code == key::kControl) {
            shift = shift | ShiftState::Ctrl;
        } else if (code == key::kAlt) {
            shift = shift | ShiftState::Alt;
        }
        a.HintCancel(nullptr);
        if (code != 0) {
            target.OnKeyDown(code, shift);
        }
        if (count == 1 && text[0] != 0 && a.Find(targetId) == &target) {
            target.OnKeyPress(text[0]);
        }
        break;
    }
    case ButtonPress: {
        MouseButton button{};
        if (!ToMouseButton(event.xbutton.button, button)) {
            break;
        }
        a.HintCancel(nullptr);
        window->OnMouseDown({button, ShiftFromState(event.xbutton.state), event.xbutton.x,
                             event.xbutton.y, event.xbutton.x_root, event.xbutton.y_root});
        break;
    }
    case ButtonRelease: {
        MouseButton button{};
        if (!ToMouseButton(event.xbutton.button, button)) {
            break;
        }
        a.dragged = nullptr;
        const int x = event.xbutton.x;
        const int y = event.xbutton.y;
        window->OnMouseUp({button, ShiftFromState(event.xbutton.state), x, y, event.xbutton.x_root,
                           event.xbutton.y_root});
        const unsigned stillDown =
            event.xbutton.state & kButtonMasks & ~MaskOfButton(event.xbutton.button);
        // The leave held back while the button kept the pointer.
        if (alive() && stillDown == 0 && window->hovered_ && !window->Contains(x, y)) {
            window->hovered_ = false;
            window->OnMouseLeave();
        }
        break;
    }
    case MotionNotify: {
        const int x = event.xmotion.x;
        const int y = event.xmotion.y;
        if (a.dragged != nullptr && (event.xmotion.state & kButtonMasks) != 0) {
            // From the press, in screen coordinates: where the window stands meanwhile does not
            // matter, so a window manager slow to follow cannot make it drift.
            a.dragged->SetPosition(a.dragLeft + event.xmotion.x_root - a.dragX,
                                   a.dragTop + event.xmotion.y_root - a.dragY);
            if (!alive()) {
                break;
            }
        }
        if (!window->hovered_ && (event.xmotion.state & kButtonMasks) == 0 &&
            window->Contains(x, y)) {
            window->hovered_ = true;
            window->OnMouseEnter();
            if (!alive()) {
                break;
            }
        }
        window->OnMouseMove({MouseButton::Left, ShiftFromState(event.xmotion.state), x, y,
                             event.xmotion.x_root, event.xmotion.y_root});
        break;
    }
    case EnterNotify:
    case LeaveNotify: {
        const XCrossingEvent& crossing = event.xcrossing;
        // Crossings while a button holds the pointer, and those of other clients' grabs, are
        // not the pointer coming or going.
        if (crossing.mode == NotifyGrab || (crossing.state & kButtonMasks) != 0) {
            break;
        }
        const bool entering = event.type == EnterNotify;
        if (entering == window->hovered_) {
            break;
        }
        window->hovered_ = entering;
        if (entering) {
            window->OnMouseEnter();
        } else {
            window->OnMouseLeave();
        }
        break;
    }
    case ClientMessage:
        if (event.xclient.message_type == a.atoms.wmProtocols && event.xclient.format == 32 &&
            static_cast<Atom>(event.xclient.data.l[0]) == a.atoms.wmDeleteWindow) {
            window->OnCloseRequest();
        }
        break;
    default:
        break;
    }
}

void WindowEvents::ReportSight(Application::Impl& a, platform::Window& from, SightScope scope) {
    // A parent's mapping changes what its children show too. Handlers may destroy windows: take
    // the ids first and look each up again.
    std::vector<::Window> ids;
    std::vector<platform::Window*> pending{&from};
    while (!pending.empty()) {
        platform::Window* window = pending.back();
        pending.pop_back();
        ids.push_back(window->Handle());
        if (scope == SightScope::WithChildren) {
            pending.insert(pending.end(), window->children_.begin(), window->children_.end());
        }
    }
    for (::Window id : ids) {
        platform::Window* window = a.Find(id);
        if (window == nullptr) {
            continue;
        }
        const Sight sight = window->CurrentSight();
        if (sight != window->reportedSight_) {
            window->reportedSight_ = sight;
            window->OnSightChange(sight);
        }
    }
}

bool WindowEvents::PaintInvalid(Application::Impl& a) {
    std::vector<::Window> ids;
    for (const auto& [id, window] : a.windows) {
        if (window->needsPaint_ && window->CurrentSight() == Sight::Shown) {
            ids.push_back(id);
        }
    }
    for (::Window id : ids) {
        platform::Window* window = a.Find(id);
        if (window != nullptr && window->needsPaint_ && window->CurrentSight() == Sight::Shown) {
            window->PaintNow();
        }
    }
    return !ids.empty();
}

} // namespace scrivel::platform
