#include "model/options_data.h"
#include "platform/key_map.h"
#include "render/font_tex_mg.h"
#include "render/option_module.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"
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

class TOptionModuleGl : public test::GlTest {};

TEST_F(TOptionModuleGl, OnlyStepsSwellTheSelectedValueDrawingTwiceShowsTheSameFrame) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank("DejaVu Sans", 1, 2, 0, dir.path);
    bank.LoadPatterns();
    TOptionsData options(dir.File("options.ini"));
    TOptionModule module(&bank, options, {"Alpha"});
    Ortho(-2, 2, 9.5, 13.5, -10, 10); // the heading and the first row
    const auto frame = [&module] { return DrawnFrame([&module] { module.Draw(); }); };
    for (int tick = 0; tick < 3; ++tick) {
        module.Step();
    }
    const std::vector<std::uint8_t> first = frame();
    EXPECT_GT(LitPixels(first), 1000) << "in sight";
    EXPECT_TRUE(frame() == first) << "a second draw in the same tick";
    EXPECT_NEAR(module.SelectedSize(), 0.24f, 1e-5) << "drawing left the pulse alone";
    for (int tick = 0; tick < 5; ++tick) {
        module.Step();
    }
    EXPECT_FALSE(frame() == first) << "the selected value swelled";
}

} // namespace
} // namespace scrivel
