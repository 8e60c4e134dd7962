#include "render/lettre.h"

#include "render/font_tex_mg.h"

#include <GL/gl.h>
#include <algorithm>
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

float TLettre::Pulse() {
    if (!Joker) {
        return 0.0f;
    }
    // Sums of 0.05 miss the limits by a hair; without the slack the cube would swell and
    // shrink one whole step too far.
    constexpr float slack = 1e-4f;
    PulseOffset += PulseStep;
    if (PulseOffset >= Width * PulseLimit - slack) {
        PulseStep = -PulseSpeed;
    }
    if (PulseOffset <= slack) {
        PulseStep = PulseSpeed;
    }
    return PulseOffset;
}

void TLettre::DrawAt(std::uint8_t code, float px, float py) {
    x = px;
    y = py;
    Letter = code;
    Draw();
}

void TLettre::DrawAt(std::uint8_t code, float px, float py, float pz) {
    z = pz;
    DrawAt(code, px, py);
}

void TLettre::Draw() {
    // Green for 'A' shading to magenta for 'Z'; a joker flickers through the whole range. The
    // colour only shows on a letter without a glyph texture.
    const int index =
        Joker ? std::rand() % 26 : static_cast<int>(static_cast<std::int8_t>(Letter)) - 'A';
    const float c = static_cast<float>(index) / 26.0f;
    glColor3f(std::clamp(c, 0.0f, 1.0f), std::clamp(1.0f - c, 0.0f, 1.0f),
              std::clamp(c, 0.0f, 1.0f));

    const float grow = Pulse();
    textureName_ = FontBank != nullptr ? FontBank->GlyphName(Letter) : 0;
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glBindTexture(GL_TEXTURE_2D, textureName_);
    glBegin(GL_QUADS);
    EmitFaces(grow);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void TLettre::DrawCellFrame(float px, float py) {
    x = px;
    y = py;
    Letter = 'A';
    const float grow = Pulse();
    glDisable(GL_TEXTURE_2D);
    glColor3f(0.2f, 0.8f, 0.2f);
    glBegin(GL_LINE_LOOP);
    EmitFaces(grow);
    glEnd();
}

void TLettre::EmitFaces(float grow) const {
    const float hx = Width * 0.5f + grow;
    const float hy = Height * 0.5f + grow;
    const float hz = Width * 0.5f + grow;
    const float cx = x;
    const float cy = y - 1.0f;
    const float cz = z;

    // Corner signs of each face, top, bottom, front, back, right, left; every face maps the
    // whole glyph so that it reads upright on the front.
    static constexpr signed char kFaces[6][4][3] = {
        {{-1, 1, 1}, {-1, 1, -1}, {1, 1, -1}, {1, 1, 1}},
        {{-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}, {1, -1, 1}},
        {{-1, -1, 1}, {-1, 1, 1}, {1, 1, 1}, {1, -1, 1}},
        {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}},
        {{1, -1, 1}, {1, 1, 1}, {1, 1, -1}, {1, -1, -1}},
        {{-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}},
    };
    const float texture[4][2] = {
        {TexRight, TexBottom}, {TexLeft, TexBottom}, {TexLeft, TexTop}, {TexRight, TexTop}};
    for (const auto& face : kFaces) {
        for (int v = 0; v < 4; ++v) {
            glTexCoord2f(texture[v][0], texture[v][1]);
            glVertex3f(cx + face[v][0] * hx, cy + face[v][1] * hy, cz + face[v][2] * hz);
        }
    }
}

} // namespace scrivel
