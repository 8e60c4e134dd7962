#include "render/font_tex_mg.h"

#include "platform/bitmap.h"
#include "render/lettre.h"
#include "scene/rotation.h"
#include "scene/texel_image.h"
#include "texts/texts.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace scrivel {

namespace {

constexpr std::size_t kTexelBytes = TFontTexMg::GlyphSize * TFontTexMg::GlyphSize * 4;

// The character drawn in glyph cell k: A to Z, then 0 to 9.
char GlyphCharacter(int k) {
    return k < TFontTexMg::FirstDigit ? static_cast<char>('A' + k)
                                      : static_cast<char>('0' + k - TFontTexMg::FirstDigit);
}

// Relative luminance of a colour (sRGB, as contrast ratios measure it).
double Luminance(platform::Colour colour) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

// The halo tone with the greater contrast ratio to the ink.
platform::Colour HaloFor(platform::Colour ink) {
    const double light = Luminance(TFontTexMg::LightHalo);
    const double dark = Luminance(TFontTexMg::DarkHalo);
    const double l = Luminance(ink);
    return (light + 0.05) / (l + 0.05) > (l + 0.05) / (dark + 0.05) ? TFontTexMg::LightHalo
                                                                    : TFontTexMg::DarkHalo;
}

} // namespace

TFontTexMg::TFontTexMg(const std::string& fontName, int patternFile, int patternIndex,
                       int colourIndex, std::string folder)
    : patternFile_(patternFile), folder_(std::move(folder)) {
    for (Texels& glyph : glyphs_) {
        glyph.assign(kTexelBytes, 0);
    }
    for (Texels& pattern : patterns_) {
        pattern.assign(kTexelBytes, 0);
    }
    font_.size = FontPoints;
    SelectFont(fontName, patternIndex, colourIndex);
    dirty_ = true;
}

TFontTexMg::~TFontTexMg() = default;

std::string TFontTexMg::PatternPath() const {
    return folder_ + "Graphics/patterns" + std::to_string(patternFile_) + ".bmp";
}

void TFontTexMg::ReadPatterns(const std::string& path) {
    const platform::Bitmap sheet =
        LoadSheet(path, PatternSheet, texts::Text(texts::TextId::FontBitmapWrong));
    for (int k = 0; k < PatternCount; ++k) {
        patterns_[k] = CutTile(sheet, PatternSheet, k);
    }
}

void TFontTexMg::LoadPatterns() {
    ReadPatterns(PatternPath());
    drawLetter_ = std::make_unique<TLettre>(this, LetterSize, LetterSize);
    drawLetter_->SetEye(eye_);
    Rebuild();
}

void TFontTexMg::SetEye(const EyeView* eye) {
    eye_ = eye;
    if (drawLetter_) {
        drawLetter_->SetEye(eye);
    }
}

void TFontTexMg::SelectFont(const std::string& fontName, int patternIndex, int colourIndex) {
    // Values from a hand-edited options file must not index past the tables.
    if (patternIndex < 0 || patternIndex >= PatternCount) {
        patternIndex = 0;
    }
    if (colourIndex < 0 || colourIndex >= static_cast<int>(FontColours.size())) {
        colourIndex = 0;
    }
    // A change stays pending until Rebuild, even if a later call repeats the new values.
    dirty_ = dirty_ || fontName != font_.name || patternIndex != patternIndex_ ||
             colourIndex != colourIndex_;
    font_.name = fontName;
    patternIndex_ = patternIndex;
    colourIndex_ = colourIndex;
}

void TFontTexMg::Rebuild() {
    if (!dirty_) {
        return;
    }
    dirty_ = false;
    RenderGlyphs();
    UploadGlyphs();
}

void TFontTexMg::RenderGlyphs() {
    // Each glyph on a cell of its own, so a wide character is cut at its cell's edges instead of
    // spilling into its neighbours. The letter is drawn straight over its pattern: drawn on black
    // and patterned afterwards, its antialiased edge would stay as a dark rim.
    platform::Bitmap cell(GlyphSize, GlyphSize);
    platform::Canvas canvas(cell);
    platform::Font font = font_;
    const Texels& pattern = patterns_[patternIndex_];
    for (int k = 0; k < GlyphCount; ++k) {
        const char character = GlyphCharacter(k);
        if (k >= FirstDigit) {
            font.colour = DigitColour;
        } else {
            font.colour =
                colourIndex_ == MulticolourIndex ? LetterColours[k] : FontColours[colourIndex_];
        }
        PaintTransposed(pattern.data(), GlyphSize, GlyphSize, cell);
        DrawHaloed(canvas, font, character);
        CopyTransposed(cell, 0, 0, GlyphSize, GlyphSize, glyphs_[k].data());
    }
}

