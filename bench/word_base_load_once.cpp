// One cold start, as the player sees it: a fresh process creates the comparison, loads words.let
// and copies the six playing lists out, once. Prints the times in milliseconds.
//
// Usage: word_base_load_once [words.let]

#include "model/word_base.h"
#include "platform/string_list.h"
#include "platform/word_compare.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    const std::string path = argc > 1 ? argv[1] : std::string(SCRIVEL_GAME_DIR) + "words.let";
    auto milliseconds = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };

    const Clock::time_point start = Clock::now();
    const scrivel::platform::WordCompare compare;
    const Clock::time_point created = Clock::now();
    scrivel::TBase base(path, compare);
    std::array<scrivel::platform::StringList, 6> lists;
    int words = 0;
    for (int i = 0; i < 6; ++i) {
        base.CopyList(i, lists[static_cast<size_t>(i)]);
        words += lists[static_cast<size_t>(i)].Count();
    }
    const Clock::time_point loaded = Clock::now();

    std::printf("comparison created: %.1f ms\n", milliseconds(created - start));
    std::printf("word base loaded, %d words of 3 to 8 letters copied: %.1f ms\n", words,
                milliseconds(loaded - created));
    std::printf("total: %.1f ms\n", milliseconds(loaded - start));
    return words > 0 ? 0 : 1;
}
