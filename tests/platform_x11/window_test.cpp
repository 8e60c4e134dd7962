#include "platform/canvas.h"
#include "platform/path.h"
#include "platform/region.h"
#include "platform/window.h"
#include "platform_x11/x11_fixture.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace scrivel::platform {
namespace {

using test::X11Test;
using WindowTest = X11Test;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;

// Records what the platform tells it.
class Recorder : public Window {
public:
    using Window::Window;

    std::function<void(Canvas&)> painter;
    int paints = 0;
    std::vector<std::string> mouse; // "down 3,4", "move 5,6", "up 7,8", "enter", "leave"
    std::vector<std::pair<int, ShiftState>> keys;
    std::string typed;
    std::vector<std::pair<int, int>> resizes;

protected:
    void Paint() override {
        ++paints;
        if (painter) {
            painter(GetCanvas());
        }
    }
    void OnResize(int width, int height) override { resizes.push_back({width, height}); }
    void OnKeyDown(int code, ShiftState shift) override { keys.push_back({code, shift}); }
    void OnKeyPress(char key) override { typed += key; }
    void OnMouseDown(const MouseEvent& e) override { Log("down", e); }
    void OnMouseUp(const MouseEvent& e) override { Log("up", e); }
    void OnMouseMove(const MouseEvent& e) override {
        Log("move", e);
        Window::OnMouseMove(e);
    }
    void OnMouseEnter() override { mouse.push_back("enter"); }
    void OnMouseLeave() override {
        mouse.push_back("leave");
        Window::OnMouseLeave();
    }

private:
    void Log(const char* what, const MouseEvent& e) {
        mouse.push_back(std::string(what) + " " + std::to_string(e.x) + "," + std::to_string(e.y));
    }
};

std::vector<unsigned char> Property(Display* display, ::Window window, const char* name, Atom& type,
                                    int& format) {
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                       AnyPropertyType, &type, &format, &count, &remaining, &data);
    const std::size_t bytes = format == 32 ? count * sizeof(long) : count * (format / 8);
    std::vector<unsigned char> value(data, data + (data != nullptr ? bytes : 0));
    XFree(data);
    return value;
}

TEST_F(WindowTest, AFormCarriesItsWindowManagerProperties) {
    Window form(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 80, 60},
                "Scrivel \xC3\xA9t\xC3\xA9");
    Atom type = 0;
    int format = 0;

    const auto motif = Property(XDisplay(), form.Handle(), "_MOTIF_WM_HINTS", type, format);
    ASSERT_EQ(motif.size(), 5 * sizeof(long));
    const auto* hints = reinterpret_cast<const long*>(motif.data());
    EXPECT_EQ(hints[0], 2); // decorations given
    EXPECT_EQ(hints[2], 0); // none

    const auto name = Property(XDisplay(), form.Handle(), "_NET_WM_NAME", type, format);
    EXPECT_EQ(type, XInternAtom(XDisplay(), "UTF8_STRING", False));
    EXPECT_EQ(std::string(name.begin(), name.end()), "Scrivel \xC3\xA9t\xC3\xA9");
    const auto legacy = Property(XDisplay(), form.Handle(), "WM_NAME", type, format);
    EXPECT_EQ(std::string(legacy.begin(), legacy.end()), "Scrivel \xE9t\xE9");

    XClassHint classHint{};
    ASSERT_TRUE(XGetClassHint(XDisplay(), form.Handle(), &classHint));
    EXPECT_STREQ(classHint.res_name, "scrivel");
    EXPECT_STREQ(classHint.res_class, "scrivel");
    XFree(classHint.res_name);
    XFree(classHint.res_class);

    const auto pid = Property(XDisplay(), form.Handle(), "_NET_WM_PID", type, format);
    ASSERT_EQ(pid.size(), sizeof(long));
    EXPECT_EQ(*reinterpret_cast<const long*>(pid.data()), getpid());

    Atom* protocols = nullptr;
    int count = 0;
    ASSERT_TRUE(XGetWMProtocols(XDisplay(), form.Handle(), &protocols, &count));
    const Atom deleteWindow = XInternAtom(XDisplay(), "WM_DELETE_WINDOW", False);
    EXPECT_TRUE(std::find(protocols, protocols + count, deleteWindow) != protocols + count);
    XFree(protocols);
}

