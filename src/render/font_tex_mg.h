#pragma once

#include "platform/canvas.h"
#include "platform/sheet_layout.h"
#include "scene/gl_texture.h"
#include "scene/vector.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

class EyeView;
class TLettre;

// A text laid out along a turned line (the options screen's texts).
struct TTextRecord {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
    float SizeA = 0.0f; // width of even characters, height of odd ones
    float SizeB = 0.0f; // height of even characters, width of odd ones
    float Spacing = 0.0f;
    float AngleY = 0.0f; // radians
    float AngleX = 0.0f; // radians
    float AngleZ = 0.0f; // degrees
    std::string Text;
};

// The 36 glyph textures (A to Z, 0 to 9) with which letters are drawn: each character is written
// in the bank's font and colour and its black background filled with one of nine patterns. Also
// draws whole strings as rows of letter cubes.
class TFontTexMg {
public:
    static constexpr int GlyphCount = 36;
    static constexpr int FirstDigit = 26;
    static constexpr int PatternCount = 9;
    static constexpr int GlyphSize = platform::SheetLayout::TileSize;
    static constexpr platform::SheetLayout PatternSheet = platform::kPatternSheet;
    static constexpr int FontPoints = 42;
    static constexpr int MulticolourIndex = 9;

    // By font colour option: white, red, blue, maroon, yellow, orange, green, grey, purple; the
    // tenth option (multicolour) draws each letter in its LetterColours entry instead.
    static constexpr std::array<platform::Colour, 10> FontColours = {
        platform::Colour(255, 255, 255), platform::Colour(255, 0, 0),
        platform::Colour(0, 0, 255),     platform::Colour(128, 0, 0),
        platform::Colour(255, 255, 0),   platform::Colour(243, 171, 45),
        platform::Colour(0, 128, 0),     platform::Colour(128, 128, 128),
        platform::Colour(128, 0, 128),   platform::Colour(255, 255, 255)};
    static constexpr platform::Colour DigitColour = platform::Colour(255, 255, 255);
    static constexpr platform::Colour VowelColour = platform::Colour(113, 240, 96);
    // Every letter is ringed with one of these, whichever stands further from its colour, so that
    // dark letters stay readable on dark patterns and light ones on light veins or stars.
    static constexpr platform::Colour LightHalo = platform::Colour(246, 238, 218);
    static constexpr platform::Colour DarkHalo = platform::Colour(20, 16, 14);
    static constexpr int HaloRadius = 2; // pixels
    // A to Z in the multicoloured mode.
    static constexpr std::array<platform::Colour, 26> LetterColours = {
        VowelColour,
        platform::Colour(68, 45, 243),
        platform::Colour(138, 45, 243),
        platform::Colour(213, 45, 243),
        VowelColour,
        platform::Colour(243, 45, 227),
        platform::Colour(243, 45, 157),
        platform::Colour(45, 243, 213),
        VowelColour,
        platform::Colour(64, 45, 243),
        platform::Colour(45, 110, 243),
        platform::Colour(243, 171, 45),
        platform::Colour(243, 231, 45),
        platform::Colour(185, 243, 45),
        VowelColour,
        platform::Colour(96, 243, 45),
        platform::Colour(45, 243, 87),
        platform::Colour(45, 243, 162),
        platform::Colour(45, 243, 222),
        platform::Colour(45, 203, 243),
        VowelColour,
        platform::Colour(46, 120, 242),
        platform::Colour(65, 47, 241),
        platform::Colour(138, 46, 242),
        platform::Colour(217, 45, 243),
        platform::Colour(243, 45, 180)};

    // folder holds Graphics/ and ends with '/'. Nothing is loaded or uploaded yet.
    TFontTexMg(const std::string& fontName, int patternFile, int patternIndex, int colourIndex,
               std::string folder);
    ~TFontTexMg();
    TFontTexMg(const TFontTexMg&) = delete;
    TFontTexMg& operator=(const TFontTexMg&) = delete;

    // Reads the patterns, creates the letter used for strings and renders and uploads the glyphs.
    // Needs a current GL context. A pattern bitmap that is not 196 x 196 ends the program.
    void LoadPatterns();
    // The frame's eye, for the letter cubes to leave out faces that cannot show.
    void SetEye(const EyeView* eye);
    // The file part of LoadPatterns: reads the nine patterns, no GL.
    void ReadPatterns(const std::string& path);
    std::string PatternPath() const;

    // Marks the glyphs dirty when any of the three values changes; does not rebuild.
    void SelectFont(const std::string& fontName, int patternIndex, int colourIndex);
    // When dirty: renders the glyphs and uploads them under their previous names.
    void Rebuild();
    // The drawing half of Rebuild: renders the glyphs' texels, no GL.
    void RenderGlyphs();

    using Texels = std::vector<std::uint8_t>;
    // RGBA 64 x 64, transposed like every texture of the game: 0-25 A to Z, 26-35 0 to 9.
    const Texels& Glyph(int index) const { return glyphs_.at(static_cast<std::size_t>(index)); }

    // The name uploaded last.
    unsigned CurrentName() const { return currentName_; }

    // GL texture of a character: letters of either case share one, other characters than digits
    // get the digit 0's.
    unsigned GlyphName(std::uint8_t character) const;
    // Index into the glyphs and their names, by the same rule.
    static int GlyphIndex(std::uint8_t character);

    // String layouts: character i is drawn as a w x h cube at the start point moved i steps,
    // the slant s tilting the row. Across and Down draw spaces; Depth and Rec skip them.
    void DrawTextAcross(std::string_view text, float x, float y, float z, float w, float h,
                        float s);
    void DrawTextDown(std::string_view text, float x, float y, float z, float w, float h, float s);
    void DrawTextDepth(std::string_view text, float x, float y, float z, float w, float h, float s);
    void DrawTextRec(const TTextRecord& record);

private:
    const EyeView* eye_ = nullptr; // not owned
    enum class Spaces { Drawn, Skipped };
    // The string letter's size until the first layout sets its own.
    static constexpr float LetterSize = 0.25f;

    // The one layout loop: character i at start + i * step.
    void DrawTextAlong(std::string_view text, const TVector3& start, const TVector3& step, float w,
                       float h, Spaces spaces);
    void UploadGlyphs();
    // Writes one character centred in the cell, ringed with its halo.
    static void DrawHaloed(platform::Canvas& canvas, platform::Font font, char character);
    void DrawCharacter(char character, float x, float y, float z);

    std::array<Texels, GlyphCount> glyphs_;
    std::array<Texels, PatternCount> patterns_;
    std::array<GlTexture, GlyphCount> glyphNames_;
    platform::Font font_;
    int patternFile_ = 1;
    int patternIndex_ = 0;
    int colourIndex_ = 0;
    bool dirty_ = true;
    std::unique_ptr<TLettre> drawLetter_;
    unsigned currentName_ = 0;
    std::string folder_;
};

} // namespace scrivel
