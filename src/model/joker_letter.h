#pragma once

#include <cstdint>
#include <string>

namespace scrivel {

// A letter's code and whether the player may still change it. A joker's letter steps round 'a' to
// 'z' or is set from a typed key while it falls; any other letter never changes.
class JokerLetter {
public:
    // Code 0 makes a joker holding a random lower-case letter drawn with rand().
    explicit JokerLetter(std::uint8_t code);

    // The three changers act on jokers only and wrap between 'a' and 'z'.
    void PreviousLetter();
    void NextLetter();
    void SetLetter(std::uint8_t code);

    std::uint8_t Letter = 'a';
    bool Joker = false;
};

// A typed key as a joker's letter: capitals become lower case, anything else stays as it is.
std::uint8_t JokerKey(char key);

// The name being typed after a key: Backspace removes the last character, when there is one;
// any other key is appended. There is no length limit.
void EditNameText(std::string& name, char key);

} // namespace scrivel
