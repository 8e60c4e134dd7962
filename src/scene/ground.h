#pragma once

#include "scene/gl_mesh.h"

#include <memory>
#include <string>

namespace scrivel {

class T400Texture;

// The flat textured plate under the board: corner Location, Width along x, Depth along z.
class TGround : public TGLMesh {
public:
    // fileName ("Graphics/ground4001.bmp") is read from folder, which ends with '/'.
    TGround(const std::string& folder, const std::string& fileName, float x, float y, float z,
            float width, float depth);
    ~TGround() override;

    // Uploads the plate's own texture (mipmapped) and returns its name.
    unsigned BuildTexture() override;
    void Draw() const;

private:
    std::unique_ptr<T400Texture> texture_;
};

} // namespace scrivel
