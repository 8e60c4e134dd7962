#include "model/joker_letter.h"

#include "platform/key_map.h"

#include <cstdlib>

namespace scrivel {

JokerLetter::JokerLetter(std::uint8_t code) : Letter(code) {
    if (code == 0) {
        Letter = static_cast<std::uint8_t>('a' + std::rand() % 26);
        Joker = true;
    }
}

void JokerLetter::PreviousLetter() {
    if (Joker) {
        Letter = Letter <= 'a' ? 'z' : static_cast<std::uint8_t>(Letter - 1);
    }
}

void JokerLetter::NextLetter() {
    if (Joker) {
        Letter = Letter >= 'z' ? 'a' : static_cast<std::uint8_t>(Letter + 1);
    }
}

void JokerLetter::SetLetter(std::uint8_t code) {
    if (Joker) {
        Letter = code;
    }
}

std::uint8_t JokerKey(char key) {
    const char lower = (key >= 'A' && key <= 'Z') ? static_cast<char>(key - 'A' + 'a') : key;
    return static_cast<std::uint8_t>(lower);
}

void EditNameText(std::string& name, char key) {
    if (key == platform::key::kBackspace) {
        if (!name.empty()) {
            name.pop_back();
        }
        return;
    }
    name += key;
}

} // namespace scrivel
