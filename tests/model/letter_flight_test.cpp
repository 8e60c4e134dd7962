#include "model/board_layout.h"
#include "model/falling_letter.h"
#include "model/letter_array.h"
#include "model/letter_flight.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

// The grid spans 6 x 4 units whatever its size; values worked by hand.
TEST(BoardLayout, SixByFourUnitsCentredForAnySize) {
    const BoardLayout four = BoardLayout::ForSize(4);
    EXPECT_FLOAT_EQ(four.CellWidth, 1.5f);
    EXPECT_FLOAT_EQ(four.CellHeight, 1.0f);
    EXPECT_FLOAT_EQ(four.GridLeft, -2.25f);
    EXPECT_FLOAT_EQ(four.GridTop, 4.0f);
    EXPECT_FLOAT_EQ(four.BaseHeight, -0.5f);
    EXPECT_FLOAT_EQ(four.LaunchY, 4.0f);
    const BoardLayout twelve = BoardLayout::ForSize(12);
    EXPECT_FLOAT_EQ(twelve.CellWidth, 0.5f);
    EXPECT_FLOAT_EQ(twelve.GridLeft, -2.75f);
    EXPECT_NEAR(twelve.BaseHeight, -5.0f / 6.0f, 1e-5);
    EXPECT_FLOAT_EQ(BoardLayout::EruptionPoint, -0.7f);
}

TEST(JokerPulse, SwellsByASixthOfItsWidthAndBack) {
    JokerPulse pulse;
    for (const float grow : {0.05f, 0.1f, 0.15f, 0.2f, 0.15f, 0.1f, 0.05f, 0.0f, 0.05f}) {
        pulse.Step(1.2f);
        EXPECT_NEAR(pulse.Grow(), grow, 1e-5);
    }
}

// A flight over an 8 x 8 grid, laid out as the view lays it out.
class LetterFlightTest : public ::testing::Test {
protected:
    void SetUp() override { Begin(7); }
    // A new flight over the cells as they stand, its letters' columns drawn from seed.
    void Begin(unsigned seed) {
        std::srand(seed);
        flight = LetterFlight();
        flight.Restart(BoardLayout::ForSize(8));
        const BoardLayout& layout = flight.Layout();
        flight.SetBoard(FallGrid{&cells, 8, layout.GridLeft, layout.GridTop});
        flight.StartGame();
    }
    // Ticks until pred holds; the number of ticks it took, or -1 after 500.
    template <typename Pred> int TickUntil(Pred pred, bool volcanoResting = false) {
        for (int tick = 1; tick <= 500; ++tick) {
            erupted += flight.Tick(volcanoResting) ? 1 : 0;
            if (pred()) {
                return tick;
            }
        }
        return -1;
    }

    TLetterArray cells{8};
    LetterFlight flight;
    int erupted = 0;
};

TEST_F(LetterFlightTest, OneLetterCycleFliesFallsAndLandsForOneTick) {
    EXPECT_GE(flight.Flying()->Y(), flight.Layout().LaunchY) << "the first one starts above";
    flight.SetNextLetter('r');
    flight.Tick(false); // starts the flight
    flight.Tick(false); // the first letter reaches the grid at once
    ASSERT_NE(flight.Falling(), nullptr);
    EXPECT_EQ(flight.Flying()->Letter(), 'r') << "the next one flies while this one falls";
    float highest = 0.0f;
    const auto watchHeight = [&] { highest = std::max(highest, flight.Flying()->Y()); };
    const int falling = TickUntil([&] {
        watchHeight();
        return flight.Landed();
    });
    ASSERT_GT(falling, 0);
    EXPECT_EQ(flight.LandedRow(), 7);
    EXPECT_EQ(flight.LandedColumn(), flight.Falling()->Column());
    cells.SetCell(flight.LandedColumn(), 7, flight.FallingCode());
    flight.SetNextLetter('s'); // placed
    EXPECT_EQ(flight.Falling(), nullptr);
    EXPECT_EQ(flight.FallingCode(), 'a');
    flight.Tick(false);
    EXPECT_FALSE(flight.Landed()) << "landing paused the flight for one tick";
    const int rest = TickUntil([&] {
        watchHeight();
        return flight.Arrivals() == 2;
    });
    EXPECT_NEAR(falling + 1 + rest, 68, 2) << "(GridDepth - LaunchDepth) / 0.4 ticks of flight";
    // Halfway the letter stands N x CellHeight = 4 units above the launch height.
    EXPECT_NEAR(highest, flight.Layout().LaunchY + 4.0f, 0.01f);
}

