// One skin change of the main form, as the F3 button makes it: hide, load and apply the next
// skin (picture, mask, outline, buttons), move the game's panel, show at the corner. Needs an X
// display (run under xvfb-run -a); it is not part of the test suite.
#include "platform/application.h"
#include "shell/gl_panel.h"
#include "shell/scrivel_form.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void SkinChange(benchmark::State& state) {
    // The skin pictures are looked up from the current directory, as the run script arranges.
    std::filesystem::current_path(SCRIVEL_GAME_DIR);
    scrivel::platform::Application app;
    scrivel::TScrivelForm form(app, scrivel::platform::GameFolders::Beside(SCRIVEL_GAME_DIR));
    form.Show();
    app.Sync();
    for (auto _ : state) {
        form.NextSkin();
        app.Sync();
        app.ProcessMessages();
    }
}
BENCHMARK(SkinChange)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    scrivel::TGLPanel::InitGlut(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
