#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

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
    EXPECT_TRUE(bank.Dirty) << "never rendered";
    EXPECT_EQ(bank.PatternPath(), "/jeu/Graphics/patterns1.bmp");
    bank.Dirty = false;
    bank.SelectFont(kFont, 2, 3);
    EXPECT_FALSE(bank.Dirty);
    for (const auto& [font, pattern, colour] : {std::tuple{"Liberation Serif", 2, 3},
                                                {"Liberation Serif", 5, 3},
                                                {"Liberation Serif", 5, 9}}) {
        bank.Dirty = false;
        bank.SelectFont(font, pattern, colour);
        EXPECT_TRUE(bank.Dirty) << font << pattern << colour;
    }
    bank.SelectFont("Liberation Serif", 5, 9);
    EXPECT_TRUE(bank.Dirty) << "the same values again keep the change pending";
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
        EXPECT_EQ(test::Rgb(&glyph[0]), test::PatternColour(1)) << "corner of glyph " << k;
        for (std::size_t i = 0; i < glyph.size(); i += 4) {
            ASSERT_NE(test::Rgb(&glyph[i]), 0u) << "black texel left in glyph " << k;
        }
    }
    EXPECT_EQ(consonants.size(), 21u);
}

TEST(TFontTexMg, PatternSheetMustBe196PixelsSquare) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const auto& [width, height] : {std::pair{195, 196}, {196, 197}}) {
        test::TestFolder dir;
        const std::string path = test::WritePatterns(dir, "patterns1.bmp", width, height);
        TFontTexMg bank(kFont, 1, 0, 0, dir.path);
        EXPECT_EXIT((unsetenv("DISPLAY"), bank.ReadPatterns(path)), ::testing::ExitedWithCode(1),
                    "Bitmap incorrect pour une fonte :\n" + path);
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
    EXPECT_EQ(bank.GlyphName(0xE9), bank.GlyphName('0'));
    EXPECT_NE(bank.GlyphName('q'), bank.GlyphName('r'));
    EXPECT_NE(bank.GlyphName('z'), bank.GlyphName('9'));

    const auto before = bank.GlyphNames;
    bank.Glyphs[0][0] = 1;
    bank.Rebuild();
    EXPECT_EQ(bank.Glyphs[0][0], 1) << "nothing changed: nothing drawn again";
    bank.SelectFont(kFont, 2, 1);
    bank.Rebuild();
    EXPECT_EQ(bank.GlyphNames, before);
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    const std::vector<std::uint8_t> texels = test::BoundTexels(64);
    EXPECT_EQ(test::Rgb(&texels[0]), test::PatternColour(2));
    EXPECT_EQ(InkColour(texels, test::PatternColour(2)), 0x0000FFu) << "red letters";
}

TEST_F(TFontTexMgGl, StringLayoutsPlaceOneCubePerCharacter) {
    TFontTexMg bank(kFont, 1, 0, 0, "/nowhere/");
    bank.DrawLetter = std::make_unique<TLettre>('A', &bank, 0.25f, 0.25f);
    const float w = 0.5f, h = 0.75f;
    // Letters are drawn one unit below the y they are given; Across draws spaces too.
    const auto across = test::CaptureCubes([&] { bank.DrawTextAcross("ab c", 1, 2, 3, w, h, 1); });
    ASSERT_EQ(across.size(), 4u);
    EXPECT_NEAR(across[3].centre.x, 1.0f + 3 * w - 3 * 0.125f, 1e-3);
    EXPECT_NEAR(across[3].centre.y, 2.0f - 3 * 0.25f - 1.0f, 1e-3);
    EXPECT_NEAR(across[3].centre.z, 3.0f + 3 * 1.5f, 1e-3);
    EXPECT_NEAR(across[3].size.y, h, 1e-3);
    const auto depth = test::CaptureCubes([&] { bank.DrawTextDepth("a b", 1, 2, 3, w, h, 0); });
    ASSERT_EQ(depth.size(), 2u) << "the space is skipped but keeps its place";
    EXPECT_NEAR(depth[1].centre.z, 3.0f - 2 * h, 1e-3);
    // Turned 90 degrees about z the line runs down -y; odd characters swap width and height.
    const TTextRecord record{1, 2, 3, 0.5f, 0.25f, 0.1f, 0, 0, 90.0f, "ab"};
    const auto turned = test::CaptureCubes([&] { bank.DrawTextRec(record); });
    ASSERT_EQ(turned.size(), 2u);
    EXPECT_NEAR(turned[1].centre.y, 1.0f - (0.1f + 0.25f), 1e-3);
    EXPECT_NEAR(turned[1].size.x, 0.25f, 1e-3);
}

} // namespace
} // namespace scrivel
