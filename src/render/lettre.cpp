#include "render/lettre.h"

#include "render/font_tex_mg.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scrivel {

namespace {

// The bottom, back and left faces are wound the other way round from the top, front and right
// ones, so with back faces culled GL draws them only when the eye is inside their planes: they
// then face away, behind the near faces. They can show only through a near face that is culled
// (the eye is outside a far face's plane) or cut away by the near plane. True when neither can
// happen: the far faces are then hidden, and rasterising them was a third of the board's cost.
// Letters are opaque (alpha 1), so what lies behind a near face never blends into it.
bool FarFacesHidden(float cx, float cy, float cz, float hx, float hy, float hz) {
    GLint cullMode = 0;
    GLint frontFace = 0;
    GLint depthFunc = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullMode);
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    if (glIsEnabled(GL_CULL_FACE) == GL_FALSE || cullMode != GL_BACK || frontFace != GL_CW ||
        glIsEnabled(GL_DEPTH_TEST) == GL_FALSE ||
        (depthFunc != GL_LESS && depthFunc != GL_LEQUAL)) {
        return false;
    }
    GLfloat m[16];
    GLfloat p[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    // Only a perspective view has its eye at the origin.
    if (p[3] != 0.0f || p[7] != 0.0f || p[11] != -1.0f || p[15] != 0.0f) {
        return false;
    }
    // The eye in the cube's frame: solve A e = -t for the modelview's linear part A, by Cramer.
    const double a[3][3] = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}, {m[2], m[6], m[10]}};
    const double t[3] = {-m[12], -m[13], -m[14]};
    const auto det = [](const double(&k)[3][3]) {
        return k[0][0] * (k[1][1] * k[2][2] - k[1][2] * k[2][1]) -
               k[0][1] * (k[1][0] * k[2][2] - k[1][2] * k[2][0]) +
               k[0][2] * (k[1][0] * k[2][1] - k[1][1] * k[2][0]);
    };
    const double d = det(a);
    if (std::fabs(d) < 1e-12 || m[3] != 0.0f || m[7] != 0.0f || m[11] != 0.0f) {
        return false;
    }
    double eye[3];
    for (int c = 0; c < 3; ++c) {
        double k[3][3];
        for (int r = 0; r < 3; ++r) {
            for (int j = 0; j < 3; ++j) {
                k[r][j] = j == c ? t[r] : a[r][j];
            }
        }
        eye[c] = det(k) / d;
    }
    const bool insideFarPlanes = eye[0] > cx - hx && eye[1] > cy - hy && eye[2] > cz - hz;
    const bool outsideCube = eye[0] > cx + hx || eye[1] > cy + hy || eye[2] > cz + hz;
    if (!insideFarPlanes || !outsideCube) {
        return false;
    }
    // No corner before the near plane, nor behind the eye.
    for (int corner = 0; corner < 8; ++corner) {
        const float v[3] = {cx + ((corner & 1) != 0 ? hx : -hx),
                            cy + ((corner & 2) != 0 ? hy : -hy),
                            cz + ((corner & 4) != 0 ? hz : -hz)};
        float e[4];
        for (int r = 0; r < 4; ++r) {
            e[r] = m[r] * v[0] + m[4 + r] * v[1] + m[8 + r] * v[2] + m[12 + r];
        }
        float clip[4];
        for (int r = 0; r < 4; ++r) {
            clip[r] = p[r] * e[0] + p[4 + r] * e[1] + p[8 + r] * e[2] + p[12 + r] * e[3];
        }
        if (clip[3] <= 0.0f || clip[2] < -clip[3]) {
            return false;
        }
    }
    return true;
}

} // namespace

TLettre::TLettre(std::uint8_t letter, TFontTexMg* fontBank, float width, float height)
    : JokerLetter(letter), FontBank(fontBank) {
    Width = width;
    Height = height;
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
    const bool farHidden =
        SkipHiddenFaces && FarFacesHidden(x, y - 1.0f, z, Width * 0.5f + grow, Height * 0.5f + grow,
                                          Width * 0.5f + grow);
    glBegin(GL_QUADS);
    EmitFaces(grow, !farHidden);
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
    EmitFaces(grow, true);
    glEnd();
}

void TLettre::EmitFaces(float grow, bool farFaces) const {
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
    for (int f = 0; f < 6; ++f) {
        // The far faces are the odd ones: bottom, back, left.
        if (f % 2 == 1 && !farFaces) {
            continue;
        }
        const auto& face = kFaces[f];
        for (int v = 0; v < 4; ++v) {
            glTexCoord2f(texture[v][0], texture[v][1]);
            glVertex3f(cx + face[v][0] * hx, cy + face[v][1] * hy, cz + face[v][2] * hz);
        }
    }
}

} // namespace scrivel
