#include "render/eye_view.h"

#include <GL/gl.h>
#include <cmath>

namespace scrivel {

namespace {

using Matrix3 = double[3][3];

double Determinant(const Matrix3& k) {
    return k[0][0] * (k[1][1] * k[2][2] - k[1][2] * k[2][1]) -
           k[0][1] * (k[1][0] * k[2][2] - k[1][2] * k[2][0]) +
           k[0][2] * (k[1][0] * k[2][1] - k[1][1] * k[2][0]);
}

} // namespace

EyeView EyeView::FromGl() {
    EyeView view;
    GLint cullMode = 0;
    GLint frontFace = 0;
    GLint depthFunc = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullMode);
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    if (glIsEnabled(GL_CULL_FACE) == GL_FALSE || cullMode != GL_BACK || frontFace != GL_CW ||
        glIsEnabled(GL_DEPTH_TEST) == GL_FALSE ||
        (depthFunc != GL_LESS && depthFunc != GL_LEQUAL)) {
        return view;
    }
    float* m = view.modelview_;
    const float* p = view.projection_;
    glGetFloatv(GL_MODELVIEW_MATRIX, view.modelview_);
    glGetFloatv(GL_PROJECTION_MATRIX, view.projection_);
    // Only a perspective view has its eye at the origin.
    if (p[3] != 0.0f || p[7] != 0.0f || p[11] != -1.0f || p[15] != 0.0f) {
        return view;
    }
    // The eye in the scene: solve A e = -t for the modelview's linear part A, by Cramer.
    const Matrix3 a = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}, {m[2], m[6], m[10]}};
    const double t[3] = {-m[12], -m[13], -m[14]};
    const double d = Determinant(a);
    if (std::fabs(d) < 1e-12 || m[3] != 0.0f || m[7] != 0.0f || m[11] != 0.0f) {
        return view;
    }
    for (int c = 0; c < 3; ++c) {
        Matrix3 k;
        for (int r = 0; r < 3; ++r) {
            for (int j = 0; j < 3; ++j) {
                k[r][j] = j == c ? t[r] : a[r][j];
            }
        }
        view.eye_[c] = Determinant(k) / d;
    }
    view.usable_ = true;
    return view;
}

// The bottom, back and left faces are wound the other way round from the top, front and right
// ones, so with back faces culled GL draws them only when the eye is inside their planes: they
// then face away, behind the near faces. They can show only through a near face that is culled
// (the eye is outside a far face's plane) or cut away by the near plane. Letters are opaque, so
// what lies behind a near face never blends into it.
bool EyeView::FarFacesHidden(float cx, float cy, float cz, float hx, float hy, float hz) const {
    if (!usable_) {
        return false;
    }
    const double* eye = eye_;
    const bool insideFarPlanes = eye[0] > cx - hx && eye[1] > cy - hy && eye[2] > cz - hz;
    const bool outsideCube = eye[0] > cx + hx || eye[1] > cy + hy || eye[2] > cz + hz;
    if (!insideFarPlanes || !outsideCube) {
        return false;
    }
    const float* m = modelview_;
    const float* p = projection_;
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

} // namespace scrivel
