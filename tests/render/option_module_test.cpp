#include "model/options_data.h"
#include "platform/key_map.h"
#include "render/option_module.h"
#include "render/pattern_bank_gl.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <vector>

namespace scrivel {
namespace {

TEST(TOptionModule, SelectedValueSwellsAndShrinksOneStepATick) {
    test::TempDir dir;
    TOptionsData options(dir.File("options.ini"));
    TOptionModule module(nullptr, options, {"Alpha"});
    // Size 0.3 + (pulse - 0.5) * 0.15; the pulse rises from 0 by 0.05 a tick, turns at 1.
    const struct {
        int tick;
        float size;
    } cases[] = {{1, 0.225f}, {2, 0.2325f}, {11, 0.3f}, {20, 0.3675f}, {21, 0.36f}, {29, 0.3f}};
    int ticks = 0;
    for (const auto& c : cases) {
        for (; ticks < c.tick; ++ticks) {
            module.Step();
        }
        EXPECT_NEAR(module.SelectedSize(), c.size, 1e-5) << "tick " << c.tick;
    }
    module.OnKeyDown(platform::key::kDown);
    EXPECT_EQ(module.Choices().Selected(), 1) << "keys reach the choices";
}

// The options in their own file, shown with the fixture's bank.
class TOptionModuleGl : public test::PatternBankGl {
protected:
    TOptionsData options_{dir_.File("options.ini")};
    TOptionModule module_{&bank_, options_, {"Alpha"}};
};

TEST_F(TOptionModuleGl, OnlyStepsSwellTheSelectedValueDrawingTwiceShowsTheSameFrame) {
    Ortho(-2, 2, 9.5, 13.5, -10, 10); // the heading and the first row
    const auto frame = [this] { return DrawnFrame([this] { module_.Draw(); }); };
    for (int tick = 0; tick < 3; ++tick) {
        module_.Step();
    }
    const std::vector<std::uint8_t> first = frame();
    EXPECT_GT(LitPixels(first), 1000) << "in sight";
    EXPECT_TRUE(frame() == first) << "a second draw in the same tick";
    EXPECT_NEAR(module_.SelectedSize(), 0.24f, 1e-5) << "drawing left the pulse alone";
    for (int tick = 0; tick < 5; ++tick) {
        module_.Step();
    }
    EXPECT_FALSE(frame() == first) << "the selected value swelled";
}

// Rows from the top, each a title line and a value line 0.45 apart; a cube is drawn a unit below
// its line: row r's title cube is centred at y = 10.55 - 0.9 r, its value cube 0.45 lower.
TEST_F(TOptionModuleGl, PointersMarkTheSelectedRowsTitleAndValueOnly) {
    module_.OnKeyDown(platform::key::kDown);
    module_.Step();
    // Left of the titles (first cube from x = -5.18) and of the values (from x = -1.69).
    const auto lit = [&](float left, float y) {
        Ortho(left, left + 0.3, y - 0.1, y + 0.1, -10, 10);
        return LitPixels(DrawnFrame([this] { module_.Draw(); }));
    };
    for (int row = 0; row < OptionChoices::RowCount; ++row) {
        SCOPED_TRACE(row);
        const float title = 10.55f - 0.9f * static_cast<float>(row);
        EXPECT_EQ(lit(-5.65f, title) > 0, row == 1) << "title";
        EXPECT_EQ(lit(-2.15f, title - 0.45f) > 0, row == 1) << "value";
    }
}

// The font row's value at the widest pulse (tick 20, letters 0.3675): 21 cubes from x = -1.5
// end at 6.03, short of the panel's right edge at 6.5.
TEST_F(TOptionModuleGl, ALongFontNameStopsShortOfTheRightEdgeWithDotsAndA21LetterOneIsWhole) {
    const auto region = [&](const char* font, float left, float right, float bottom, float top) {
        options_.FontName = font;
        TOptionModule module(&bank_, options_, {font});
        for (int down = 0; down < OptionChoices::FontRow; ++down) {
            module.OnKeyDown(platform::key::kDown);
        }
        for (int tick = 0; tick < 20; ++tick) {
            module.Step();
        }
        Ortho(left, right, bottom, top, -10, 10);
        return LitPixels(DrawnFrame([&module] { module.Draw(); }));
    };
    // The font row's value cube is centred at y = 4.7; its 21st cell at x = 5.85.
    const char* longName = "DejaVu Serif,DejaVu Serif Condensed";
    const char* whole = "ABCDEFGHIJ KLMNOPQRST";
    EXPECT_EQ(region(longName, 6.5f, 9.0f, 4.0f, 5.2f), 0) << "beyond the edge";
    EXPECT_GT(region(longName, 5.6f, 6.1f, 4.5f, 4.6f), 0) << "the dots at the foot of the cell";
    EXPECT_EQ(region(longName, 5.7f, 6.0f, 4.65f, 4.9f), 0) << "no letter in the mark's cell";
    EXPECT_GT(region(whole, 5.7f, 6.0f, 4.65f, 4.9f), 0) << "the 21st letter";
    EXPECT_EQ(region(whole, 6.5f, 9.0f, 4.0f, 5.2f), 0);
}

} // namespace
} // namespace scrivel
