#include "platform/canvas.h"
#include "platform/key_map.h"
#include "platform/path.h"
#include "platform_x11/x11_fixture.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <algorithm>
#include <functional>

namespace scrivel::platform {
namespace {

using WindowTest = test::X11Test;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

// Records what the platform tells it.
class Recorder : public Window {
public:
    using Window::Window;

    std::function<void(Canvas&)> painter;
    int paints = 0;
    std::vector<std::string> mouse; // "down 3,4", "move 5,6", "up 7,8", "enter", "leave"
    std::vector<int> keys;
    ShiftState lastShift = ShiftState::Empty;
    std::string typed;
    std::vector<std::pair<int, int>> resizes;

    bool Got(const std::string& event) const {
        return std::find(mouse.begin(), mouse.end(), event) != mouse.end();
    }

protected:
    void Paint() override {
        ++paints;
        if (painter) {
            painter(GetCanvas());
        }
    }
    void OnResize(int width, int height) override { resizes.push_back({width, height}); }
    void OnKeyDown(int code, ShiftState shift) override {
        keys.push_back(code);
        lastShift = shift;
    }
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

std::string Property(Display* display, ::Window window, const char* name, Atom* type = nullptr) {
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                       AnyPropertyType, type != nullptr ? type : &actual, &format, &count,
                       &remaining, &data);
    std::string value(reinterpret_cast<char*>(data), count * (format == 32 ? sizeof(long) : 1));
    XFree(data);
    return value;
}

std::string Longs(std::vector<long> values) {
    return std::string(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(long));
}

TEST_F(WindowTest, AFormCarriesItsWindowManagerProperties) {
    Window form(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 80, 60},
                "Scrivel \xC3\xA9t\xC3\xA9");
    Atom type = 0;
    EXPECT_EQ(Property(XDisplay(), form.Handle(), "_NET_WM_NAME", &type),
              "Scrivel \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(type, XInternAtom(XDisplay(), "UTF8_STRING", False));
    const Atom close = XInternAtom(XDisplay(), "WM_DELETE_WINDOW", False);
    for (const auto& [name, value] : std::vector<std::pair<const char*, std::string>>{
             {"WM_NAME", "Scrivel \xE9t\xE9"},
             {"WM_CLASS", std::string("scrivel\0scrivel\0", 16)},
             {"_NET_WM_PID", Longs({getpid()})},
             {"WM_PROTOCOLS", Longs({static_cast<long>(close)})}}) {
        EXPECT_EQ(Property(XDisplay(), form.Handle(), name), value) << name;
    }
    // No frame: decorations given (flag 2), and none.
    const std::string motif = Property(XDisplay(), form.Handle(), "_MOTIF_WM_HINTS");
    ASSERT_EQ(motif.size(), 5 * sizeof(long));
    EXPECT_EQ(motif.substr(0, sizeof(long)), Longs({2}));
    EXPECT_EQ(motif.substr(2 * sizeof(long), sizeof(long)), Longs({0}));
}

TEST_F(WindowTest, PaintRunsOnExposeAndNothingIsErasedBeforeIt) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 20, test::kTop + 20, 40, 30});
    form.painter = [&form](Canvas& canvas) {
        canvas.FillRect(0, 0, form.paints == 1 ? 40 : 5, form.paints == 1 ? 30 : 5,
                        form.paints == 1 ? kRed : kBlue);
    };
    ShowAndSettle(form);
    ASSERT_EQ(form.paints, 1);
    // The second paint only draws a corner; the rest must still show the first.
    XClearArea(XDisplay(), form.Handle(), 0, 0, 0, 0, True);
    ASSERT_TRUE(PumpUntil([&] { return form.paints == 2; }));
    Settle();
    EXPECT_EQ(WindowPixel(form, 2, 2), kBlue);
    EXPECT_EQ(WindowPixel(form, 20, 15), kRed);
    form.Repaint();
    EXPECT_EQ(form.paints, 3);
}

