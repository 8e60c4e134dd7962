#pragma once

#include "scene/gl_object.h"

#include <cstdint>

namespace scrivel {

class TFontTexMg;

// One letter as a cube of the scene. A joker's letter can be changed by the player while it falls.
class TLettre : public TGLObject {
public:
    // Code 0 makes a joker holding a random lower-case letter.
    TLettre(std::uint8_t letter, TFontTexMg* fontBank, float width, float height);

    void SetWidth(float width) override { Width = width; }
    void SetHeight(float height) override { Height = height; }

    // The three changers act on jokers only and wrap between 'a' and 'z'.
    void PreviousLetter();
    void NextLetter();
    void SetLetter(std::uint8_t code);

    std::uint8_t Letter = 'a';
    bool Joker = false;
    float x = 0.0f;
    float y = 0.0f;
    float z = 2.0f;
    float PulseOffset = 0.0f;
    float PulseStep = 0.05f;
    float TexLeft = 0.0f;
    float TexRight = 1.0f;
    float TexBottom = 0.0f;
    float TexTop = 1.0f;
    TFontTexMg* FontBank = nullptr;
    unsigned TextureName = 0;
};

} // namespace scrivel