TEST_F(WindowTest, PaintRunsOnExposeAndNothingIsErasedBeforeIt) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 20, test::kTop + 20, 40, 30});
    form.painter = [&form](Canvas& canvas) {
        if (form.paints == 1) {
            canvas.FillRect(0, 0, 40, 30, kRed);
        } else {
            canvas.FillRect(0, 0, 5, 5, kBlue);
        }
    };
    ShowAndSettle(form);
    ASSERT_EQ(form.paints, 1);
    EXPECT_EQ(WindowPixel(form, 20, 15), kRed);

    // An expose of the whole window: the second paint only draws a corner, the rest must still
    // show the first paint.
    XClearArea(XDisplay(), form.Handle(), 0, 0, 0, 0, True);
    ASSERT_TRUE(PumpUntil([&] { return form.paints == 2; }));
    Settle();
    EXPECT_EQ(WindowPixel(form, 2, 2), kBlue);
    EXPECT_EQ(WindowPixel(form, 20, 15), kRed);

    // Repaint paints at once.
    form.Repaint();
    EXPECT_EQ(form.paints, 3);
}

TEST_F(WindowTest, SizeChangesAreReportedAndAnEmptyWindowStaysOffTheScreen) {
    Window form(App(), WindowKind::Form, {test::kLeft + 0, test::kTop + 0, 100, 100});
    Recorder child(form, {5, 6, 30, 20});
    ShowAndSettle(form);
    child.SetBounds(7, 8, 40, 25);
    EXPECT_EQ(child.resizes, (std::vector<std::pair<int, int>>{{40, 25}}));
    child.SetPosition(9, 9); // a move alone is no resize
    EXPECT_EQ(child.resizes.size(), 1u);
    Settle();
    XWindowAttributes attributes{};
    XGetWindowAttributes(XDisplay(), child.Handle(), &attributes);
    EXPECT_EQ(attributes.x, 9);
    EXPECT_EQ(attributes.width, 40);
    EXPECT_EQ(attributes.height, 25);
    EXPECT_EQ(attributes.map_state, IsViewable);

    // X11 refuses empty windows; one of size 0 is simply not shown.
    child.SetSize(0, 25);
    Settle();
    EXPECT_EQ(child.Width(), 0);
    XGetWindowAttributes(XDisplay(), child.Handle(), &attributes);
    EXPECT_EQ(attributes.map_state, IsUnmapped);
    child.SetSize(-5, 10);
    EXPECT_EQ(child.Width(), 0);
    child.SetSize(12, 10);
    Settle();
    XGetWindowAttributes(XDisplay(), child.Handle(), &attributes);
    EXPECT_EQ(attributes.map_state, IsViewable);
    EXPECT_EQ(child.resizes.back(), (std::pair<int, int>{12, 10}));
}

TEST_F(WindowTest, ShowHideAndRaise) {
    Window lower(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 50, 50});
    Window upper(App(), WindowKind::Form, {test::kLeft + 30, test::kTop + 30, 50, 50});
    ShowAndSettle(lower);
    ShowAndSettle(upper);
    auto topmost = [&] {
        ::Window root = 0;
        ::Window parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(XDisplay(), Root(), &root, &parent, &children, &count);
        ::Window last = 0;
        for (unsigned i = 0; i < count; ++i) {
            if (children[i] == lower.Handle() || children[i] == upper.Handle()) {
                last = children[i];
            }
        }
        XFree(children);
        return last;
    };
    EXPECT_EQ(topmost(), upper.Handle());
    lower.Raise();
    Settle();
    EXPECT_EQ(topmost(), lower.Handle());

    lower.Hide();
    Settle();
    EXPECT_FALSE(lower.Visible());
    XWindowAttributes attributes{};
    XGetWindowAttributes(XDisplay(), lower.Handle(), &attributes);
    EXPECT_EQ(attributes.map_state, IsUnmapped);
}

TEST_F(WindowTest, AChildMayBeMadeWithAVisualOfItsOwn) {
    // What a GL surface needs: a given visual, here a 24-bit true-colour one the server offers.
    XVisualInfo info{};
    ASSERT_TRUE(XMatchVisualInfo(XDisplay(), DefaultScreen(XDisplay()), 24, TrueColor, &info));
    Window form(App(), WindowKind::Form, {test::kLeft + 0, test::kTop + 0, 60, 60});
    Window surface(form, {5, 5, 30, 30}, {info.visualid, info.depth});
    ShowAndSettle(form);
    XWindowAttributes attributes{};
    XGetWindowAttributes(XDisplay(), surface.Handle(), &attributes);
    EXPECT_EQ(XVisualIDFromVisual(attributes.visual), info.visualid);
    EXPECT_EQ(attributes.depth, 24);
    EXPECT_NE(attributes.colormap, 0u);
    EXPECT_THROW(Window(form, {0, 0, 5, 5}, {0x7FFFFFFF, 24}), std::runtime_error);
}

