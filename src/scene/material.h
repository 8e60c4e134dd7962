#pragma once

#include <array>

namespace scrivel {

// A red, green, blue, alpha colour of the scene, each from 0.0 to 1.0.
struct TColour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;

    // The four components in order, as GL's vector calls take them.
    std::array<float, 4> Array() const { return {r, g, b, a}; }
};

// The front-face material of a mesh: its own ambient colour, a fixed strong specular shine.
class TMaterial {
public:
    void SetAmbient(float r, float g, float b, float a);
    // Sends the material for GL_FRONT.
    void Apply() const;

    static constexpr TColour Specular{1.0f, 2.0f, 1.0f, 1.0f};
    static constexpr float Shininess = 75.0f;

private:
    TColour ambient_{0.5f, 0.5f, 0.5f, 1.0f};
};

} // namespace scrivel
