#include "scene/gl_sun.h"

#include "scene/texture.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

namespace scrivel {

namespace {

constexpr float kDepth = -20.0f;
constexpr float kSpecular[] = {1.0f, 2.0f, 1.0f, 1.0f};
constexpr float kAmbient[] = {0.5f, 0.5f, 0.5f, 1.0f};

} // namespace

TGLSun::TGLSun(const std::string& textureFile) : TGLLight(textureFile) {
    SetAmbient(0.9f, 0.0f, 0.0f, 0.8f);
    SetDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    SetSpecular(0.0f, 1.0f, 1.0f, 0.0f);
    SetPosition(Path.X, Path.Y(), kDepth, 1.0f);
}

void TGLSun::StepAndDraw() {
    Path.Step();
    SetPosition(Path.X, Path.Y(), kDepth, 1.0f);
    const TDaylight day = TDaylight::At(Path.Lowness());
    Ambient = {day.Ambient[0], day.Ambient[1], day.Ambient[2], Ambient.a};
    Diffuse = {day.Diffuse[0], day.Diffuse[1], day.Diffuse[2], day.Diffuse[3]};

    Colour = day.Sky;
    glClearColor(Colour[0], Colour[1], Colour[2], Colour[3]);
    Colour = day.Fog;
    glFogfv(GL_FOG_COLOR, Colour.data());

    const float position[] = {Position.x, Position.y, Position.z, Position.w};
    glLightfv(GL_LIGHT0, GL_AMBIENT, Ambient.Array().data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, Diffuse.Array().data());
    glLightfv(GL_LIGHT0, GL_SPECULAR, Specular.Array().data());
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    // NOTE: the sun's material asks for a shininess of 150, above GL's limit of 128: GL refuses it
    // with GL_INVALID_VALUE and keeps the shininess it had. Not sending it keeps that same picture
    // without raising an error every frame.
    for (const GLenum face : {GL_FRONT, GL_BACK}) {
        glMaterialfv(face, GL_SPECULAR, kSpecular);
        glMaterialfv(face, GL_AMBIENT, kAmbient);
    }

    Texture->Bind();
    glPushMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
    glTranslatef(Position.x, Position.y, kDepth);
    glutSolidSphere(0.25, 20, 16);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

} // namespace scrivel
