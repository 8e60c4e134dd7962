#include "lexicon.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace scrivel {
namespace {

// A hunspell word list with a count line and CR LF endings, accents, capitals, duplicates and
// words the game cannot spell.
TEST(Lexicon, KeepsEachPlayableWordOnceInLatin1) {
    const char* lines[] = {
        "\xEF\xBB\xBF"
        "12\r",            // byte-order mark and hunspell's count: not a word
        "été/S\r",         // flags stripped; accents kept as Latin-1 for the game to fold
        "chat\tpo:nom",    // a morphological field
        "Paris",           // a proper noun
        "chat",            // a duplicate
        "ÉTÉ",             // capitals, accented or not
        "oe",              // too short
        "cœur",            // œ is outside the alphabet
        "naïf",            // kept
        "porte-clé",       // a hyphen
        "cat's",           // an English possessive: the apostrophe is outside the alphabet
        "abc1",            // a digit
        "",                // blank lines are not words
        "\xC3",            // cut UTF-8
        "straße",          // ß is outside the alphabet
        "abcdefghijklmno", // long words are kept
        "12",              // a number after the first line is an ordinary (dropped) word
    };
    Lexicon lexicon;
    for (const char* line : lines) {
        lexicon.AddLine(line);
    }
    EXPECT_EQ(lexicon.Base(), "\xE9t\xE9/chat/na\xEF"
                              "f/abcdefghijklmno/");
    EXPECT_EQ(lexicon.KeptPerLength(), (std::map<std::size_t, int>{{3, 1}, {4, 2}, {15, 1}}));
    EXPECT_EQ(lexicon.Kept(), 4);
    EXPECT_EQ(lexicon.Duplicates(), 1);
    EXPECT_EQ(lexicon.Dropped(), 10);
}

} // namespace
} // namespace scrivel
