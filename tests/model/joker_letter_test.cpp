#include "model/joker_letter.h"

#include <gtest/gtest.h>
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

} // namespace
} // namespace scrivel