TEST_F(WindowTest, SizeChangesAreReportedAndAnEmptyWindowStaysOffTheScreen) {
    Window form(App(), WindowKind::Form, {test::kLeft + 0, test::kTop + 0, 100, 100});
    Recorder child(form, {5, 6, 30, 20});
    ShowAndSettle(form);
    child.SetBounds(7, 8, 40, 25);
    child.SetPosition(9, 9); // a move alone is no resize
    EXPECT_EQ(child.resizes, (std::vector<std::pair<int, int>>{{40, 25}}));
    Settle();
    XWindowAttributes attributes{};
    XGetWindowAttributes(XDisplay(), child.Handle(), &attributes);
    EXPECT_EQ(std::vector<int>({attributes.x, attributes.width, attributes.height}),
              std::vector<int>({9, 40, 25}));
    // X11 refuses empty windows; one of size 0 is simply not shown.
    child.SetSize(-5, 25);
    Settle();
    EXPECT_EQ(child.Width(), 0);
    EXPECT_EQ(MapState(child.Handle()), IsUnmapped);
    child.SetSize(12, 10);
    Settle();
    EXPECT_EQ(MapState(child.Handle()), IsViewable);
    EXPECT_EQ(child.resizes.back(), (std::pair<int, int>{12, 10}));
}

TEST_F(WindowTest, RaiseAndHide) {
    Recorder lower(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 50, 50});
    Recorder upper(App(), WindowKind::Form, {test::kLeft + 30, test::kTop + 30, 50, 50});
    lower.painter = [](Canvas& canvas) { canvas.FillRect(0, 0, 50, 50, kRed); };
    upper.painter = [](Canvas& canvas) { canvas.FillRect(0, 0, 50, 50, kBlue); };
    ShowAndSettle(lower);
    ShowAndSettle(upper);
    EXPECT_EQ(WindowPixel(upper, 5, 5), kBlue);
    lower.Raise();
    Settle();
    EXPECT_EQ(WindowPixel(upper, 5, 5), kRed);
    lower.Hide();
    Settle();
    EXPECT_FALSE(lower.Visible());
    EXPECT_EQ(WindowPixel(upper, 5, 5), kBlue);
}

TEST_F(WindowTest, KeysReachTheFormWhereverThePointerIsAndTheKeypadFollowsNumLock) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 120, 80});
    Recorder child(form, {10, 10, 50, 40});
    ShowAndSettle(form);
    MovePointerTo(child, 20, 20);
    for (KeySym key : {XK_a, XK_Left, XK_Escape, XK_Return, XK_BackSpace, XK_F1, XK_Shift_L}) {
        PressKey(key);
    }
    EXPECT_EQ(form.keys, (std::vector<int>{65, 37, 27, 13, 8, 112, 16}));
    EXPECT_TRUE(Has(form.lastShift, ShiftState::Shift));
    EXPECT_EQ(form.typed, std::string("a\x1B\r\b"));
    EXPECT_TRUE(child.keys.empty() && child.typed.empty());

    form.keys.clear();
    form.typed.clear();
    const unsigned numLock = XkbKeysymToModifiers(XDisplay(), XK_Num_Lock);
    ASSERT_NE(numLock, 0u) << "NumLock is bound to no modifier";
    for (unsigned locked : {numLock, 0u}) {
        XkbLockModifiers(XDisplay(), XkbUseCoreKbd, numLock, locked);
        Settle();
        for (KeySym key : {XK_KP_4, XK_KP_6, XK_KP_7}) {
            PressKey(key);
        }
    }
    EXPECT_EQ(form.keys, (std::vector<int>{100, 102, 103, 37, 39, 36}));
    EXPECT_EQ(form.typed, "467");
}

TEST_F(WindowTest, TypedCharactersAreLatin1Bytes) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 80, 60});
    ShowAndSettle(form);
    // Give a spare key the é of a French keyboard.
    int minCode = 0;
    int spare = 0;
    XDisplayKeycodes(XDisplay(), &minCode, &spare);
    while (spare > minCode && XkbKeycodeToKeysym(XDisplay(), static_cast<KeyCode>(spare), 0, 0)) {
        --spare;
    }
    KeySym keysym = XK_eacute;
    XChangeKeyboardMapping(XDisplay(), spare, 1, &keysym, 1);
    Settle();
    XTestFakeKeyEvent(XDisplay(), static_cast<unsigned>(spare), True, CurrentTime);
    XTestFakeKeyEvent(XDisplay(), static_cast<unsigned>(spare), False, CurrentTime);
    Settle();
    keysym = NoSymbol;
    XChangeKeyboardMapping(XDisplay(), spare, 1, &keysym, 1);
    EXPECT_EQ(form.typed, "\xE9");
    EXPECT_TRUE(form.keys.empty()); // no virtual-key code for it
}

