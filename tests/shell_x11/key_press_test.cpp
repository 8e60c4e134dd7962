// The game's headers before Xlib's, whose KeyPress macro would break them.
// clang-format off
#include "model/letter_flight.h"
#include "render/grid.h"
#include "render/option_module.h"
#include "shell_x11/scrivel_form_fixture.h"
// clang-format on

#include <X11/keysym.h>
#include <algorithm>

namespace scrivel {
namespace {

using namespace std::chrono_literals;

// The whole game in a window of its own, fed key presses as quick as a player's.
class KeyPressTest : public test::TScrivelFormTest {
protected:
    void SetUp() override {
        TScrivelFormTest::SetUp();
        Start(false);
    }
    TView& View() { return *Form().GLWindow()->View(); }
    // The column of the letter the arrows move: the falling one, or the flying one when none
    // falls.
    int SteeredColumn() {
        const LetterFlight& flight = View().Flight();
        return flight.Falling() != nullptr ? flight.Falling()->Column() : flight.Flying()->Column();
    }
    // Counts the letters that reached the grid and those placed, so a landing shows.
    std::pair<int, bool> Steered() {
        return {View().Flight().Arrivals(), View().Flight().Falling() != nullptr};
    }
    // A press and its release, then 30 ms of the game's loop before the next.
    void Tap(KeySym keysym) {
        const KeyCode code = XKeysymToKeycode(XDisplay(), keysym);
        XTestFakeKeyEvent(XDisplay(), code, True, CurrentTime);
        XTestFakeKeyEvent(XDisplay(), code, False, CurrentTime);
        XFlush(XDisplay());
        PumpUntil([] { return false; }, 30ms);
    }
};

TEST_F(KeyPressTest, EveryQuickPressTakesEffectOnTheOptionsScreenAndInPlay) {
    PressKey(XK_F2);
    ASSERT_EQ(View().Mode(), ViewMode::Options);
    const OptionChoices& options = View().OptionModule()->Choices();
    for (int row = 0; row < OptionChoices::FontRow; ++row) {
        PressKey(XK_Down);
    }
    ASSERT_EQ(options.Selected(), OptionChoices::FontRow);
    const int fonts = static_cast<int>(options.Fonts().size());
    ASSERT_GT(fonts, 1);
    for (int press = 1; press <= 20; ++press) {
        Tap(XK_Right);
        // A frame may hold the loop longer than 30 ms on a busy machine: late is fine, lost is not.
        PumpUntil([&] { return options.FontIndex() == press % fonts; }, 1s);
        EXPECT_EQ(options.FontIndex(), press % fonts) << "press " << press;
    }

    PressKey(XK_Escape);
    PressKey(XK_F1);
    ASSERT_EQ(View().Mode(), ViewMode::Game);
    // Steers the letter across the empty grid and back: only its edges refuse a move.
    const int size = View().Grid()->Size();
    for (int press = 0; press < 20; ++press) {
        const auto letter = Steered();
        const int before = SteeredColumn();
        const bool right = press < 10;
        Tap(right ? XK_Right : XK_Left);
        const int expected = std::clamp(before + (right ? 1 : -1), 0, size - 1);
        PumpUntil([&] { return Steered() != letter || SteeredColumn() == expected; }, 1s);
        if (Steered() != letter) {
            continue; // it landed meanwhile
        }
        EXPECT_EQ(SteeredColumn(), expected) << "press " << press;
    }
}

} // namespace
} // namespace scrivel
