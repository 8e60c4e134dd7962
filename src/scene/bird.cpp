#include "scene/bird.h"

#include "scene/texture_mg.h"

#include <GL/gl.h>

namespace scrivel {

namespace {

constexpr int kWingSteps = 30;

// A wing: a fan from the body line (0, 0, 0) .. (0, 0, 2) out along the evaluated edge.
void DrawWing(const TWingTexture& texture, const TWingPoints& points, bool bodyTailFirst) {
    glMap1f(GL_MAP1_TEXTURE_COORD_2, 0.0f, 1.0f, 2, 4, texture.data());
    glMap1f(GL_MAP1_VERTEX_3, 0.0f, 1.0f, 3, 4, points.data());
    glBegin(GL_POLYGON);
    if (bodyTailFirst) {
        glTexCoord2f(0, 1);
        glVertex3f(0, 0, 2);
        glTexCoord2f(1, 0);
        glVertex3f(0, 0, 0);
    } else {
        glTexCoord2f(1, 0);
        glVertex3f(0, 0, 0);
        glTexCoord2f(0, 1);
        glVertex3f(0, 0, 2);
    }
    for (int i = 0; i <= kWingSteps; ++i) {
        glEvalCoord1f(static_cast<float>(i) / kWingSteps);
    }
    glEnd();
}

} // namespace

TBird::TBird(TTextureMg* textureBank, const RandomSource& random) : textureBank_(textureBank) {
    const TBirdDraws draws = TBirdDraws::Draw(random);
    textureNumber_ = draws.Texture;
    // Every circle passes through (0, height, -10), its point nearest the viewer.
    flight_.SetCircle(draws.Reverse, 0.0f, draws.Height, -10.0f - draws.Radius, draws.Radius,
                      draws.StartAngle);
}

void TBird::Step() {
    flight_.StepMove();
    beat_.Step();
}

void TBird::Draw() const {
    glEnable(GL_MAP1_VERTEX_3);
    glEnable(GL_MAP1_TEXTURE_COORD_2);
    glDisable(GL_CULL_FACE);
    textureBank_->Bind(textureNumber_, TextureEnv::Modulate);
    glDisable(GL_FOG);
    glPushMatrix();
    flight_.ApplyCircle();
    glColor3f(beat_.Phase(), 1.0f, 1.0f);
    DrawWing(TWingBeat::FirstTexture, beat_.FirstWing(), true);
    DrawWing(TWingBeat::SecondTexture, beat_.SecondWing(), false);
    glPopMatrix();
    glEnable(GL_FOG);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_MAP1_VERTEX_3);
    glDisable(GL_MAP1_TEXTURE_COORD_2);
    glEnable(GL_CULL_FACE);
}

} // namespace scrivel
