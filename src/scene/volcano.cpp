#include "scene/volcano.h"

#include "scene/texture_400.h"

#include <GL/gl.h>
#include <array>
#include <cmath>

namespace scrivel {

namespace {

constexpr int kProfileSteps = 30;
// How far each fin's first and last vertices stand off its plane.
constexpr float kFloorOffset = 0.7f;
constexpr float kFootOffset = 2.0f;

// The foot of every fin lies inside the main cone, which hides it from any eye above the ground,
// yet rasterising it cost more than the rest of the scenery. Returns the plane (in a fin's frame,
// x outwards along the fin, y up from the foot) below which a fin is inside the cone: the chord
// of the cone's lowest height over the fin's widest point, a little lowered. The cone's ring is
// a rounded square no nearer its centre than its radius, so the circular cone of that radius is
// inside it; the height of that cone over the fin is concave in x, so the chord stays under it.
std::array<double, 4> HiddenFootPlane(float footX, float coneRadius, float coneHeight) {
    const auto coneLow = [&](double x) {
        const double off = kFloorOffset + (kFootOffset - kFloorOffset) * x / footX;
        const double inner = coneRadius - 0.05;
        return coneHeight * (1.0 - std::sqrt(x * x + off * off) / inner) - 0.1;
    };
    const double a = coneLow(0.0);
    const double b = (a - coneLow(footX)) / footX;
    return {b, 1.0, 0.0, -a};
}

// A tent over a rounded square ring: a fan from the apex round the four bulging sides.
void DrawCone(int segments, float cx, float y, float cz, float radius, float height) {
    const float d = 0.75f / static_cast<float>(segments);
    const int last = 2 * segments;
    const auto u = [d](int i) { return -0.75f + static_cast<float>(i) * d; };
    glBegin(GL_POLYGON);
    glTexCoord2f(0, 0);
    glVertex3f(cx, y + height, cz);
    for (int i = 0; i <= last; ++i) {
        glTexCoord2f((u(i) + 1.0f) * 0.5f, 1);
        glVertex3f(cx + u(i) * radius, y, cz - std::cos(u(i)) * radius);
    }
    for (int i = 0; i <= last; ++i) {
        glTexCoord2f(std::cos(u(i) + 1.0f) * 0.5f, 1);
        glVertex3f(cx + std::cos(u(i)) * radius, y, cz + u(i) * radius);
    }
    for (int i = last; i >= 0; --i) {
        glTexCoord2f((u(i) + 1.0f) * 0.5f, 1);
        glVertex3f(cx + u(i) * radius, y, cz + std::cos(u(i)) * radius);
    }
    for (int i = last; i >= 0; --i) {
        glTexCoord2f(-std::cos(u(i) + 1.0f) * 0.5f, 1);
        glVertex3f(cx - std::cos(u(i)) * radius, y, cz + u(i) * radius);
    }
    glTexCoord2f(1, 0);
    glVertex3f(cx, y + height, cz);
    glEnd();
}

} // namespace

TVolcano::TVolcano(const std::string& textureFile)
    : texture_(std::make_unique<T400Texture>(textureFile)) {
    const float diffuse[] = {0.7f, 0.7f, 0.7f, 1.0f};
    const float specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 100.0f);
    glMap1f(GL_MAP1_VERTEX_3, 0.0f, 1.0f, 3, 4, profile_.Points().data());
    glEnable(GL_MAP1_VERTEX_3);
    glow_.SetAmbient({0.9f, 0.0f, 0.0f, 0.8f});
    glow_.SetDiffuse({1.0f, 0.0f, 0.0f, 1.0f});
    glow_.SetSpecular({1.0f, 0.0f, 0.0f, 1.0f});
    texture_->BuildTexture(3);
}

TVolcano::~TVolcano() = default;

void TVolcano::ApplyLight(float x, float z) const {
    glow_.Apply({x, profile_.Q0y(), z, 1.0f});
}

TVolcano::Parts TVolcano::Draw(float x, float y, float z) const {
    ApplyLight(x, z);

    // The fins' texture map is the one the birds' second wing leaves in force from frame to
    // frame, which the fins have always shown; set here, the first frame shows it too and a
    // frame never depends on the one before. The texture modulates: the rock takes the light.
    static constexpr std::array<float, 8> kFinTexture{0, 0, 0, 0, 1, 0, 1, 0};
    glMap1f(GL_MAP1_TEXTURE_COORD_2, 0.0f, 1.0f, 2, 4, kFinTexture.data());
    glEnable(GL_MAP1_VERTEX_3);
    glEnable(GL_MAP1_TEXTURE_COORD_2);
    texture_->Bind();
    // The hills before the crater: the depth test then turns the fins' hidden parts away early. The
    // hills keep the fins' colour, which they always had.
    glColor3f(1.0f, 0.3f, 0.3f);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    const float hill = HillHeight;
    Parts parts;
    const auto cone = [&](int segments, float cx, float cz, float radius, float height) {
        DrawCone(segments, cx, y, cz, radius, height);
        ++parts.cones;
    };
    glPushMatrix();
    cone(30, x, z, ConeRadius, ConeHeight);
    cone(20, x - 3.0f, z + 6.0f, ConeRadius, hill * 0.5f);
    cone(20, x + 1.0f, z + 7.0f, ConeRadius, hill * 0.4f);
    glPopMatrix();
    glPushMatrix();
    cone(20, x + 6.0f, z + 5.0f, ConeRadius * 0.6f, hill * 0.7f);
    glPopMatrix();
    parts.fins = DrawFins(x, y, z);

    glDisable(GL_TEXTURE_2D);
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glDisable(GL_MAP1_VERTEX_3);
    return parts;
}

int TVolcano::DrawFins(float x, float y, float z) const {
    const auto& q = profile_.Points();
    glPushMatrix();
    glTranslatef(x, y, z);
    glColor3f(1.0f, 0.3f, 0.3f);
    glMap1f(GL_MAP1_VERTEX_3, 0.0f, 1.0f, 3, 4, q.data());
    const std::array<double, 4> hidden = HiddenFootPlane(q[9], ConeRadius, ConeHeight);
    glEnable(GL_CLIP_PLANE0);
    int fins = 0;
    for (int a = 0; a <= 360; a += FinStep) {
        float side = 1.0f;
        if (a <= 90) {
            glCullFace(GL_BACK);
            side = -1.0f;
        } else if (a <= 180) {
            glCullFace(GL_FRONT);
        } else if (a <= 270) {
            glCullFace(GL_FRONT);
            side = -1.0f;
        } else {
            glCullFace(GL_BACK);
        }
        glPushMatrix();
        glRotatef(static_cast<float>(a), 0.0f, 1.0f, 0.0f);
        glClipPlane(GL_CLIP_PLANE0, hidden.data());
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glBegin(GL_POLYGON);
        glVertex3f(q[0], q[1], q[2] + side * kFloorOffset);
        for (int i = 0; i <= kProfileSteps; ++i) {
            glEvalCoord1f(static_cast<float>(i) / kProfileSteps);
        }
        glVertex3f(q[9], q[10], q[11] + side * kFootOffset);
        glEnd();
        glPopMatrix();
        ++fins;
    }
    glDisable(GL_CLIP_PLANE0);
    glPopMatrix();
    return fins;
}

} // namespace scrivel
