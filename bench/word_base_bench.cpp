// What the player waits for at start-up: words.let read, split into its eight lists, the six lists
// the game plays with sorted without duplicates and copied out.

#include "model/word_base.h"
#include "platform/string_list.h"
#include "platform/word_compare.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace scrivel {
namespace {

std::string WordFile() {
    return std::string(SCRIVEL_GAME_DIR) + "words.let";
}

void BM_LoadWordBase(benchmark::State& state) {
    const platform::WordCompare compare;
    std::array<platform::StringList, 6> lists;
    for (auto _ : state) {
        TBase base(WordFile(), compare);
        for (int i = 0; i < 6; ++i) {
            base.CopyList(i, lists[static_cast<size_t>(i)]);
        }
        benchmark::DoNotOptimize(lists);
    }
    int words = 0;
    for (const platform::StringList& list : lists) {
        words += list.Count();
    }
    state.counters["words"] = words;
}
BENCHMARK(BM_LoadWordBase)->Unit(benchmark::kMillisecond);

// The same words in a shuffled order, written once to a temporary file: the order of words.let is
// free, and then every list has to be sorted.
class ShuffledWordFile {
public:
    ShuffledWordFile() {
        std::ifstream in(WordFile(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::vector<std::string> words;
        size_t start = 0;
        for (size_t end = bytes.find('/'); end != std::string::npos; end = bytes.find('/', start)) {
            words.push_back(bytes.substr(start, end - start + 1));
            start = end + 1;
        }
        std::shuffle(words.begin(), words.end(), std::mt19937(42));
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        for (const std::string& word : words) {
            out << word;
        }
    }
    ~ShuffledWordFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    ShuffledWordFile(const ShuffledWordFile&) = delete;
    ShuffledWordFile& operator=(const ShuffledWordFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_ = (std::filesystem::temp_directory_path() /
                         ("scrivel-shuffled-" + std::to_string(std::random_device()()) + ".let"))
                            .string();
};

void BM_LoadShuffledWordBase(benchmark::State& state) {
    const ShuffledWordFile file;
    const platform::WordCompare compare;
    std::array<platform::StringList, 6> lists;
    for (auto _ : state) {
        TBase base(file.Path(), compare);
        for (int i = 0; i < 6; ++i) {
            base.CopyList(i, lists[static_cast<size_t>(i)]);
        }
        benchmark::DoNotOptimize(lists);
    }
}
BENCHMARK(BM_LoadShuffledWordBase)->Unit(benchmark::kMillisecond);

// Reading and splitting alone, for comparison: no list is sorted.
void BM_ReadAndSplit(benchmark::State& state) {
    const platform::WordCompare compare;
    for (auto _ : state) {
        TBase base(WordFile(), compare);
        benchmark::DoNotOptimize(base);
    }
}
BENCHMARK(BM_ReadAndSplit)->Unit(benchmark::kMillisecond);

// The two long lists the game never reads, sorted as well.
void BM_LoadAllLists(benchmark::State& state) {
    const platform::WordCompare compare;
    for (auto _ : state) {
        TBase base(WordFile(), compare);
        int words = 0;
        for (int i = 0; i < TBase::ListCount; ++i) {
            words += base.WordCount(i);
        }
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_LoadAllLists)->Unit(benchmark::kMillisecond);

void BM_CreateWordCompare(benchmark::State& state) {
    for (auto _ : state) {
        platform::WordCompare compare;
        benchmark::DoNotOptimize(compare);
    }
}
BENCHMARK(BM_CreateWordCompare)->Unit(benchmark::kMillisecond);

void BM_CompareAccentedWords(benchmark::State& state) {
    const platform::WordCompare compare;
    const std::string a = "d\xE9velopp\xE2mes";
    const std::string b = "d\xE9velopp\xE2tes";
    for (auto _ : state) {
        benchmark::DoNotOptimize(compare.Compare(a, b));
    }
}
BENCHMARK(BM_CompareAccentedWords);

// Bytes outside the letters: ICU's own comparison.
void BM_CompareThroughTheCollator(benchmark::State& state) {
    const platform::WordCompare compare;
    const std::string a = "porte-monnaie";
    const std::string b = "porte-mine";
    for (auto _ : state) {
        benchmark::DoNotOptimize(compare.Compare(a, b));
    }
}
BENCHMARK(BM_CompareThroughTheCollator);

} // namespace
} // namespace scrivel

BENCHMARK_MAIN();
