#include "platform/canvas.h"
#include "platform_x11/x11_fixture.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <bit>

namespace scrivel::platform {
namespace {

using WindowTest = test::X11Test;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

// Records what the platform tells it.
class Recorder : public Window {
public:
    using Window::Window;

    int paints = 0;
    int fill = 0; // Paint fills a square of this side with this colour
    std::uint32_t colour = 0;
    std::vector<int> keys;
    std::string typed;
    std::vector<Sight> sights;

protected:
    void Paint() override {
        ++paints;
        GetCanvas().FillRect(0, 0, fill, fill, Colour::FromWindows(colour));
    }
    void OnKeyDown(int code, ShiftState) override { keys.push_back(code); }
    void OnKeyPress(char key) override { typed += key; }
    void OnSightChange(Sight sight) override { sights.push_back(sight); }
};

TEST_F(WindowTest, PaintRunsOnExposeAndNothingIsErasedBeforeIt) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 20, test::kTop + 20, 40, 30});
    form.fill = 40;
    form.colour = kRed;
    ShowAndSettle(form);
    ASSERT_EQ(form.paints, 1);
    // The second paint only draws a corner; the rest must still show the first.
    form.fill = 5;
    form.colour = kBlue;
    XClearArea(XDisplay(), form.Handle(), 0, 0, 0, 0, True);
    ASSERT_TRUE(PumpUntil([&] { return form.paints == 2; }));
    Settle();
    EXPECT_EQ(WindowPixel(form, 2, 2), kBlue);
    EXPECT_EQ(WindowPixel(form, 20, 15), kRed);
}

// Its own child over it does not cover a form; another window over both does, and then neither
// paints until something of it shows again.
TEST_F(WindowTest, AWhollyCoveredWindowPaintsNothingTillItShowsAgain) {
    using Sights = std::vector<Sight>;
    Recorder form(App(), WindowKind::Form, {test::kLeft + 20, test::kTop + 20, 60, 40});
    Recorder child(form, {0, 0, 60, 40});
    ShowAndSettle(form);
    EXPECT_EQ(form.sights, Sights{Sight::Shown});
    EXPECT_EQ(child.sights, Sights{Sight::Shown});

    Window cover(App(), WindowKind::Tooltip, {test::kLeft, test::kTop, 100, 80});
    ShowAndSettle(cover);
    ASSERT_TRUE(PumpUntil([&] { return child.CurrentSight() == Sight::Covered; }));
    EXPECT_EQ(form.CurrentSight(), Sight::Covered);
    const int formPaints = form.paints;
    const int childPaints = child.paints;
    for (int frame = 0; frame < 5; ++frame) {
        form.Repaint();
        child.Repaint();
        App().RunOnce();
    }
    EXPECT_EQ(form.paints, formPaints);
    EXPECT_EQ(child.paints, childPaints);

    // A sliver in view is enough to draw.
    cover.SetPosition(test::kLeft + 75, test::kTop);
    ASSERT_TRUE(PumpUntil([&] { return child.paints > childPaints; }));
    EXPECT_EQ(child.sights, (Sights{Sight::Shown, Sight::Covered, Sight::Shown}));
    EXPECT_EQ(form.sights, (Sights{Sight::Shown, Sight::Covered, Sight::Shown}));
}

TEST_F(WindowTest, KeysReachTheFormWhereverThePointerIsAndTheKeypadFollowsNumLock) {
    Recorder form(App(), WindowKind::Form, {test::kLeft + 40, test::kTop + 40, 120, 80});
    Recorder child(form, {10, 10, 50, 40});
    ShowAndSettle(form);
    MovePointerTo(child, 20, 20);
    PressKey(XK_a);
    PressKey(XK_Escape);
    const unsigned numLock = XkbKeysymToModifiers(XDisplay(), XK_Num_Lock);
    ASSERT_NE(numLock, 0u) << "NumLock is bound to no modifier";
    for (unsigned locked : {numLock, 0u}) {
        XkbLockModifiers(XDisplay(), XkbUseCoreKbd, numLock, locked);
        Settle();
        for (KeySym key : {XK_KP_4, XK_KP_6, XK_KP_7}) {
            PressKey(key);
        }
    }
    EXPECT_EQ(form.keys, (std::vector<int>{65, 27, 100, 102, 103, 37, 39, 36}));
    EXPECT_EQ(form.typed, "a\x1B"
                          "467");
    EXPECT_TRUE(child.keys.empty() && child.typed.empty());
}

