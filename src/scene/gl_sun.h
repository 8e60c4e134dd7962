#pragma once

#include "scene/gl_light.h"
#include "scene/model/sun_path.h"

#include <string>

namespace scrivel {

// The small textured ball that swings across the sky and sets the day: light 0 at the sun, the
// sky (clear) colour and the fog colour, recomputed every frame from how low it stands.
class TGLSun : public TGLLight {
public:
    // Loads the 64 x 64 texture, drawn unlit.
    explicit TGLSun(const std::string& textureFile);

    // One frame: moves the sun, sets light 0, the clear and fog colours and the material, and
    // draws the ball. The view calls it once at build time and then first in every frame.
    void StepAndDraw();

    TSunPath Path;
    // The sky colour, then the fog colour, of the last frame.
    TRgba Colour{0.0f, 0.0f, 0.0f, 1.0f};
};

} // namespace scrivel