TEST_F(WindowTest, KeysReachTheFormWhereverThePointerIs) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 120, 80});
    Recorder child(form, {10, 10, 50, 40});
    ShowAndSettle(form);
    MovePointerTo(child, 20, 20);

    PressKey(XK_a);
    PressKey(XK_Left);
    PressKey(XK_Escape);
    PressKey(XK_Return);
    PressKey(XK_BackSpace);
    PressKey(XK_F1);
    PressKey(XK_Shift_L);
    std::vector<int> codes;
    for (const auto& [code, shift] : form.keys) {
        codes.push_back(code);
    }
    EXPECT_EQ(codes, (std::vector<int>{65, 37, 27, 13, 8, 112, 16}));
    EXPECT_TRUE(Has(form.keys.back().second, ShiftState::Shift));
    EXPECT_EQ(form.typed, std::string("a\x1B\r\b"));
    EXPECT_TRUE(child.keys.empty());
    EXPECT_TRUE(child.typed.empty());
}

TEST_F(WindowTest, TheKeypadFollowsNumLock) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 80, 60});
    ShowAndSettle(form);
    const unsigned numLock = XkbKeysymToModifiers(XDisplay(), XK_Num_Lock);
    ASSERT_NE(numLock, 0u) << "NumLock is bound to no modifier";

    XkbLockModifiers(XDisplay(), XkbUseCoreKbd, numLock, numLock);
    Settle();
    PressKey(XK_KP_4);
    PressKey(XK_KP_6);
    PressKey(XK_KP_7);
    XkbLockModifiers(XDisplay(), XkbUseCoreKbd, numLock, 0);
    Settle();
    PressKey(XK_KP_4);
    PressKey(XK_KP_6);
    PressKey(XK_KP_7);

    std::vector<int> codes;
    for (const auto& [code, shift] : form.keys) {
        codes.push_back(code);
    }
    EXPECT_EQ(codes, (std::vector<int>{100, 102, 103, 37, 39, 36}));
    EXPECT_EQ(form.typed, "467");
}

TEST_F(WindowTest, TypedCharactersAreLatin1Bytes) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 80, 60});
    ShowAndSettle(form);
    // Give a spare key the é of a French keyboard.
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(XDisplay(), &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(XDisplay(), static_cast<KeyCode>(minCode),
                                      maxCode - minCode + 1, &perCode);
    int spare = 0;
    for (int code = maxCode; code >= minCode && spare == 0; --code) {
        bool empty = true;
        for (int i = 0; i < perCode; ++i) {
            empty = empty && map[(code - minCode) * perCode + i] == NoSymbol;
        }
        if (empty) {
            spare = code;
        }
    }
    XFree(map);
    ASSERT_NE(spare, 0);
    KeySym eacute = XK_eacute;
    XChangeKeyboardMapping(XDisplay(), spare, 1, &eacute, 1);
    Settle();

    XTestFakeKeyEvent(XDisplay(), static_cast<unsigned>(spare), True, CurrentTime);
    XTestFakeKeyEvent(XDisplay(), static_cast<unsigned>(spare), False, CurrentTime);
    Settle();
    KeySym nothing = NoSymbol;
    XChangeKeyboardMapping(XDisplay(), spare, 1, &nothing, 1);
    Settle();

    EXPECT_EQ(form.typed, "\xE9");
    EXPECT_TRUE(form.keys.empty()); // no virtual-key code for it
}

TEST_F(WindowTest, APressKeepsThePointerUntilTheRelease) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 160, 100});
    Recorder child(form, {10, 10, 40, 20});
    ShowAndSettle(form);

    MovePointerTo(child, 5, 5);
    EXPECT_EQ(child.mouse, (std::vector<std::string>{"enter", "move 5,5"}));
    child.mouse.clear();
    PressButton();
    MovePointerTo(form, 120, 80); // far outside the child
    ReleaseButton();
    // The child gets the move and the release in its own coordinates, and hears of leaving only
    // after the release.
    EXPECT_EQ(child.mouse,
              (std::vector<std::string>{"down 5,5", "move 110,70", "up 110,70", "leave"}));
    for (const std::string& event : form.mouse) {
        EXPECT_EQ(event.rfind("down", 0), std::string::npos) << event;
        EXPECT_EQ(event.rfind("up", 0), std::string::npos) << event;
    }

    // Press and release inside: no leave.
    child.mouse.clear();
    MovePointerTo(child, 8, 8);
    PressButton();
    MovePointerTo(child, 60, 8);
    MovePointerTo(child, 9, 9);
    ReleaseButton();
    EXPECT_EQ(child.mouse.back(), "up 9,9");
    EXPECT_EQ(std::count(child.mouse.begin(), child.mouse.end(), "leave"), 0);
    MovePointerTo(form, 120, 80);
    EXPECT_EQ(child.mouse.back(), "leave");
}

