// Start-up of the rules with the full dictionary, and one placement search on a full 12 x 12 grid.
#include "model/game_data.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using scrivel::TGameData;

class SilentView : public scrivel::GameView {
public:
    void SetOptions(scrivel::TOptionsData&) override {}
    void SetScoreList(const scrivel::platform::StringList&) override {}
    void SetLetterArray(scrivel::TLetterArray&) override {}
    void SetScore(int) override {}
    void SetPlayerName(const std::string&) override {}
    void AddFoundWord(const std::string&, int, scrivel::WordDirection, int) override { ++found; }
    void SetNextLetter(std::uint8_t) override {}
    int found = 0;
};

// A folder holding the generated word base and a 12 x 12 options file, removed at the end.
class Folder {
public:
    Folder() {
        char pattern[] = "/tmp/scrivel-bench-XXXXXX";
        path_ = std::string(mkdtemp(pattern)) + "/";
        std::filesystem::copy_file(SCRIVEL_GAME_DIR "words.let", path_ + "words.let");
        std::FILE* f = std::fopen((path_ + "options.ini").c_str(), "wb");
        std::fputs("[GridSize]\r\nSize=12\r\n", f);
        std::fclose(f);
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void BM_GameDataStartUp(benchmark::State& state) {
    Folder folder;
    SilentView view;
    for (auto _ : state) {
        TGameData game(view, scrivel::platform::GameFolders::Beside(folder.Path()), 1);
        benchmark::DoNotOptimize(game.Pool().Count());
    }
}
BENCHMARK(BM_GameDataStartUp)->Unit(benchmark::kMillisecond);

void BM_PlaceLetterOnFullGrid(benchmark::State& state) {
    Folder folder;
    SilentView view;
    TGameData game(view, scrivel::platform::GameFolders::Beside(folder.Path()), 1);
    game.SetJokerOdds(0);
    // Consonants that spell no French word, with the top cell of the last column left free, so
    // every length is searched across and down without finding anything.
    const std::string filler = "qxzkwjqzxwkjqzkxwj";
    auto fill = [&] {
        for (int c = 0; c < 12; ++c) {
            for (int r = 0; r < 12; ++r) {
                game.Grid().SetCell(c, r, static_cast<std::uint8_t>(filler[(c * 5 + r * 7) % 18]));
            }
        }
        game.Grid().SetCell(11, 0, 0);
    };
    for (auto _ : state) {
        state.PauseTiming();
        fill();
        state.ResumeTiming();
        game.PlaceLetter('q', 11, 0);
    }
    if (view.found != 0 || game.GameOver()) {
        state.SkipWithError("the filler grid held a word or was full");
    }
}
BENCHMARK(BM_PlaceLetterOnFullGrid)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
