#include "model/options_data.h"
#include "platform/input.h"
#include "render/font_tex_mg.h"
#include "render/option_module.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
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

// The options screen's top rows seen from the front, x -2..2 and y 9.5..13.5.
class TOptionModuleGl : public test::GlTest {
protected:
    void SetUp() override {
        test::GlTest::SetUp();
        glViewport(0, 0, kWidth, kHeight);
        Ortho(-2, 2, 9.5, 13.5, -10, 10);
        glClearColor(0, 0, 0, 1);
        glEnable(GL_DEPTH_TEST);
    }
    void TearDown() override { glDisable(GL_DEPTH_TEST); }
    static std::vector<std::uint8_t> Frame(const TOptionModule& module) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        module.Draw();
        return Window().ReadPixels();
    }
};

TEST_F(TOptionModuleGl, OnlyStepsSwellTheSelectedValueDrawingTwiceShowsTheSameFrame) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank("DejaVu Sans", 1, 2, 0, dir.path);
    bank.LoadPatterns();
    TOptionsData options(dir.File("options.ini"));
    TOptionModule module(&bank, options, {"Alpha"});
    for (int tick = 0; tick < 3; ++tick) {
        module.Step();
    }
    const std::vector<std::uint8_t> first = Frame(module);
    int lit = 0;
    for (std::size_t i = 0; i < first.size(); i += 4) {
        lit += test::Rgb(&first[i]) != 0 ? 1 : 0;
    }
    EXPECT_GT(lit, 1000) << "the heading and the first row are in sight";
    EXPECT_TRUE(Frame(module) == first) << "a second draw in the same tick";
    EXPECT_NEAR(module.SelectedSize(), 0.24f, 1e-5) << "drawing left the pulse alone";
    for (int tick = 0; tick < 5; ++tick) {
        module.Step();
    }
    EXPECT_FALSE(Frame(module) == first) << "the selected value swelled";
}

} // namespace
} // namespace scrivel
