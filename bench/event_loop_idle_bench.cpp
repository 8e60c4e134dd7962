// The message loop idling with a game-like 50 ms tick driven from the idle handler: the CPU it
// costs (target under 3 % of one core) and how late the ticks fire against their due time
// (target 2 ms at most). Needs a display: run under xvfb-run -a.

#include "platform/application.h"
#include "platform/window.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <poll.h>
#include <sys/resource.h>
#include <vector>

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
        std::vector<Clock::duration> lateness;
        lateness.reserve(1000);
        long idleCalls = 0;
        app.SetIdleHandler([&] {
            ++idleCalls;
            const Clock::time_point now = Clock::now();
            if (now - lastTick >= kPeriod) {
                lateness.push_back(now - (lastTick + kPeriod));
                lastTick = now;
            }
            if (now - start >= duration) {
                app.Quit();
            }
            return scrivel::platform::IdleNext::Again;
        });
        app.Run();
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = CpuSeconds() - cpuStart;

        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
        std::sort(lateness.begin(), lateness.end());
        auto milliseconds = [](Clock::duration d) {
            return std::chrono::duration<double, std::milli>(d).count();
        };
        state.counters["max_lateness_ms"] = milliseconds(lateness.back());
        state.counters["p99_lateness_ms"] = milliseconds(lateness[lateness.size() * 99 / 100]);
        state.counters["ticks"] = static_cast<double>(lateness.size());
        state.counters["idle_calls_per_s"] = static_cast<double>(idleCalls) / wall;
    }
}
BENCHMARK(BM_IdleLoopWith50msTick)
    ->Arg(10)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// The reference: a loop doing nothing but sleeping 1 ms at a time, which is what waking a
// thousand times a second costs on this machine whatever the loop does.
void BM_BarePoll1ms(benchmark::State& state) {
    const auto duration = std::chrono::seconds(state.range(0));
    for (auto _ : state) {
        const double cpuStart = CpuSeconds();
        const Clock::time_point start = Clock::now();
        while (Clock::now() - start < duration) {
            poll(nullptr, 0, 1);
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * (CpuSeconds() - cpuStart) / wall;
    }
}
BENCHMARK(BM_BarePoll1ms)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
