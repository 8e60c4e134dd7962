// One game frame of the view at 600 x 500: a full 12 x 12 grid and 20 found words. Needs an X
// display with GLX (run under xvfb-run -a for llvmpipe).
#include "model/game_data.h"
#include "render/view.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

void BM_ViewDrawFullGame(benchmark::State& state) {
    char pattern[] = "/tmp/scrivel-bench-XXXXXX";
    const std::string folder = std::string(mkdtemp(pattern)) + "/";
    std::FILE* f = std::fopen((folder + "options.ini").c_str(), "wb");
    std::fputs("[GridSize]\r\nSize=12\r\n", f);
    std::fclose(f);
    {
        scrivel::test::GlWindow window(600, 500);
        scrivel::TView view(600, 500, SCRIVEL_GAME_DIR);
        scrivel::TGameData game(view, folder, 1);
        view.Build();
        view.Resize(600, 500);
        view.SetMode(scrivel::ViewMode::Game);
        for (int c = 0; c < 12; ++c) {
            for (int r = 0; r < 12; ++r) {
                game.Grid().SetCell(c, r, static_cast<std::uint8_t>('a' + (c * 7 + r * 3) % 26));
            }
        }
        for (int i = 0; i < 20; ++i) {
            view.AddFoundWord("maison", i % 7,
                              i % 2 == 0 ? scrivel::WordDirection::Horizontal
                                         : scrivel::WordDirection::Vertical,
                              i % 12);
        }
        for (int i = 0; i < 200; ++i) {
            view.UpdateFalling();
            view.Draw();
        }
        double worst = 0;
        int slow = 0;
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            view.UpdateFalling();
            view.Draw();
            window.SwapBuffers();
            glFinish();
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            worst = std::max(worst, seconds);
            slow += seconds > 0.020 ? 1 : 0;
            state.SetIterationTime(seconds);
        }
        state.counters["worst_ms"] = worst * 1000.0;
        state.counters["over_20ms"] = slow;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ViewDrawFullGame)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
