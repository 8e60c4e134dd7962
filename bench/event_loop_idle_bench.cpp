// The message loop idling with a game-like 50 ms tick driven from the idle handler: the CPU it
// costs (target under 3 % of one core) and how late the ticks fire against their due time
// (target 2 ms at most). Needs a display: run under xvfb-run -a.

#include "platform/application.h"
#include "platform/window.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_IdleLoopWith50msTick(benchmark::State& state) {
    const auto duration = std::chrono::seconds(state.range(0));
    constexpr auto kPeriod = std::chrono::milliseconds(50);
    for (auto _ : state) {
        scrivel::platform::Application app;
        scrivel::platform::Window form(app, scrivel::platform::WindowKind::Form, {0, 0, 200, 150},
                                       "Scrivel");
        app.SetMainWindow(&form);
        form.Show();
        app.ProcessMessages();

        const double cpuStart = CpuSeconds();
        const Clock::time_point start = Clock::now();
        Clock::time_point lastTick = start;
        Clock::duration worst{};
        long ticks = 0;
        long idleCalls = 0;
        app.SetIdleHandler([&] {
            ++idleCalls;
            const Clock::time_point now = Clock::now();
            if (now - lastTick >= kPeriod) {
                worst = std::max(worst, now - (lastTick + kPeriod));
                lastTick = now;
                ++ticks;
            }
            if (now - start >= duration) {
                app.Quit();
            }
        });
        app.Run();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = CpuSeconds() - cpuStart;

        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
        state.counters["max_lateness_ms"] =
            std::chrono::duration<double, std::milli>(worst).count();
        state.counters["ticks"] = static_cast<double>(ticks);
        state.counters["idle_calls_per_s"] = static_cast<double>(idleCalls) / wall;
    }
}
BENCHMARK(BM_IdleLoopWith50msTick)
    ->Arg(10)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