TEST_F(WindowTest, APressKeepsThePointerUntilTheRelease) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 160, 100});
    Recorder child(form, {10, 10, 40, 20});
    ShowAndSettle(form);
    MovePointerTo(child, 5, 5);
    PressButton();
    MovePointerTo(form, 120, 80); // far outside the child
    ReleaseButton();
    // Moves and release in the child's coordinates; it hears of leaving only after the release.
    EXPECT_EQ(child.mouse, (std::vector<std::string>{"enter", "move 5,5", "down 5,5", "move 110,70",
                                                     "up 110,70", "leave"}));
    EXPECT_FALSE(form.Got("down 15,15") || form.Got("up 120,80"));
}

TEST_F(WindowTest, AShapeCoversExactlyTheRegionForDrawingAndInput) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 100, 100});
    Recorder child(form, {20, 20, 40, 40});
    Path path;
    path.RoundRect(2, 3, 90, 80, 30, 20);
    const Region region = *Region::FromPath(path);
    form.SetShape(region);
    Path circle;
    circle.RoundRect(0, 0, 40, 40, 40, 40);
    child.SetShape(*Region::FromPath(circle));
    ShowAndSettle(form);
    EXPECT_EQ(ServerShape(form, ShapeBounding), test::PixelsOf(region));
    EXPECT_EQ(ServerShape(form, ShapeInput), test::PixelsOf(region));
    EXPECT_FALSE(form.Contains(2, 3));

    // A press outside the child's shape reaches the parent, one inside reaches the child.
    Click(child, 1, 1);
    Click(child, 20, 20);
    EXPECT_FALSE(child.Got("down 1,1"));
    EXPECT_TRUE(form.Got("down 21,21"));
    EXPECT_TRUE(child.Got("down 20,20"));

    // An empty region hides everything; clearing the shape gives the whole rectangle back.
    form.SetShape(Region());
    Settle();
    EXPECT_TRUE(ServerShape(form).empty());
    form.ClearShape();
    Settle();
    EXPECT_EQ(ServerShape(form).size(), 100u * 100u);
}

TEST_F(WindowTest, WithoutXShapeAWindowStaysRectangular) {
    EXPECT_TRUE(App().HasShape()); // probed: Xvfb has it
    Window form(App(), WindowKind::Form, {test::kLeft + 10, test::kTop + 10, 40, 30});
    App().Internals().shape = false; // as on a server without the extension
    form.SetShape(Region::Rect(0, 0, 5, 5));
    ShowAndSettle(form);
    EXPECT_EQ(ServerShape(form).size(), 40u * 30u);
    EXPECT_TRUE(form.Contains(20, 20)); // the whole rectangle takes the pointer
    App().Internals().shape = true;
    EXPECT_FALSE(form.Contains(20, 20)); // the shape was kept for when it can be applied
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
    button.SetShowHint(false);
    MovePointerTo(button, 12, 12);
    Pump(std::chrono::milliseconds(150));
    EXPECT_EQ(App().ShownHint(), "");
}

TEST(VirtualKeyFromKeysym, GivesTheWindowsCodesTheGameComparesWith) {
    // Letters whatever the case, so AZERTY and QWERTY agree; none rather than a wrong one.
    const std::vector<std::pair<KeySym, int>> cases = {
        {XK_Z, 90},        {XK_F3, 114},     {XK_Control_L, 17}, {XK_KP_Enter, 13},
        {XK_KP_Right, 39}, {XK_KP_Home, 36}, {XK_eacute, 0},     {NoSymbol, 0}};
    for (const auto& [keysym, code] : cases) {
        EXPECT_EQ(VirtualKeyFromKeysym(keysym), code) << keysym;
    }
}

} // namespace
} // namespace scrivel::platform
