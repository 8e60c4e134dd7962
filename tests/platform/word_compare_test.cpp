#include "platform/word_compare.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace scrivel::platform {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// The collator's own verdict: ICU guarantees that sort keys order exactly as it compares.
int ByKeys(const WordCompare& compare, const std::string& a, const std::string& b) {
    return Sign(compare.SortKey(a).compare(compare.SortKey(b)));
}

// Pairs that share a prefix and differ in one place, where the fine points of the order (accents,
// case, length, ignorable bytes, contractions) decide.
void ExpectMatchesCollator(const WordCompare& compare, std::string_view alphabet, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&] { return alphabet[random() % alphabet.size()]; };
    for (int i = 0; i < 40000; ++i) {
        std::string a;
        for (size_t j = 0, length = 1 + random() % 9; j < length; ++j) {
            a += pick();
        }
        std::string b = a;
        switch (random() % 3) {
        case 0:
            b[random() % b.size()] = pick();
            break;
        case 1:
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(random() % (b.size() + 1)), pick());
            break;
        default:
            b[0] = pick();
            b[random() % b.size()] = pick();
            break;
        }
        ASSERT_EQ(Sign(compare.Compare(a, b)), ByKeys(compare, a, b))
            << "seed " << seed << ": '" << a << "' against '" << b << "'";
        ASSERT_EQ(Sign(compare.Compare(b, a)), -ByKeys(compare, a, b));
    }
}

TEST(WordCompare, IgnoresCaseAndWeighsAccentsOnlyBetweenOtherwiseEqualWords) {
    const WordCompare compare;
    EXPECT_EQ(compare.Compare("chat", "CHAT"), 0);
    EXPECT_EQ(compare.Compare("\xC9t\xC9", "\xE9t\xE9"), 0); // ÉTÉ, été
    EXPECT_LT(compare.Compare("pate", "p\xE2te"), 0);        // pâte
    EXPECT_LT(compare.Compare("P\xC2TE", "pater"), 0);
    EXPECT_LT(compare.Compare("cot\xE9", "c\xF4te"), 0); // coté, côte: the first accent decides
    EXPECT_LT(compare.Compare("chat", "chats"), 0);
    EXPECT_LT(compare.Compare("", "a"), 0);
    const std::string stem(200, 'e'); // longer than any buffer kept on the stack
    EXPECT_LT(compare.Compare(stem + "e", stem + "\xE9"), 0);
    EXPECT_EQ(compare.Compare(stem + "\x01"
                                     "A",
                              stem + "a"),
              0);
}

TEST(WordCompare, BytesOutsideTheLettersFollowTheCollator) {
    const WordCompare compare;
    // Control bytes and the soft hyphen weigh nothing, wherever they stand.
    EXPECT_EQ(compare.Compare("a\x01"
                              "b",
                              "ab"),
              0);
    EXPECT_EQ(compare.Compare("ab", std::string("ab\0", 3)), 0);
    EXPECT_EQ(compare.Compare("chat\xAD", "chat"), 0);
    // æ and ß expand to two letters; digits and spaces come before letters.
    EXPECT_GT(compare.Compare("\xE6", "ad"), 0);
    EXPECT_LT(compare.Compare("\xE6", "af"), 0);
    EXPECT_GT(compare.Compare("\xDF", "sr"), 0);
    EXPECT_LT(compare.Compare("a b", "a1"), 0);
    EXPECT_LT(compare.Compare("a1", "aa"), 0);
    // A contraction: l and a middle dot weigh as an l with a mark.
    EXPECT_GT(compare.Compare("l\xB7"
                              "a",
                              "la"),
              0);
    EXPECT_LT(compare.Compare("l\xB7"
                              "a",
                              "lb"),
              0);
}

TEST(WordCompare, IgnoresTheLanguageOfTheEnvironment) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("LC_ALL", "C", 1);
    const WordCompare compare;
    EXPECT_EQ(compare.Compare("Chat", "chat"), 0);
    EXPECT_LT(compare.Compare("abri", "Zebu"), 0);
    saved != nullptr ? setenv("LC_ALL", restore.c_str(), 1) : unsetenv("LC_ALL");
}

TEST(WordCompare, MatchesTheCollatorOnRandomWords) {
    const WordCompare compare;
    const std::string plain = "abcdefghijklmnopqrstuvwxyz";
    const std::string accented = "\xE0\xE1\xE2\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF1\xF4\xF6\xF8"
                                 "\xF9\xFB\xFC\xFD\xFF\xC0\xC2\xC7\xC9\xC8\xCA\xD6\xD8\xDB";
    ExpectMatchesCollator(compare, plain, 1);
    ExpectMatchesCollator(compare, "aeAE" + accented, 2);
    ExpectMatchesCollator(compare, plain + "ABCXYZ" + accented, 3);
    ExpectMatchesCollator(compare, "abklmLM\xB7\xE9\xE6\xDF\xAA\xAD -09\r\n\x01", 4);
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    ExpectMatchesCollator(compare, everyByte, 5);

    // Plain lower-case words: the collator's order is their byte order.
    std::mt19937 random(6);
    for (int i = 0; i < 20000; ++i) {
        std::string a(1 + random() % 6, 'a');
        std::generate(a.begin(), a.end(), [&] { return plain[random() % 26]; });
        std::string b = a.substr(0, random() % a.size()) + plain[random() % 26];
        ASSERT_EQ(ByKeys(compare, a, b), Sign(a.compare(b))) << a << " " << b;
        ASSERT_EQ(Sign(compare.Compare(a, b)), Sign(a.compare(b))) << a << " " << b;
    }
}

TEST(WordCompare, MatchesTheCollatorOnTheWordBase) {
    const WordCompare compare;
    std::ifstream in(std::string(SCRIVEL_GAME_DIR) + "words.let", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> words;
    std::mt19937 random(11);
    for (size_t start = 0, end = bytes.find('/'); end != std::string::npos;
         start = end + 1, end = bytes.find('/', start)) {
        words.push_back(bytes.substr(start, end - start));
        // With a capital and an accent somewhere, so that neighbours differ in the ways that
        // matter.
        if (words.size() % 3 == 0) {
            std::string variant = words.back();
            variant[random() % variant.size()] = "\xE9\xE8\xE0\xF4\xFB\xEF"[random() % 6];
            variant[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(variant[0])));
            words.push_back(variant);
        }
    }
    ASSERT_GT(words.size(), 400000u) << "words.let is generated by the build";

    std::vector<std::pair<std::string, const std::string*>> keyed;
    for (const std::string& word : words) {
        keyed.emplace_back(compare.SortKey(word), &word);
    }
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 1; i < keyed.size(); ++i) {
        ASSERT_EQ(Sign(compare.Compare(*keyed[i - 1].second, *keyed[i].second)),
                  Sign(keyed[i - 1].first.compare(keyed[i].first)))
            << *keyed[i - 1].second << " " << *keyed[i].second;
    }
}

} // namespace
} // namespace scrivel::platform
