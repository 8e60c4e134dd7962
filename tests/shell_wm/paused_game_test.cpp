// The game's headers before Xlib's, whose KeyPress macro would break them.
// clang-format off
#include "model/letter_flight.h"
#include "shell/game_host.h"
#include "shell_x11/scrivel_form_fixture.h"
#include "platform_wm/openbox_fixture.h"
// clang-format on

#include <X11/keysym.h>

namespace scrivel {
namespace {

using namespace std::chrono_literals;

// The whole game under openbox, minimised and brought back as a player does.
class PausedGameTest : public test::UnderOpenbox<test::TScrivelFormTest> {
protected:
    TGLWindow& Game() { return *Form().GLWindow(); }
    // Where the letter on its way stands, and how many have arrived: any tick changes it.
    std::tuple<int, float, float> Letter() {
        const LetterFlight& flight = Game().View()->Flight();
        const FallingLetter* letter =
            flight.Falling() != nullptr ? flight.Falling() : flight.Flying();
        return {flight.Arrivals(), letter != nullptr ? letter->Y() : 0.0f,
                letter != nullptr ? letter->Z() : 0.0f};
    }
};

TEST_F(PausedGameTest, MinimisedInPlayTheLetterWaitsAndMovesOnceTheFormIsBack) {
    Start(false);
    PressKey(XK_F1);
    ASSERT_EQ(Game().View()->Mode(), ViewMode::Game);
    const auto start = Letter();
    ASSERT_TRUE(PumpUntil([&] { return Letter() != start; })) << "the game does not run";

    App().Minimize();
    ASSERT_TRUE(PumpUntil([&] { return Game().CurrentSight() == platform::Sight::Off; }));
    const auto minimised = Letter();
    const int lastTick = Game().Host()->LastTick();
    // Long enough for a dozen ticks at any speed the options offer.
    PumpUntil([] { return false; }, 1500ms);
    EXPECT_EQ(Letter(), minimised);
    EXPECT_EQ(Game().Host()->LastTick(), lastTick);

    Restore(Form());
    ASSERT_TRUE(PumpUntil([&] { return Game().CurrentSight() == platform::Sight::Shown; }));
    EXPECT_TRUE(PumpUntil([&] { return Letter() != minimised; }, 2s)) << "the game stays paused";
}

} // namespace
} // namespace scrivel