// The shape as the server holds it, pixel by pixel.
std::set<std::pair<int, int>> ServerShape(Display* display, ::Window window, int kind) {
    int count = 0;
    int ordering = 0;
    XRectangle* rectangles = XShapeGetRectangles(display, window, kind, &count, &ordering);
    std::set<std::pair<int, int>> pixels;
    for (int i = 0; i < count; ++i) {
        for (int y = rectangles[i].y; y < rectangles[i].y + rectangles[i].height; ++y) {
            for (int x = rectangles[i].x; x < rectangles[i].x + rectangles[i].width; ++x) {
                pixels.insert({x, y});
            }
        }
    }
    XFree(rectangles);
    return pixels;
}

std::set<std::pair<int, int>> PixelsOf(const Region& region) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < region.Height(); ++y) {
        for (int x = 0; x < region.Width(); ++x) {
            if (region.Contains(x, y)) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

TEST_F(WindowTest, AShapeCoversExactlyTheRegionForDrawingAndInput) {
    Window form(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 80, 60});
    Path path;
    path.RoundRect(2, 3, 70, 50, 30, 20);
    const Region region = *Region::FromPath(path);
    form.SetShape(region);
    ShowAndSettle(form);
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle(), ShapeBounding), PixelsOf(region));
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle(), ShapeInput), PixelsOf(region));
    EXPECT_TRUE(form.Contains(35, 25));
    EXPECT_FALSE(form.Contains(2, 3));

    // An empty region hides everything; clearing the shape gives the whole rectangle back.
    form.SetShape(Region());
    Settle();
    EXPECT_TRUE(ServerShape(XDisplay(), form.Handle(), ShapeBounding).empty());
    form.ClearShape();
    Settle();
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle(), ShapeBounding).size(), 80u * 60u);
}

TEST_F(WindowTest, WithoutXShapeAWindowStaysRectangular) {
    Window form(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 40, 30});
    App().Internals().shape = false; // as on a server without the extension
    form.SetShape(Region::Rect(0, 0, 5, 5));
    ShowAndSettle(form);
    App().Internals().shape = true;
    EXPECT_EQ(ServerShape(XDisplay(), form.Handle(), ShapeBounding).size(), 40u * 30u);
    ASSERT_NE(form.WindowShape(), nullptr); // kept for when it can be applied
    App().Internals().shape = false;
    EXPECT_TRUE(form.Contains(20, 20)); // the whole rectangle takes the pointer
    App().Internals().shape = true;
    EXPECT_FALSE(form.Contains(20, 20));
}

TEST_F(WindowTest, APressOutsideTheShapeReachesTheParentNotTheChild) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 100, 100});
    Recorder child(form, {20, 20, 40, 40});
    Path circle;
    circle.RoundRect(0, 0, 40, 40, 40, 40);
    child.SetShape(*Region::FromPath(circle));
    ShowAndSettle(form);

    MovePointerTo(child, 1, 1); // the corner, cut off by the circle
    PressButton();
    ReleaseButton();
    EXPECT_TRUE(std::find(child.mouse.begin(), child.mouse.end(), "down 1,1") == child.mouse.end());
    EXPECT_TRUE(std::find(form.mouse.begin(), form.mouse.end(), "down 21,21") != form.mouse.end());

    MovePointerTo(child, 20, 20);
    PressButton();
    ReleaseButton();
    EXPECT_TRUE(std::find(child.mouse.begin(), child.mouse.end(), "down 20,20") !=
                child.mouse.end());
}

TEST_F(WindowTest, AChildLeftWithoutItsParentLosesItsWindowSafely) {
    auto form = std::make_unique<Window>(App(), WindowKind::Form,
                                         WindowBounds{test::kLeft + 0, test::kTop + 0, 50, 50});
    Recorder child(*form, {5, 5, 10, 10});
    ShowAndSettle(*form);
    form.reset();
    EXPECT_EQ(child.Handle(), 0u);
    EXPECT_EQ(child.Parent(), nullptr);
    // Nothing of these may reach the server for a window that is gone.
    child.SetBounds(1, 1, 20, 20);
    child.Show();
    child.Repaint();
    child.SetShape(Region::Rect(0, 0, 5, 5));
    Settle();
}

TEST_F(WindowTest, TheHintShowsWhenThePointerRestsAndGoesWhenItLeaves) {
    App().SetHintPause(std::chrono::milliseconds(50));
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 120, 80});
    Recorder button(form, {10, 10, 30, 30});
    button.SetHint("Fermer");
    button.SetShowHint(true);
    ShowAndSettle(form);

    MovePointerTo(button, 10, 10);
    EXPECT_TRUE(PumpUntil([&] { return App().ShownHint() == "Fermer"; }));
    MovePointerTo(form, 100, 70);
    EXPECT_TRUE(PumpUntil([&] { return App().ShownHint().empty(); }));

    // Without ShowHint, nothing.
    button.SetShowHint(false);
    MovePointerTo(button, 12, 12);
    Pump(std::chrono::milliseconds(150));
    EXPECT_EQ(App().ShownHint(), "");
}

} // namespace
} // namespace scrivel::platform
