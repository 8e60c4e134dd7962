#pragma once

#include "scene/gl_light.h"
#include "scene/model/sun_path.h"

#include <string>

namespace scrivel {

// The small textured ball that swings across the sky and sets the day: light 0 at the sun, the
// sky (clear) colour and the fog colour, recomputed every tick from how low it stands.
class TGLSun {
public:
    // Loads the 64 x 64 texture, drawn unlit.
    explicit TGLSun(const std::string& textureFile);

    // Uploads the ball's texture and returns its GL name.
    unsigned BuildTexture() { return ball_.BuildTexture(); }

    // One tick: moves the sun and works out its light, the sky and the fog for that place.
    void Step();
    // Sets the clear colour for this tick's frame: the sky of the tick before, which every frame
    // has been cleared with. Call before clearing, so that drawing a tick twice clears alike.
    void ApplyClearColour() const;
    // Sets light 0, the clear and fog colours and the material, and draws the ball. The view
    // steps and draws the sun once at build time, to set light 0 up before fog.
    void Draw() const;

    // Puts the sun at a chosen point of its swing, taking effect from the next step.
    void SetPath(const TSunPath& path) { path_ = path; }
    const TSunPath& Path() const { return path_; }
    // The clear colour and the fog colour as of the last step.
    const TRgba& Sky() const { return sky_; }
    const TRgba& Fog() const { return fog_; }

private:
    TGLLight ball_;
    TSunPath path_;
    TRgba sky_{0.0f, 0.0f, 0.0f, 1.0f};
    TRgba clear_{0.0f, 0.0f, 0.0f, 1.0f};
    TRgba fog_{0.0f, 0.0f, 0.0f, 1.0f};
};

} // namespace scrivel
