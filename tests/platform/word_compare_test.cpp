#include "platform/word_compare.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace scrivel::platform {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// Pairs that share a prefix and differ in one place, where the fine points of the order (accents,
// case, length, ignorable bytes, contractions) decide. Sort keys give the collator's own verdict.
void ExpectMatchesCollator(const WordCompare& compare, std::string_view alphabet, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&] { return alphabet[random() % alphabet.size()]; };
    for (int i = 0; i < 40000; ++i) {
        std::string a(1 + random() % 9, ' ');
        std::generate(a.begin(), a.end(), pick);
        std::string b = a;
        const unsigned change = random() % 3;
        if (change == 1) {
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(random() % (b.size() + 1)), pick());
        } else {
            if (change == 2) {
                b[0] = pick();
            }
            b[random() % b.size()] = pick();
        }
        const int want = Sign(compare.SortKey(a).compare(compare.SortKey(b)));
        ASSERT_EQ(Sign(compare.Compare(a, b)), want) << seed << ": '" << a << "' '" << b << "'";
        ASSERT_EQ(Sign(compare.Compare(b, a)), -want);
    }
}

TEST(WordCompare, IgnoresCaseAndTheEnvironmentAndWeighsAccentsOnlyBetweenOtherwiseEqualWords) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("LC_ALL", "C", 1); // where ICU's default locale orders capitals apart
    const WordCompare compare;
    saved != nullptr ? setenv("LC_ALL", restore.c_str(), 1) : unsetenv("LC_ALL");
    EXPECT_EQ(compare.Compare("chat", "CHAT"), 0);
    EXPECT_LT(compare.Compare("abri", "Zebu"), 0);
    EXPECT_EQ(compare.Compare("\xC9t\xC9", "\xE9t\xE9"), 0); // ÉTÉ, été
    EXPECT_LT(compare.Compare("pate", "p\xE2te"), 0);        // pâte
    EXPECT_LT(compare.Compare("P\xC2TE", "pater"), 0);
    EXPECT_LT(compare.Compare("cot\xE9", "c\xF4te"), 0); // coté, côte: the first accent decides
    EXPECT_LT(compare.Compare("chat", "chats"), 0);
    EXPECT_LT(compare.Compare("", "a"), 0);
    const std::string stem(200, 'e'); // longer than any buffer kept on the stack
    EXPECT_LT(compare.Compare(stem + "e", stem + "\xE9"), 0);
    EXPECT_EQ(compare.Compare(stem + "\1A", stem + "a"), 0);
}

TEST(WordCompare, MatchesTheCollatorOnRandomWords) {
    const WordCompare compare;
    const std::string plain = "abcdefghijklmnopqrstuvwxyz";
    const std::string accented = "\xE0\xE1\xE2\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF1\xF4\xF6\xF8"
                                 "\xF9\xFB\xFC\xFD\xFF\xC0\xC2\xC7\xC9\xC8\xCA\xD6\xD8\xDB";
    std::string everyByte(256, '\0');
    std::iota(everyByte.begin(), everyByte.end(), '\0');
    ExpectMatchesCollator(compare, plain, 1);
    ExpectMatchesCollator(compare, "aeAE" + accented, 2);
    ExpectMatchesCollator(compare, plain + "ABCXYZ" + accented, 3);
    ExpectMatchesCollator(compare, "abklmLM\xB7\xE9\xE6\xDF\xAA\xAD -09\r\n\x01", 4);
    ExpectMatchesCollator(compare, everyByte, 5);
}

} // namespace
} // namespace scrivel::platform
