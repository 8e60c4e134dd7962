#include "platform/word_compare.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace scrivel::platform {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(WordCompare, IgnoresCaseAndTheEnvironmentAndWeighsAccentsOnlyBetweenOtherwiseEqualWords) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("LC_ALL", "C", 1); // where ICU's default locale orders capitals apart
    const WordCompare compare;
    saved != nullptr ? setenv("LC_ALL", restore.c_str(), 1) : unsetenv("LC_ALL");
    EXPECT_EQ(compare.Compare("\xC9t\xC9", "\xE9t\xE9"), 0); // ÉTÉ, été
    EXPECT_LT(compare.Compare("pate", "p\xE2te"), 0);        // pâte
    EXPECT_LT(compare.Compare("P\xC2TE", "pater"), 0);
    EXPECT_LT(compare.Compare("cot\xE9", "c\xF4te"), 0); // coté, côte: the first accent decides
    const std::string stem(200, 'e');                    // longer than any buffer kept on the stack
    EXPECT_LT(compare.Compare(stem + "e", stem + "\xE9"), 0);
}

// Pairs that share a prefix and differ in one place, where the fine points of the order decide.
// Sort keys give the collator's own verdict.
TEST(WordCompare, MatchesTheCollatorOnRandomWords) {
    const WordCompare compare;
    const std::string alphabet =
        "abcklmzABZ\xE0\xE2\xE7\xE9\xE8\xEA\xEE\xF4\xFB\xC9\xB7\xE6\xDF -\1";
    std::mt19937 random(1);
    auto pick = [&] { return alphabet[random() % alphabet.size()]; };
    for (int i = 0; i < 100000; ++i) {
        std::string a(1 + random() % 9, ' ');
        std::generate(a.begin(), a.end(), pick);
        std::string b = a;
        if (random() % 2 == 1) {
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(random() % (b.size() + 1)), pick());
        } else {
            b[random() % b.size()] = pick();
        }
        const int want = Sign(compare.SortKey(a).compare(compare.SortKey(b)));
        ASSERT_EQ(Sign(compare.Compare(a, b)), want) << "'" << a << "' '" << b << "'";
    }
}

} // namespace
} // namespace scrivel::platform
