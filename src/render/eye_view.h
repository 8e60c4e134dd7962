#pragma once

namespace scrivel {

// Where the eye stands for one frame, read once from GL after the camera is set, so that each
// letter cube can tell cheaply whether its far faces could show.
class EyeView {
public:
    // Reads the culling, depth and matrix state now current. Where that state is not the one the
    // shortcut relies on (no back-face culling, no perspective, ...) every face is drawn.
    static EyeView FromGl();

    // True when the bottom, back and left faces of the box centred on (cx, cy, cz) with half sizes
    // (hx, hy, hz) are certainly hidden behind its near faces.
    bool FarFacesHidden(float cx, float cy, float cz, float hx, float hy, float hz) const;

private:
    bool usable_ = false;
    double eye_[3] = {0.0, 0.0, 0.0};
    float modelview_[16] = {};
    float projection_[16] = {};
};

} // namespace scrivel
