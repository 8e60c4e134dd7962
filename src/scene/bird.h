#pragma once

#include "scene/gl_mesh.h"
#include "scene/model/bird_flight.h"

namespace scrivel {

class TTextureMg;

// A bird: two feathered wings, Bezier-edged fans that flap, circling at its own height, radius,
// direction and starting angle, all drawn from the generator when it is made.
class TBird : public TGLMesh {
public:
    explicit TBird(TTextureMg* textureBank, const RandomSource& random = CRandom);

    // One frame: steps the circle and the wing beat and draws the wings, unfogged and unculled.
    void Draw();

    int TextureNumber = 30;
    TWingBeat Beat;
};

} // namespace scrivel
