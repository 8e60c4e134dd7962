#include "render/lettre.h"

#include <cstdlib>

namespace scrivel {

TLettre::TLettre(std::uint8_t letter, TFontTexMg* fontBank, float width, float height)
    : Letter(letter), FontBank(fontBank) {
    Width = width;
    Height = height;
    if (letter == 0) {
        Letter = static_cast<std::uint8_t>('a' + std::rand() % 26);
        Joker = true;
    }
}

void TLettre::PreviousLetter() {
    if (Joker) {
        Letter = Letter <= 'a' ? 'z' : static_cast<std::uint8_t>(Letter - 1);
    }
}

void TLettre::NextLetter() {
    if (Joker) {
        Letter = Letter >= 'z' ? 'a' : static_cast<std::uint8_t>(Letter + 1);
    }
}

void TLettre::SetLetter(std::uint8_t code) {
    if (Joker) {
        Letter = code;
    }
}

} // namespace scrivel
