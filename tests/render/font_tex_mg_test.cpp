#include "platform/fatal.h"
#include "render/font_tex_mg.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdlib>
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

TEST(TFontTexMg, SelectFontMarksDirtyOnlyWhenSomethingChanges) {
    TFontTexMg bank(kFont, 1, 2, 3, "/jeu/");
    EXPECT_TRUE(bank.Dirty);
    bank.Dirty = false;
    bank.SelectFont(kFont, 2, 3);
    EXPECT_FALSE(bank.Dirty);
    bank.SelectFont(kFont, 2, 4);
    EXPECT_TRUE(bank.Dirty);
    bank.SelectFont(kFont, 9, -4); // beyond the tables: the first entry
    EXPECT_EQ(bank.PatternIndex, 0);
    EXPECT_EQ(bank.ColourIndex, 0);
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
        for (std::size_t i = 0; i < glyph.size(); i += 4) {
            ASSERT_NE(test::Rgb(&glyph[i]), 0u) << "black texel left in glyph " << k;
        }
    }
    EXPECT_EQ(consonants.size(), 21u);
}

TEST(TFontTexMg, PatternSheetMustBe196PixelsSquare) {
    test::TestFolder dir;
    const std::string path = test::WritePatterns(dir, "patterns1.bmp", 195, 196);
    TFontTexMg bank(kFont, 1, 0, 0, dir.path);
    try {
        bank.ReadPatterns(path);
        ADD_FAILURE() << "a 195 x 196 sheet was taken";
    } catch (const platform::FatalError& error) {
        EXPECT_EQ(error.what(), "Bitmap incorrect pour une fonte :\n" + path);
    }
}

class TFontTexMgGl : public test::GlTest {};

TEST_F(TFontTexMgGl, RebuildUploadsUnderTheSameNamesOnlyWhenDirty) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank(kFont, 1, 0, 0, dir.path);
    bank.LoadPatterns();
    EXPECT_FALSE(bank.Dirty);
    EXPECT_EQ(std::set<unsigned>(bank.GlyphNames.begin(), bank.GlyphNames.end()).size(), 36u);
    EXPECT_EQ(bank.GlyphName('q'), bank.GlyphName('Q'));
    EXPECT_EQ(bank.GlyphName(' '), bank.GlyphName('0'));
    const auto before = bank.GlyphNames;
    bank.Glyphs[0][0] = 1;
    bank.Rebuild();
    EXPECT_EQ(bank.Glyphs[0][0], 1) << "nothing changed: nothing drawn again";
    bank.SelectFont(kFont, 2, 1);
    bank.Rebuild();
    EXPECT_EQ(bank.GlyphNames, before);
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    const std::vector<std::uint8_t> texels = test::BoundTexels(64);
    EXPECT_EQ(test::Rgb(&texels[0]), test::PatternColour(2));
    EXPECT_EQ(InkColour(texels, test::PatternColour(2)), 0x0000FFu) << "red letters";
}

} // namespace
} // namespace scrivel
