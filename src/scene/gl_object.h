#pragma once

#include <string>

namespace scrivel {

struct TVector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct TVector4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;
};

// Base of every drawable object: a placement and the bitmap-font text helpers of the head-up text.
class TGLObject {
public:
    // GLUT's own bitmap-font numbers, kept as plain integers so callers never see GLUT.
    static constexpr int TimesRoman10 = 4;
    static constexpr int TimesRoman24 = 5;
    static constexpr int Helvetica12 = 7;
    static constexpr int Helvetica18 = 8;

    // Objects with a tile size store it; the others ignore it.
    virtual void SetWidth(float /*width*/) {}
    virtual void SetHeight(float /*height*/) {}
    virtual ~TGLObject() = default;

    void SetPosition(float x, float y, float z, float w);
    void SetAngles(float x, float y, float z);

    // Chooses the bitmap font for a point size, rounded up to 10, 12, 18 or 24.
    void SetFont(int size);
    // Draws text with its first character at window pixel (x, y); the caller has set an
    // orthographic projection in window pixels.
    void DrawText(int x, int y, const std::string& text) const;

    TVector4 Position;
    int FontHandle = Helvetica12;
    int FontSize = 12;
    TVector3 Location;
    float Width = 0.0f;
    float Height = 0.0f;
    float Depth = 0.0f;
    TVector3 Angles;
};

} // namespace scrivel
