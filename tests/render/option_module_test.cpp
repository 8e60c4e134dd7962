#include "model/options_data.h"
#include "platform/input.h"
#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "render/option_module.h"
#include "render_support.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace scrivel {
namespace {

using Fonts = std::vector<std::string>;

struct Screen {
    test::TempDir dir;
    TOptionsData options{dir.File("options.ini")};
    TOptionModule module;
    explicit Screen(Fonts fonts = {"Alpha", "Beta", "Gamma"})
        : module(nullptr, options, std::move(fonts)) {}
    // Presses keys on a row: L left, R right, space; returns what the last key returned.
    bool Press(int row, const std::string& keys) {
        module.Selected = row;
        bool rebuild = false;
        for (const char key : keys) {
            rebuild = key == ' ' ? module.OnKeyPress(' ')
                                 : module.OnKeyDown(key == 'L' ? platform::key::kLeft
                                                               : platform::key::kRight);
        }
        return rebuild;
    }
};

TEST(TOptionModule, EveryRowStepsForwardAndBackAndSaysWhetherToRebuild) {
    // From the default options: grid 8, speed 1, words of 3, random words, landscape on,
    // texture 0, first font, multicolour.
    const struct {
        int row;
        const char* keys;
        const char* value;
    } cases[] = {
        {0, "RRRR", "12x12"},
        {0, "RRRRR", "4x4"},
        {0, "LLLLL", "12x12"},
        {0, " ", "9x9"},
        {1, " ", "Rapide"},
        {1, "  ", "Lent"},
        {1, "LL", "Rapide"},
        {2, "L", "8 lettres"},
        {2, "RRRRR", "8 lettres"},
        {2, "RRRRRR", "3 lettres"},
        {3, "R", "lettres"},
        {3, "RL", "mots"},
        {3, " ", "lettres"},
        {4, "L", "Non"},
        {4, " ", "Non"},
        {5, "L", "8"},
        {5, "LR", "0"},
        {5, " ", "1"},
        {6, "R", "Beta"},
        {6, "L", "Gamma"},
        {6, "LR", "Alpha"},
        {7, "R", "Blanc"},
        {7, "RL", "Multicolore"},
        {7, "L", "Pourpre"},
    };
    const std::int16_t periods[] = {75, 50, 37};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " '" + c.keys + "'");
        Screen s;
        EXPECT_EQ(s.Press(c.row, c.keys), c.row == 0 || c.row >= 5);
        EXPECT_EQ(s.module.Values[static_cast<std::size_t>(c.row)], c.value);
        EXPECT_EQ(s.options.TickPeriod, periods[s.options.SpeedMode]) << "the speed follows";
        EXPECT_EQ(s.options.MinWordSize, c.row == 2 ? s.options.MinWordSize : 3);
    }
}

TEST(TOptionModule, FontRowTakesTheListsOrderAndAnEmptyListChangesNothing) {
    Screen s;
    s.options.FontName = "Gamma";
    EXPECT_TRUE(s.Press(TOptionModule::FontRow, "R"));
    EXPECT_EQ(s.options.FontName, "Beta");
    Screen bare(Fonts{});
    EXPECT_FALSE(bare.Press(TOptionModule::FontRow, "R"));
    EXPECT_FALSE(bare.Press(TOptionModule::FontRow, "L "));
    EXPECT_EQ(bare.options.FontName, "Arial");
}

TEST(TOptionModule, SelectionStopsAtBothEndsAndOtherKeysChangeNothing) {
    Screen s;
    const auto values = s.module.Values;
    EXPECT_FALSE(s.module.OnKeyDown(platform::key::kUp));
    EXPECT_EQ(s.module.Selected, 0);
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(s.module.OnKeyDown(platform::key::kDown));
    }
    EXPECT_EQ(s.module.Selected, 7);
    for (const char key : {'a', '\r', '\b', '0'}) {
        EXPECT_FALSE(s.module.OnKeyPress(key));
    }
    EXPECT_FALSE(s.module.OnKeyDown(platform::key::kEnter));
    EXPECT_EQ(s.module.Values, values);
    s.module.OnKeyDown(platform::key::kUp);
    EXPECT_EQ(s.module.Selected, 6);
}

class TOptionModuleGl : public test::GlTest {};

TEST_F(TOptionModuleGl, DrawsEveryLineWithTheSelectedValuePulsingWithinZeroAndOne) {
    test::TempDir dir;
    TOptionsData options(dir.File("options.ini"));
    TFontTexMg bank("Garamond", 1, 0, 4, "/nowhere/");
    bank.DrawLetter = std::make_unique<TLettre>('A', &bank, 0.25f, 0.25f);
    TOptionModule module(&bank, options, Fonts{"Alpha"});
    module.Selected = TOptionModule::SpeedRow; // "Normal"
    std::string text(TOptionModule::Heading);
    for (int r = 0; r < TOptionModule::RowCount; ++r) {
        text += TOptionModule::Titles[static_cast<std::size_t>(r)];
        text += module.Values[static_cast<std::size_t>(r)];
    }
    const auto cubes = test::CaptureCubes([&] { module.Draw(); });
    ASSERT_EQ(cubes.size(), text.size() - static_cast<std::size_t>(std::ranges::count(text, ' ')));
    // The heading's first letter stands at (-2, 12 - 1, 1); "Normal" is the fourth line down.
    EXPECT_NEAR(cubes[0].centre.x, -2.0f, 1e-3);
    EXPECT_NEAR(cubes[0].centre.y, 11.0f, 1e-3);
    EXPECT_NEAR(cubes[0].centre.z, 1.0f, 1e-3);
    EXPECT_NEAR(cubes[0].size.x, 0.3f, 1e-3);
    int pulsing = 0;
    for (const auto& cube : cubes) {
        if (std::fabs(cube.size.x - (0.3f - 0.5f * 0.15f)) < 1e-3) {
            ++pulsing;
            EXPECT_NEAR(cube.centre.y, 12.0f - 4 * 0.45f - 1.0f, 1e-3);
        }
    }
    EXPECT_EQ(pulsing, 6);
    EXPECT_FLOAT_EQ(module.Pulse, 0.05f) << "one pulse step per drawn frame";
    std::set<bool> directions;
    for (int frame = 0; frame < 60; ++frame) {
        module.StepPulse();
        ASSERT_GE(module.Pulse, 0.0f);
        ASSERT_LT(module.Pulse, 1.0f);
        directions.insert(module.Rising);
    }
    EXPECT_EQ(directions.size(), 2u);
}

} // namespace
} // namespace scrivel
