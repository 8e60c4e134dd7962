#include "scene/gl_sun.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace scrivel {

namespace {

constexpr float kDepth = -20.0f;
constexpr float kSpecular[] = {1.0f, 2.0f, 1.0f, 1.0f};
constexpr float kAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};

} // namespace

TGLSun::TGLSun(const std::string& textureFile) : ball_(textureFile, LightSlot::Zero) {
    ball_.SetAmbient(0.9f, 0.0f, 0.0f, 0.8f);
    ball_.SetDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    ball_.SetSpecular(0.0f, 1.0f, 1.0f, 0.0f);
    ball_.SetPosition(path_.X(), path_.Y(), kDepth, 1.0f);
}

void TGLSun::Step() {
    path_.Step();
    ball_.SetPosition(path_.X(), path_.Y(), kDepth, 1.0f);
    const TDaylight day = TDaylight::At(path_.Lowness());
    clear_ = sky_;
    ball_.SetAmbient(day.Ambient[0], day.Ambient[1], day.Ambient[2], day.Ambient[3]);
    ball_.SetDiffuse(day.Diffuse[0], day.Diffuse[1], day.Diffuse[2], day.Diffuse[3]);
    sky_ = day.Sky;
    fog_ = day.Fog;
}

void TGLSun::ApplyClearColour() const {
    glClearColor(clear_[0], clear_[1], clear_[2], clear_[3]);
}

void TGLSun::Draw() const {
    glClearColor(sky_[0], sky_[1], sky_[2], sky_[3]);
    glFogfv(GL_FOG_COLOR, fog_.data());
    ball_.Apply();

    // NOTE: the sun's material asks for a shininess of 150, above GL's limit of 128: GL refuses it
    // with GL_INVALID_VALUE and keeps the shininess it had. Not sending it keeps that same picture
    // without raising an error every frame.
    for (const GLenum face : {GL_FRONT, GL_BACK}) {
        glMaterialfv(face, GL_SPECULAR, kSpecular);
        glMaterialfv(face, GL_AMBIENT, kAmbient);
    }

    ball_.BindTexture();
    glPushMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
    glTranslatef(ball_.Position().x, ball_.Position().y, kDepth);
    glutSolidSphere(0.25, 20, 16);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

} // namespace scrivel
