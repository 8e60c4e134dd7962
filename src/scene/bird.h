#pragma once

#include "scene/gl_mesh.h"
#include "scene/model/bird_flight.h"

namespace scrivel {

class TTextureMg;

// A bird: two feathered wings, Bezier-edged fans that flap, circling at its own height, radius,
// direction and starting angle, all drawn from the generator when it is made.
class TBird {
public:
    explicit TBird(TTextureMg* textureBank, const RandomSource& random = CRandom);

    // One tick: advances the circle and the wing beat.
    void Step();
    // Draws the wings where the circle stands, unfogged and unculled.
    void Draw() const;

    const TWingBeat& Beat() const { return beat_; }
    float CircleAngle() const { return flight_.CircleAngle(); } // degrees

private:
    TTextureMg* textureBank_ = nullptr; // shared, not owned
    TGLMesh flight_;
    int textureNumber_ = 30;
    TWingBeat beat_;
};

} // namespace scrivel
