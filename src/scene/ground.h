#pragma once

#include "scene/vector.h"

#include <memory>
#include <string>

namespace scrivel {

class T400Texture;

// The flat textured plate under the board: a corner, a width along x and a depth along z.
class TGround {
public:
    // fileName ("Graphics/ground4001.bmp") is read from folder, which ends with '/'.
    TGround(const std::string& folder, const std::string& fileName, float x, float y, float z,
            float width, float depth);
    ~TGround();
    TGround(const TGround&) = delete;
    TGround& operator=(const TGround&) = delete;

    // Uploads the plate's own texture (mipmapped) and returns its name.
    unsigned BuildTexture();
    void Draw() const;

    const TVector3& Location() const { return corner_; }
    void MoveTo(float x, float y, float z) { corner_ = {x, y, z}; }

private:
    TVector3 corner_;
    float width_ = 0.0f;
    float depth_ = 0.0f;
    std::unique_ptr<T400Texture> texture_;
};

} // namespace scrivel
