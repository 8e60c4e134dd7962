#include "model/option_choices.h"
#include "model/options_data.h"
#include "platform/key_map.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace scrivel {
namespace {

using Fonts = std::vector<std::string>;

struct Screen {
    test::TempDir dir;
    TOptionsData options{dir.File("options.ini")};
    OptionChoices module;
    explicit Screen(Fonts fonts = {"Alpha", "Beta", "Gamma"}) : module(options, std::move(fonts)) {}
    // Moves down from the first row to row, then presses keys on it: L left, R right, space;
    // returns what the last key returned.
    bool Press(int row, const std::string& keys) {
        for (int down = 0; down < row; ++down) {
            module.OnKeyDown(platform::key::kDown);
        }
        bool rebuild = false;
        for (const char key : keys) {
            rebuild = key == ' ' ? module.OnKeyPress(' ')
                                 : module.OnKeyDown(key == 'L' ? platform::key::kLeft
                                                               : platform::key::kRight);
        }
        return rebuild;
    }
};

TEST(OptionChoices, EveryRowStepsForwardAndBackAndSaysWhetherToRebuild) {
    // From the default options: grid 8, speed 1, words of 3, random words, landscape on,
    // texture 0, first font, multicolour, landing cell shown. L left, R right, space.
    const struct {
        int row;
        const char* keys;
        const char* value;
    } cases[] = {{0, "RRRRR", "4x4"}, {0, "LLLLL", "12x12"}, {1, " ", "Rapide"},
                 {1, "LL", "Rapide"}, {2, "L", "8 lettres"}, {2, "RRRRRR", "3 lettres"},
                 {3, "R", "lettres"}, {3, "RL", "mots"},     {4, "L", "Non"},
                 {5, "L", "8"},       {6, "R", "Beta"},      {6, "L", "Gamma"},
                 {7, "R", "Blanc"},   {7, "L", "Pourpre"},   {8, " ", "Non"},
                 {8, "LR", "Oui"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " '" + c.keys + "'");
        Screen s;
        EXPECT_EQ(s.Press(c.row, c.keys), c.row == 0 || (c.row >= 5 && c.row <= 7));
        EXPECT_EQ(s.module.Value(c.row), c.value);
        EXPECT_EQ(s.module.Selected(), c.row);
    }
}

TEST(OptionChoices, FontRowTakesTheListsOrderAndAnEmptyListChangesNothing) {
    Screen s;
    s.options.FontName = "Gamma";
    EXPECT_TRUE(s.Press(OptionChoices::FontRow, "R"));
    EXPECT_EQ(s.options.FontName, "Beta");
    EXPECT_EQ(s.module.FontIndex(), 1);
    Screen bare(Fonts{});
    EXPECT_FALSE(bare.Press(OptionChoices::FontRow, "R"));
    EXPECT_EQ(bare.options.FontName, "Arial");
}

} // namespace
} // namespace scrivel
