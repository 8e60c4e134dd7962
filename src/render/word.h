#pragma once

#include "scene/gl_mesh.h"

#include <string>

namespace scrivel {

class TFontTexMg;

// A found word on its way from the grid to the stack of found words: it flies with a mesh's
// straight flight and shrinks evenly over the ticks that flight takes along x. Its location is the
// place of its first letter.
class TWord {
public:
    TWord(TFontTexMg* bank, std::string text, float x, float y, float z, bool vertical);

    // Flies from where it is towards (x, y, z), speed units a tick on each axis.
    void FlyTo(float x, float y, float z, float speed);
    // Call after FlyTo: the size change spans the flight along x.
    void StartMorph(float initialWidth, float initialHeight, float finalWidth, float finalHeight);
    // One tick: a step of the flight, then a step of the size change, whose last step lands
    // exactly on the final size. A vertical word lies across for good once its change ends.
    void Step();
    // Down while a vertical word changes size, across otherwise.
    void Draw() const;

    const std::string& Text() const { return text_; }
    const TVector3& Location() const { return flight_.Location(); }
    const TVector3& Target() const { return flight_.Target(); }
    float Width() const { return width_; }
    float Height() const { return height_; }
    bool Morphing() const { return morphing_; }
    bool DrawnDown() const { return vertical_ && morphing_; }

private:
    void MorphStep();

    TGLMesh flight_;
    std::string text_;
    TFontTexMg* bank_ = nullptr; // not owned
    bool vertical_ = false;
    bool morphing_ = false;
    float width_ = 0.0f;
    float height_ = 0.0f;
    float finalWidth_ = 0.0f;
    float finalHeight_ = 0.0f;
    float initialWidth_ = 0.0f;
    float initialHeight_ = 0.0f;
    int morphSteps_ = 0;
    float widthStep_ = 0.0f;
    float heightStep_ = 0.0f;
};

} // namespace scrivel
