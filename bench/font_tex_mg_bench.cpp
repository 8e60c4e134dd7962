// One Rebuild of a letter font bank (target: under 30 ms), and its drawing half alone. Runs on
// the generated pattern sheet; needs an X display for the GL context.
#include "platform/font_catalogue.h"
#include "render/font_tex_mg.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

using scrivel::TFontTexMg;

constexpr const char* kFont = "Arial";
constexpr int kPattern = 2;

// Flips the font colour so that every Rebuild has work to do.
void Recolour(TFontTexMg& bank, int round) {
    bank.SelectFont(kFont, kPattern, round % 2 == 0 ? 1 : 9);
}

void BM_Rebuild(benchmark::State& state) {
    TFontTexMg bank(kFont, 1, kPattern, 0, SCRIVEL_GAME_DIR);
    bank.LoadPatterns();
    int round = 0;
    for (auto _ : state) {
        Recolour(bank, round++);
        bank.Rebuild();
        // Count the uploads in full, not just their queueing.
        glFinish();
    }
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond);

void BM_RenderGlyphs(benchmark::State& state) {
    TFontTexMg bank(kFont, 1, kPattern, 0, SCRIVEL_GAME_DIR);
    bank.ReadPatterns(bank.PatternPath());
    int round = 0;
    for (auto _ : state) {
        Recolour(bank, round++);
        bank.RenderGlyphs();
        benchmark::DoNotOptimize(bank.Glyph(0).data());
    }
}
BENCHMARK(BM_RenderGlyphs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    scrivel::platform::FontCatalogue::RegisterAliases();
    std::unique_ptr<scrivel::test::GlWindow> window;
    try {
        window = std::make_unique<scrivel::test::GlWindow>(64, 64);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "font_tex_mg_bench: %s\n", error.what());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
