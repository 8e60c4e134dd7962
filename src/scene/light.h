#pragma once

#include "scene/material.h"
#include "scene/vector.h"

#include <cstdint>

namespace scrivel {

// Which GL light: light 0 is the sun's, light 1 the volcano's glow.
enum class LightSlot : std::uint8_t {
    Zero,
    One,
};

// One GL light's colours, and the one place that writes a light to GL.
class TLight {
public:
    explicit TLight(LightSlot slot) : slot_(slot) {}

    void SetAmbient(const TColour& colour) { ambient_ = colour; }
    void SetDiffuse(const TColour& colour) { diffuse_ = colour; }
    void SetSpecular(const TColour& colour) { specular_ = colour; }
    // Sends the ambient, diffuse and specular colours and then the position to the light, and
    // turns lighting and the light on.
    void Apply(const TVector4& position) const;

private:
    LightSlot slot_;
    TColour ambient_;
    TColour diffuse_;
    TColour specular_;
};

} // namespace scrivel
