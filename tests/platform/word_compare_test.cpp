#include "platform/word_compare.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {
namespace {

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

// The English base sorts as an English dictionary does.
TEST(WordCompare, InEnglishIgnoresCaseAndPutsPunctuationBeforeLetters) {
    const WordCompare compare(texts::Language::English);
    EXPECT_EQ(compare.Compare("apple", "APPLE"), 0);
    EXPECT_LT(compare.Compare("Apple", "apples"), 0);
    EXPECT_GT(compare.Compare("Banana", "apple"), 0);
    EXPECT_LT(compare.Compare("resume", "r\xE9sum\xE9"), 0); // résumé
    EXPECT_LT(compare.Compare("r\xE9sum\xE9", "resumes"), 0);
    EXPECT_LT(compare.Compare("can't", "cant"), 0);
    EXPECT_LT(compare.Compare("co-op", "coop"), 0);
}

} // namespace
} // namespace scrivel::platform
