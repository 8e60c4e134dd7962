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
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_ViewDrawFullGame(benchmark::State& state) {
    char pattern[] = "/tmp/scrivel-bench-XXXXXX";
    const std::string folder = std::string(mkdtemp(pattern)) + "/";
    std::FILE* f = std::fopen((folder + "options.ini").c_str(), "wb");
    std::fputs("[GridSize]\r\nSize=12\r\n", f);
    std::fclose(f);
    {
        scrivel::test::GlWindow window(600, 500);
        scrivel::TView view(600, 500, SCRIVEL_GAME_DIR);
        scrivel::TGameData game(view, scrivel::platform::GameFolders::Beside(folder), 1);
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
        // A frame per game tick, as the game draws them: the camera, the found words and the
        // scenery move only when the tick steps them.
        for (int i = 0; i < 200; ++i) {
            view.UpdateFalling();
            view.Step();
            view.Draw();
        }
        std::vector<double> times;
        times.reserve(static_cast<std::size_t>(state.max_iterations));
        const double cpuStart = ProcessCpuSeconds();
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            view.UpdateFalling();
            view.Step();
            view.Draw();
            window.SwapBuffers();
            glFinish();
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            times.push_back(seconds);
            state.SetIterationTime(seconds);
        }
        // The CPU of every thread, llvmpipe's rasterisers included: steadier than wall time on a
        // machine shared with other work.
        state.counters["all_threads_cpu_ms"] =
            (ProcessCpuSeconds() - cpuStart) * 1000.0 / static_cast<double>(times.size());
        std::sort(times.begin(), times.end());
        state.counters["median_ms"] = times[times.size() / 2] * 1000.0;
        state.counters["worst_ms"] = times.back() * 1000.0;
        state.counters["over_20ms"] =
            static_cast<double>(times.end() - std::upper_bound(times.begin(), times.end(), 0.020));
    }
    std::filesystem::remove_all(folder);
}
// A thousand frames: the median and the count over 20 ms are the figures to watch.
BENCHMARK(BM_ViewDrawFullGame)->Unit(benchmark::kMillisecond)->Iterations(1000)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
