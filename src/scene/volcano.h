#pragma once

#include "scene/gl_mesh.h"
#include "scene/model/volcano_profile.h"

#include <memory>
#include <string>

namespace scrivel {

class TGLLight;
class T400Texture;

// The volcano behind the board: a crater of 73 fins along a Bezier profile, four textured cones
// (the mountain and three hills) and a red light glowing at crater height. An eruption swells the
// crater's rim for ten frames.
class TVolcano : public TGLMesh {
public:
    static constexpr float ConeHeight = 12.9f;
    static constexpr float ConeRadius = 11.0f;
    static constexpr float HillHeight = ConeHeight * 0.7f;
    static constexpr int FinStep = 360 / 64;

    // Needs a current GL context: sets the material and evaluator, uploads the rock texture.
    explicit TVolcano(const std::string& textureFile);
    ~TVolcano() override;

    // Sets the eruption counter; the view passes 100 while the volcano is at rest.
    void StartEruption(int value) { Profile.StartEruption(value); }
    // Light 1's glow at crater height over (x, z), as Draw sets it, for what is drawn before.
    void ApplyLight(float x, float z);
    // One frame with the foot's centre at (x, y, z).
    void Draw(float x, float y, float z);

    TVolcanoProfile Profile;
    // What the last frame drew, for tests and statistics.
    int FinsDrawn = 0;
    int ConesDrawn = 0;

private:
    void DrawFins(float x, float y, float z);
    void DrawCone(int segments, float cx, float y, float cz, float radius, float height);

    std::unique_ptr<TGLLight> light_;
    std::unique_ptr<T400Texture> texture_;
};

} // namespace scrivel