void TFontTexMg::DrawHaloed(platform::Canvas& canvas, platform::Font font, char character) {
    const std::string_view text(&character, 1);
    const platform::Colour ink = font.colour;
    canvas.SetFont(font);
    const platform::TextSize size = canvas.TextExtent(text);
    const int x = (GlyphSize - size.width) / 2;
    const int y = (GlyphSize - size.height) / 2;
    // The letter stamped at every offset within the radius makes a round-ended ring around it.
    font.colour = HaloFor(ink);
    canvas.SetFont(font);
    for (int dx = -HaloRadius; dx <= HaloRadius; ++dx) {
        for (int dy = -HaloRadius; dy <= HaloRadius; ++dy) {
            if ((dx != 0 || dy != 0) && dx * dx + dy * dy <= HaloRadius * HaloRadius) {
                canvas.TextOut(x + dx, y + dy, text);
            }
        }
    }
    font.colour = ink;
    canvas.SetFont(font);
    canvas.TextOut(x, y, text);
}

void TFontTexMg::UploadGlyphs() {
    // The names are kept across rebuilds, so letters that ask for them at each draw stay valid.
    for (int k = 0; k < GlyphCount; ++k) {
        currentName_ = UploadTexels(glyphNames_[k], glyphs_[k].data(), GlyphSize, GlyphSize, 3,
                                    MagFilter::Linear);
    }
}

int TFontTexMg::GlyphIndex(std::uint8_t character) {
    if (character >= 'a' && character <= 'z') {
        return character - 'a';
    }
    if (character >= 'A' && character <= 'Z') {
        return character - 'A';
    }
    if (character >= '0' && character <= '9') {
        return FirstDigit + character - '0';
    }
    return FirstDigit;
}

unsigned TFontTexMg::GlyphName(std::uint8_t character) const {
    return glyphNames_[GlyphIndex(character)].Name();
}

void TFontTexMg::DrawCharacter(char character, float x, float y, float z) {
    drawLetter_->DrawAt(static_cast<std::uint8_t>(character), x, y, z);
}

void TFontTexMg::DrawTextAlong(std::string_view text, const TVector3& start, const TVector3& step,
                               float w, float h, Spaces spaces) {
    if (!drawLetter_) {
        return;
    }
    drawLetter_->SetWidth(w);
    drawLetter_->SetHeight(h);
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (spaces == Spaces::Skipped && text[n] == ' ') {
            continue;
        }
        const auto i = static_cast<float>(n);
        DrawCharacter(text[n], start.x + i * step.x, start.y + i * step.y, start.z + i * step.z);
    }
}

void TFontTexMg::DrawTextAcross(std::string_view text, float x, float y, float z, float w, float h,
                                float s) {
    DrawTextAlong(text, {x, y, z}, {w - s * 0.125f, -s * 0.25f, s * 1.5f}, w, h, Spaces::Drawn);
}

void TFontTexMg::DrawTextDown(std::string_view text, float x, float y, float z, float w, float h,
                              float s) {
    DrawTextAlong(text, {x, y, z}, {s * 0.25f, -h - s * 0.125f, s * 1.5f}, w, h, Spaces::Drawn);
}

void TFontTexMg::DrawTextDepth(std::string_view text, float x, float y, float z, float w, float h,
                               float s) {
    DrawTextAlong(text, {x, y, z}, {0.0f, -s * 0.125f, -h - s * 0.25f}, w, h, Spaces::Skipped);
}

void TFontTexMg::DrawTextRec(const TTextRecord& record) {
    if (!drawLetter_) {
        return;
    }
    for (std::size_t n = 0; n < record.Text.size(); ++n) {
        const bool even = n % 2 == 0;
        const float width = even ? record.SizeA : record.SizeB;
        drawLetter_->SetWidth(width);
        drawLetter_->SetHeight(even ? record.SizeB : record.SizeA);
        if (record.Text[n] == ' ') {
            continue;
        }
        TVector3 step{record.Spacing + std::fabs(width), 0.0f, 0.0f};
        step = TransformPoint(RotationY(record.AngleY), step);
        step = TransformPoint(RotationX(record.AngleX), step);
        step = TransformPoint(RotationZ(record.AngleZ), step);
        const auto i = static_cast<float>(n);
        DrawCharacter(record.Text[n], record.X + i * step.x, record.Y + i * step.y,
                      record.Z + i * step.z);
    }
}

} // namespace scrivel
