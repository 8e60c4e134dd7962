#include "render/lettre.h"

#include "render/eye_view.h"
#include "render/font_tex_mg.h"

#include <GL/gl.h>
#include <algorithm>

namespace scrivel {

int TLettre::ColourIndex(std::uint8_t code) {
    return static_cast<int>(static_cast<std::int8_t>(code)) - 'A';
}

void TLettre::Draw(std::uint8_t code, float x, float y, float z, float grow,
                   int colourIndex) const {
    const float c = static_cast<float>(colourIndex) / 26.0f;
    glColor3f(std::clamp(c, 0.0f, 1.0f), std::clamp(1.0f - c, 0.0f, 1.0f),
              std::clamp(c, 0.0f, 1.0f));

    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glBindTexture(GL_TEXTURE_2D, fontBank_ != nullptr ? fontBank_->GlyphName(code) : 0);
    const float half = width_ * 0.5f + grow;
    const bool farHidden =
        eye_ != nullptr && eye_->FarFacesHidden(x, y - 1.0f, z, half, height_ * 0.5f + grow, half);
    glBegin(GL_QUADS);
    EmitFaces(x, y, z, grow, !farHidden);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void TLettre::DrawCellFrame(float x, float y, float z) const {
    glDisable(GL_TEXTURE_2D);
    glColor3f(0.2f, 0.8f, 0.2f);
    glBegin(GL_LINE_LOOP);
    EmitFaces(x, y, z, 0.0f, true);
    glEnd();
}

void TLettre::EmitFaces(float x, float y, float z, float grow, bool farFaces) const {
    const float hx = width_ * 0.5f + grow;
    const float hy = height_ * 0.5f + grow;
    const float hz = width_ * 0.5f + grow;
    const float cy = y - 1.0f;

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
    static constexpr float kTexture[4][2] = {{1, 0}, {0, 0}, {0, 1}, {1, 1}};
    for (int f = 0; f < 6; ++f) {
        // The far faces are the odd ones: bottom, back, left.
        if (f % 2 == 1 && !farFaces) {
            continue;
        }
        const auto& face = kFaces[f];
        for (int v = 0; v < 4; ++v) {
            glTexCoord2f(kTexture[v][0], kTexture[v][1]);
            glVertex3f(x + face[v][0] * hx, cy + face[v][1] * hy, z + face[v][2] * hz);
        }
    }
}

} // namespace scrivel