TEST_F(WindowTest, AnEmptyChildIsNotShownAndOneLeftWithoutItsParentLosesItsWindowSafely) {
    auto form = std::make_unique<Window>(App(), WindowKind::Form,
                                         WindowBounds{test::kLeft + 0, test::kTop + 0, 50, 50});
    Recorder child(*form, {5, 5, 10, 10});
    ShowAndSettle(*form);
    // X11 refuses empty windows; one of size 0 is simply not shown.
    child.SetSize(-5, 25);
    Settle();
    EXPECT_EQ(MapState(child.Handle()), IsUnmapped);
    form.reset();
    EXPECT_EQ(child.Handle(), 0u);
    // Nothing of these may reach the server for a window that is gone.
    child.SetBounds(1, 1, 20, 20);
    child.Show();
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
}

TEST_F(WindowTest, ManagerNoticesOlderThanAMoveAreIgnored) {
    Window form(App(), WindowKind::Form, {test::kLeft, test::kTop, 80, 60});
    ShowAndSettle(form);
    // A second client stands in for a window manager; its notice leaves before the move.
    Display* manager = XOpenDisplay(nullptr);
    ASSERT_NE(manager, nullptr);
    XEvent notice{};
    notice.xconfigure.type = ConfigureNotify;
    notice.xconfigure.send_event = True;
    notice.xconfigure.event = notice.xconfigure.window = form.Handle();
    notice.xconfigure.x = test::kLeft + 5;
    notice.xconfigure.y = test::kTop + 5;
    notice.xconfigure.width = 80;
    notice.xconfigure.height = 60;
    XSendEvent(manager, form.Handle(), False, StructureNotifyMask, &notice);
    XSync(manager, False);
    form.SetPosition(test::kLeft + 40, test::kTop + 30);
    Settle();
    EXPECT_EQ(std::make_pair(form.Left(), form.Top()),
              std::make_pair(test::kLeft + 40, test::kTop + 30));
    // One sent after the move is the manager's word.
    notice.xconfigure.x = test::kLeft + 60;
    XSendEvent(manager, form.Handle(), False, StructureNotifyMask, &notice);
    XCloseDisplay(manager);
    Settle();
    EXPECT_EQ(form.Left(), test::kLeft + 60);
}

TEST(FastImagePath, TakesOnlyThirtyTwoBitPixelsInTheBitmapsOrder) {
    const int native = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    const int other = native == LSBFirst ? MSBFirst : LSBFirst;
    struct Case {
        int depth, bitsPerPixel;
        unsigned long red, blue;
        int order;
        bool fits;
    };
    for (const Case& c :
         {Case{24, 32, 0xFF0000, 0xFF, native, true}, Case{32, 32, 0xFF0000, 0xFF, native, true},
          Case{24, 24, 0xFF0000, 0xFF, native, false}, Case{24, 32, 0xFF, 0xFF0000, native, false},
          Case{24, 32, 0xFF0000, 0xFF, other, false}, Case{16, 16, 0xF800, 0x1F, native, false}}) {
        EXPECT_EQ(FitsBitmapLayout(c.depth, c.bitsPerPixel, c.red, 0xFF00, c.blue, c.order), c.fits)
            << c.depth << "/" << c.bitsPerPixel;
    }
}

} // namespace
} // namespace scrivel::platform
