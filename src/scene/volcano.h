#pragma once

#include "scene/light.h"
#include "scene/model/volcano_profile.h"

#include <memory>
#include <string>

namespace scrivel {

class T400Texture;

// The volcano behind the board: a crater of 73 fins along a Bezier profile, four textured cones
// (the mountain and three hills) and a red light glowing at crater height. An eruption swells the
// crater's rim for ten ticks.
class TVolcano {
public:
    static constexpr float ConeHeight = 12.9f;
    static constexpr float ConeRadius = 11.0f;
    static constexpr float HillHeight = ConeHeight * 0.7f;
    static constexpr int FinStep = 360 / 64;

    // What one draw sent: fins of the crater and cones (the mountain and the hills).
    struct Parts {
        int fins = 0;
        int cones = 0;
    };

    // Needs a current GL context: sets the material and evaluator, uploads the rock texture.
    explicit TVolcano(const std::string& textureFile);
    ~TVolcano();
    TVolcano(const TVolcano&) = delete;
    TVolcano& operator=(const TVolcano&) = delete;

    // Sets the eruption counter; the view passes 100 while the volcano is at rest.
    void StartEruption(int value) { profile_.StartEruption(value); }
    // One tick of the eruption.
    void Step() { profile_.EruptionStep(); }
    // Light 1's glow at crater height over (x, z), as Draw sets it, for what is drawn before.
    void ApplyLight(float x, float z) const;
    // The volcano with the foot's centre at (x, y, z).
    Parts Draw(float x, float y, float z) const;

    const TVolcanoProfile& Profile() const { return profile_; }

private:
    int DrawFins(float x, float y, float z) const;

    TVolcanoProfile profile_;
    TLight glow_{LightSlot::One};
    std::unique_ptr<T400Texture> texture_;
};

} // namespace scrivel
