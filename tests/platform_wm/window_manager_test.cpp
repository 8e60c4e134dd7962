#include "platform_wm/openbox_fixture.h"

#include <cstdlib>
#include <string>

namespace scrivel::platform {
namespace {

using namespace std::chrono_literals;

class Painted : public Window {
public:
    using Window::Window;
    int paints = 0;
    std::vector<Sight> sights;

protected:
    void Paint() override { ++paints; }
    void OnSightChange(Sight sight) override { sights.push_back(sight); }
};

class WindowManagerTest : public test::UnderOpenbox<test::X11Test> {
protected:
    std::pair<int, int> Position(const Window& window) { return {window.Left(), window.Top()}; }
};

// A drag after moves under openbox is the end-to-end skin test's (the F3 cycle, then a drag).
TEST_F(WindowManagerTest, MovedWindowsStayThereAndTheManagersResizesCount) {
    for (WindowKind kind : {WindowKind::Form, WindowKind::Plain}) {
        Painted window(App(), kind, {test::kLeft, test::kTop, 120, 80});
        ShowAndSettle(window);
        Linger();
        // Quick moves: the manager answers each one in its own time.
        for (int step = 1; step <= 5; ++step) {
            window.SetPosition(test::kLeft + 10 * step, test::kTop + 7 * step);
        }
        Linger();
        const std::pair<int, int> moved{test::kLeft + 50, test::kTop + 35};
        EXPECT_EQ(Position(window), moved) << "kind " << static_cast<int>(kind);
        EXPECT_EQ(ScreenPosition(window, 0, 0), moved) << "kind " << static_cast<int>(kind);
        // The manager's own resize reaches the window after those moves.
        const std::string resize =
            "wmctrl -i -r " + std::to_string(window.Handle()) + " -e 0,-1,-1,200,150";
        ASSERT_EQ(std::system(resize.c_str()), 0) << "wmctrl is not installed";
        EXPECT_TRUE(PumpUntil([&] { return window.Width() == 200 && window.Height() == 150; }))
            << "kind " << static_cast<int>(kind);
    }
}

TEST_F(WindowManagerTest, AMinimisedFormsChildPaintsNothingTillTheFormIsBack) {
    using Sights = std::vector<Sight>;
    Painted form(App(), WindowKind::Form, {test::kLeft, test::kTop, 120, 80});
    Painted child(form, {10, 10, 40, 40});
    App().SetMainWindow(&form);
    ShowAndSettle(form);
    App().Minimize();
    ASSERT_TRUE(PumpUntil([&] { return !form.OnScreen(); }));
    const int paints = child.paints;
    for (int frame = 0; frame < 5; ++frame) {
        child.Repaint();
        App().RunOnce();
    }
    EXPECT_EQ(child.paints, paints);
    EXPECT_EQ(child.CurrentSight(), Sight::Off);

    Restore(form);
    ASSERT_TRUE(PumpUntil([&] { return child.paints > paints; }));
    EXPECT_EQ(child.sights, (Sights{Sight::Shown, Sight::Off, Sight::Shown}));
    App().SetMainWindow(nullptr);
}

} // namespace
} // namespace scrivel::platform
