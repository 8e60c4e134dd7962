#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace scrivel {
namespace {

constexpr const char* kFont = "DejaVu Sans";

// The colour most texels of a glyph have, leaving out those of the pattern behind it.
std::uint32_t InkColour(const std::vector<std::uint8_t>& glyph, std::uint32_t background) {
    std::map<std::uint32_t, int> counts;
    for (std::size_t i = 0; i < glyph.size(); i += 4) {
        counts[test::Rgb(&glyph[i])] += test::Rgb(&glyph[i]) != background ? 1 : 0;
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// How far a texel lies from the nearest blend of ink over background: 0 for a texel of the letter,
// of the pattern, or of an edge that mixes the two.
double BlendError(const std::uint8_t* texel, std::uint32_t ink, std::uint32_t background) {
    const auto channel = [](std::uint32_t colour, int c) {
        return static_cast<double>((colour >> (8 * c)) & 0xFFu);
    };
    double along = 0;
    double length = 0;
    for (int c = 0; c < 3; ++c) {
        const double span = channel(ink, c) - channel(background, c);
        along += (texel[c] - channel(background, c)) * span;
        length += span * span;
    }
    const double a = std::clamp(along / length, 0.0, 1.0);
    double error = 0;
    for (int c = 0; c < 3; ++c) {
        const double span = channel(ink, c) - channel(background, c);
        error = std::max(error, std::fabs(texel[c] - channel(background, c) - a * span));
    }
    return error;
}

TEST(TFontTexMg, MulticolourGivesVowelsOneColourOnThePatternAndDigitsWhite) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank(kFont, 1, 1, 9, dir.path);
    bank.ReadPatterns(bank.PatternPath());
    bank.RenderGlyphs();
    std::set<std::uint32_t> consonants;
    for (int k = 0; k < 36; ++k) {
        const std::vector<std::uint8_t>& glyph = bank.Glyphs[k];
        const std::uint32_t ink = InkColour(glyph, test::PatternColour(1));
        if (k >= 26) {
            EXPECT_EQ(ink, 0xFFFFFFu) << "digit " << k - 26;
        } else if (std::string("AEIOU").find(static_cast<char>('A' + k)) != std::string::npos) {
            EXPECT_EQ(ink, ColourRgb(113, 240, 96)) << k;
        } else {
            EXPECT_EQ(ink, TFontTexMg::LetterColours[k]) << k;
            consonants.insert(ink);
        }
        // Edges blend into the pattern: no dark rim between letter and background.
        for (std::size_t i = 0; i < glyph.size(); i += 4) {
            ASSERT_LE(BlendError(&glyph[i], ink, test::PatternColour(1)), 2.5)
                << "glyph " << k << " texel " << i / 4;
        }
    }
    EXPECT_EQ(consonants.size(), 21u);
}

class TFontTexMgGl : public test::GlTest {};

TEST_F(TFontTexMgGl, RebuildUploadsUnderTheSameNamesOnlyWhenDirty) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank(kFont, 1, 0, 0, dir.path);
    bank.LoadPatterns();
    EXPECT_FALSE(bank.Dirty);
    std::set<unsigned> before;
    for (const GlTexture& name : bank.GlyphNames) {
        before.insert(name.Name());
    }
    EXPECT_EQ(before.size(), 36u);
    EXPECT_EQ(bank.GlyphName('q'), bank.GlyphName('Q'));
    EXPECT_EQ(bank.GlyphName(' '), bank.GlyphName('0'));
    bank.Glyphs[0][0] = 1;
    bank.SelectFont(kFont, 0, 0);
    bank.Rebuild();
    EXPECT_EQ(bank.Glyphs[0][0], 1) << "nothing changed: nothing drawn again";
    bank.SelectFont(kFont, 9, -4); // beyond the tables: the first entry
    EXPECT_EQ(bank.PatternIndex + bank.ColourIndex, 0);
    bank.SelectFont(kFont, 2, 1);
    bank.Rebuild();
    for (const GlTexture& name : bank.GlyphNames) {
        EXPECT_EQ(before.count(name.Name()), 1u);
    }
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    const std::vector<std::uint8_t> texels = test::BoundTexels(64);
    EXPECT_EQ(test::Rgb(&texels[0]), test::PatternColour(2));
    EXPECT_EQ(InkColour(texels, test::PatternColour(2)), 0x0000FFu) << "red letters";
}

// Where each layout steps is the code's own arithmetic; the depth layout alone passes spaces over.
TEST_F(TFontTexMgGl, OnlyTheDepthLayoutSkipsSpaces) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank(kFont, 1, 0, 0, dir.path);
    bank.LoadPatterns();
    bank.DrawTextAcross("AB ", 1.0f, 2.0f, 3.0f, 0.5f, 0.25f, 1.0f);
    EXPECT_EQ(bank.DrawLetter->Letter, ' ');
    bank.DrawTextDepth("AB ", 1.0f, 2.0f, 3.0f, 0.5f, 0.25f, 1.0f);
    EXPECT_EQ(bank.DrawLetter->Letter, 'B');
}

} // namespace
} // namespace scrivel
