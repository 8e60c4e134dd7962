#include "model/joker_letter.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace scrivel {
namespace {

TEST(JokerLetter, ChangersWrapBetweenAAndZAndLeaveOtherLettersAlone) {
    // '-' PreviousLetter, '+' NextLetter, any other change is SetLetter with it.
    const struct {
        std::uint8_t start;
        bool joker;
        char change;
        std::uint8_t after;
    } cases[] = {{'a', true, '-', 'z'},  {'z', true, '+', 'a'}, {'m', true, '-', 'l'},
                 {'m', true, '+', 'n'},  {'m', true, 'q', 'q'}, {'a', false, '-', 'a'},
                 {'z', false, '+', 'z'}, {'m', false, 'q', 'm'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.start)) + c.change);
        JokerLetter letter(c.joker ? 0 : c.start);
        ASSERT_EQ(letter.Joker, c.joker);
        letter.Letter = c.start;
        if (c.change == '-') {
            letter.PreviousLetter();
        } else if (c.change == '+') {
            letter.NextLetter();
        } else {
            letter.SetLetter(static_cast<std::uint8_t>(c.change));
        }
        EXPECT_EQ(letter.Letter, c.after);
    }
}

TEST(JokerLetter, AJokerStartsOnAnyLowerCaseLetter) {
    std::srand(3);
    std::set<std::uint8_t> seen;
    for (int i = 0; i < 1000; ++i) {
        seen.insert(JokerLetter(0).Letter);
    }
    EXPECT_EQ(seen.size(), 26u);
    EXPECT_EQ(*seen.begin(), 'a');
    EXPECT_EQ(*seen.rbegin(), 'z');
}

TEST(JokerLetter, TypedKeysAreLowerCased) {
    const std::pair<char, char> keys[] = {
        {'A', 'a'}, {'Q', 'q'}, {'Z', 'z'}, {'q', 'q'}, {'5', '5'}};
    for (const auto& [key, code] : keys) {
        EXPECT_EQ(JokerKey(key), static_cast<std::uint8_t>(code)) << key;
    }
}

TEST(EditNameText, BackspaceErasesTheLastCharacterOtherKeysAppend) {
    std::string name = "Anonyme";
    for (int i = 0; i < 8; ++i) { // one more than there is to erase
        EditNameText(name, 8);
    }
    EXPECT_EQ(name, "");
    for (const char key : {'B', 'o', 'b'}) {
        EditNameText(name, key);
    }
    EXPECT_EQ(name, "Bob");
}

} // namespace
} // namespace scrivel