TEST_F(LetterFlightTest, OneEruptionPerLetterInTheLastTenthOfItsFlightAndOnlyWhenResting) {
    ASSERT_GT(TickUntil([&] { return flight.Arrivals() == 3; }, false), 0);
    EXPECT_EQ(erupted, 0) << "a busy or missing volcano never erupts";
    for (int letter = 0; letter < 3; ++letter) {
        const int arrivals = flight.Arrivals();
        const int before = erupted;
        float zAfterEruption = 0.0f;
        TickUntil(
            [&] {
                if (erupted > before && zAfterEruption == 0.0f) {
                    zAfterEruption = flight.Flying()->Z();
                }
                return flight.Arrivals() > arrivals;
            },
            true);
        EXPECT_EQ(erupted, before + 1) << "one eruption per letter";
        // The tick that erupts has seen z reach -0.7 and then moved the letter 0.4 on.
        EXPECT_GE(zAfterEruption, BoardLayout::EruptionPoint + 0.4f - 1e-4f);
        EXPECT_LT(zAfterEruption, BoardLayout::EruptionPoint + 0.8f);
    }
}

// The marker's cell is where the letter comes to rest when dropped, for every height of the column
// it falls in and from any height of its fall.
TEST_F(LetterFlightTest, TheLandingCellIsWhereADroppedLetterComesToRest) {
    for (int stacked = 0; stacked < 8; ++stacked) {
        for (int waited : {0, 6, 20}) {
            SCOPED_TRACE(std::to_string(stacked) + " stacked, " + std::to_string(waited) +
                         " ticks");
            cells.Clear();
            for (int r = 8 - stacked; r < 8; ++r) {
                cells.SetCell(3, r, 'x');
            }
            Begin(11);
            flight.Tick(false);
            flight.Tick(false); // the first letter falls from above the grid
            for (int move = 0; move < 8; ++move) {
                if (flight.Falling()->Column() < 3) {
                    flight.MoveRight();
                } else if (flight.Falling()->Column() > 3) {
                    flight.MoveLeft();
                }
            }
            ASSERT_EQ(flight.Falling()->Column(), 3);
            for (int tick = 0; tick < waited && !flight.Landed(); ++tick) {
                flight.Tick(false);
            }
            if (flight.Landed()) {
                continue; // nothing left to predict
            }
            const auto marker = flight.LandingCell();
            flight.DropFast();
            ASSERT_GT(TickUntil([&] { return flight.Landed(); }), 0);
            ASSERT_TRUE(marker.has_value());
            EXPECT_EQ(*marker, (LetterFlight::Cell{3, 7 - stacked}));
            // The game puts a landed letter on top of its column: the marked cell.
            ASSERT_TRUE(cells.Drop(flight.LandedColumn(), flight.LandedRow(), 'y'));
            EXPECT_EQ(cells.Cell(3, 7 - stacked), 'y');
        }
    }
}

// A typed key reaches the flying letter while none falls, lower-cased, and only a joker takes it.
TEST_F(LetterFlightTest, JokerKeysChangeOnlyAJoker) {
    flight.SetNextLetter(0);
    flight.Tick(false);
    flight.Tick(false); // the first letter falls, a joker flies
    ASSERT_NE(flight.Falling(), nullptr);
    const std::uint8_t falling = flight.Falling()->Letter();
    flight.SetJokerLetter('Q');
    flight.NextJokerLetter();
    EXPECT_EQ(flight.Falling()->Letter(), falling) << "not a joker";
    EXPECT_TRUE(flight.Flying()->Joker());
    flight.SetNextLetter('r'); // the falling letter has landed
    flight.SetJokerLetter('Q');
    EXPECT_EQ(flight.Flying()->Letter(), 'q');
}

} // namespace
} // namespace scrivel
