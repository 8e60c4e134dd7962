#pragma once

#include "model/joker_letter.h"
#include "scene/gl_object.h"

#include <cstdint>

namespace scrivel {

class TFontTexMg;

// One letter as a cube of the scene. A joker's letter can be changed by the player while it falls
// (JokerLetter's rules).
class TLettre : public TGLObject, public JokerLetter {
public:
    // Code 0 makes a joker holding a random lower-case letter.
    TLettre(std::uint8_t letter, TFontTexMg* fontBank, float width, float height);

    void SetWidth(float width) override { Width = width; }
    void SetHeight(float height) override { Height = height; }

    // Moves the letter, gives it code (a joker too) and draws it with its colour.
    void DrawAt(std::uint8_t code, float px, float py);
    void DrawAt(std::uint8_t code, float px, float py, float pz);
    // The cube textured with the letter's glyph on all six faces, one unit below y.
    void Draw();
    // The green wire outline of an empty cell's cube at (px, py); sets Letter to 'A'.
    void DrawCellFrame(float px, float py);

    // Advances a joker's swelling by one draw and returns how much its cube grows now; 0 for
    // other letters.
    float Pulse();
    // Largest swelling of a joker, as a fraction of its width.
    static constexpr float PulseLimit = 1.0f / 6.0f;
    static constexpr float PulseSpeed = 0.05f;

    float x = 0.0f;
    float y = 0.0f;
    float z = 2.0f;
    float PulseOffset = 0.0f;
    float PulseStep = PulseSpeed;
    float TexLeft = 0.0f;
    float TexRight = 1.0f;
    float TexBottom = 0.0f;
    float TexTop = 1.0f;
    // Leaves out the far faces when they cannot show (the picture is the same, only faster).
    bool SkipHiddenFaces = true;
    TFontTexMg* FontBank = nullptr;

    // The glyph texture of the last cube drawn (the font bank owns it).
    unsigned TextureName() const { return textureName_; }

private:
    // The vertices of the cube's faces, each after its texture coordinate; the bottom, back and
    // left ones only with farFaces.
    void EmitFaces(float grow, bool farFaces) const;

    unsigned textureName_ = 0;
};

} // namespace scrivel
