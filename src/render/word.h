#pragma once

#include "scene/gl_mesh.h"

#include <string>

namespace scrivel {

class TFontTexMg;

// A found word on its way from the grid to the stack of found words: it flies with the mesh's
// straight flight and shrinks evenly over the ticks that flight takes along x. Location is the
// place of its first letter.
class TWord : public TGLMesh {
public:
    TWord(TFontTexMg* bank, std::string text, float x, float y, float z, bool vertical);

    // Call after the flight's target and speed are set: the size change spans the flight along x.
    void StartMorph(float initialWidth, float initialHeight, float finalWidth, float finalHeight);
    // One tick of the size change; the final size is set exactly on the last one.
    void MorphStep();
    // A vertical word is drawn down until its size change ends, then across for good.
    void Draw();

    std::string Text;
    TFontTexMg* Bank = nullptr; // not owned
    bool Vertical = false;
    bool Morphing = false;
    float FinalWidth = 0.0f;
    float FinalHeight = 0.0f;
    float InitialWidth = 0.0f;
    float InitialHeight = 0.0f;
    int MorphSteps = 0;
    float WidthStep = 0.0f;
    float HeightStep = 0.0f;
};

} // namespace scrivel
