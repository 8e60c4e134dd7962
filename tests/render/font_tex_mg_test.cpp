#include "feedback.h"
#include "render/font_tex_mg.h"
#include "support/gl_fixture.h"
#include "texture_files.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace scrivel {
namespace {

constexpr const char* kFont = "DejaVu Sans";

std::uint32_t Rgb(const std::uint8_t* texel) {
    return texel[0] | texel[1] << 8 | texel[2] << 16;
}

// The colour most texels of a glyph have, leaving out those of the pattern behind it.
std::uint32_t InkColour(const std::vector<std::uint8_t>& glyph, std::uint32_t background) {
    std::map<std::uint32_t, int> counts;
    for (std::size_t i = 0; i < glyph.size(); i += 4) {
        counts[Rgb(&glyph[i])] += Rgb(&glyph[i]) != background ? 1 : 0;
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// A bank in a folder of its own whose Graphics/patterns1.bmp is the test pattern sheet.
struct Bank {
    test::TestFolder dir;
    TFontTexMg bank;
    Bank(int patternIndex, int colourIndex)
        : bank(kFont, 1, patternIndex, colourIndex, dir.Path()) {
        test::WritePatterns(dir, "Graphics/patterns1.bmp");
    }
};

TEST(TFontTexMg, SelectFontMarksDirtyOnlyWhenSomethingChanges) {
    TFontTexMg bank(kFont, 1, 2, 3, "/jeu/");
    EXPECT_TRUE(bank.Dirty) << "a new bank has never been rendered";
    EXPECT_EQ(bank.PatternPath(), "/jeu/Graphics/patterns1.bmp");
    bank.Dirty = false;
    bank.SelectFont(kFont, 2, 3);
    EXPECT_FALSE(bank.Dirty);
    bank.SelectFont("Liberation Serif", 2, 3);
    EXPECT_TRUE(bank.Dirty);
    bank.Dirty = false;
    bank.SelectFont("Liberation Serif", 5, 3);
    EXPECT_TRUE(bank.Dirty);
    bank.Dirty = false;
    bank.SelectFont("Liberation Serif", 5, 9);
    EXPECT_TRUE(bank.Dirty);
    EXPECT_TRUE(bank.Multicolour);
    // Repeating the new values before the rebuild keeps the change pending.
    bank.SelectFont("Liberation Serif", 5, 9);
    EXPECT_TRUE(bank.Dirty);
    // Values beyond the tables (a hand-edited options file) fall back to the first entry.
    bank.SelectFont(kFont, 9, 10);
    EXPECT_EQ(bank.PatternIndex, 0);
    EXPECT_EQ(bank.ColourIndex, 0);
    bank.SelectFont(kFont, -1, -4);
    EXPECT_EQ(bank.PatternIndex, 0);
    EXPECT_EQ(bank.ColourIndex, 0);
}

TEST(TFontTexMg, GlyphIndexSharesCasesAndSendsOtherCharactersToZero) {
    EXPECT_EQ(TFontTexMg::GlyphIndex('Q'), TFontTexMg::GlyphIndex('q'));
    EXPECT_EQ(TFontTexMg::GlyphIndex('Z'), 25);
    EXPECT_EQ(TFontTexMg::GlyphIndex('9'), 35);
    // Space, @ [ ` {, / :, e acute and NUL: the neighbours of the ranges and beyond.
    for (const int other : {0x20, 0x40, 0x5B, 0x60, 0x7B, 0x2F, 0x3A, 0xE9, 0x00}) {
        EXPECT_EQ(TFontTexMg::GlyphIndex(static_cast<std::uint8_t>(other)), 26) << other;
    }
}

TEST(TFontTexMg, MulticolourGivesVowelsOneColourAndDigitsWhite) {
    Bank b(1, 9);
    b.bank.ReadPatterns(b.bank.PatternPath());
    b.bank.RenderGlyphs();
    std::set<std::uint32_t> consonants;
    for (int k = 0; k < 36; ++k) {
        const std::uint32_t ink = InkColour(b.bank.Glyphs[k], test::PatternColour(1));
        if (k >= 26) {
            EXPECT_EQ(ink, 0xFFFFFFu) << "digit " << k - 26;
        } else if (std::string("AEIOU").find(static_cast<char>('A' + k)) != std::string::npos) {
            EXPECT_EQ(ink, ColourRgb(113, 240, 96)) << k;
        } else {
            EXPECT_EQ(ink, TFontTexMg::LetterColours[k]) << k;
            consonants.insert(ink);
        }
    }
    EXPECT_EQ(consonants.size(), 21u) << "every consonant has its own colour";
}

TEST(TFontTexMg, GlyphsTakeTheFontColourOnThePatternWithoutBlackLeft) {
    Bank b(4, 1); // red on pattern 4
    b.bank.ReadPatterns(b.bank.PatternPath());
    b.bank.RenderGlyphs();
    for (int k = 0; k < 36; ++k) {
        const std::vector<std::uint8_t>& glyph = b.bank.Glyphs[k];
        EXPECT_EQ(InkColour(glyph, test::PatternColour(4)), k < 26 ? 0x0000FFu : 0xFFFFFFu) << k;
        EXPECT_EQ(Rgb(&glyph[0]), test::PatternColour(4)) << "corner of glyph " << k;
        for (std::size_t i = 0; i < glyph.size(); i += 4) {
            ASSERT_NE(Rgb(&glyph[i]), 0u) << "black texel left in glyph " << k;
        }
    }
}

TEST(TFontTexMg, PatternSheetMustBe196PixelsSquare) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const auto& [width, height] : {std::pair{195, 196}, {196, 195}, {197, 197}}) {
        test::TestFolder dir;
        const std::string path = test::WritePatterns(dir, "patterns1.bmp", width, height);
        TFontTexMg bank(kFont, 1, 0, 0, dir.Path());
        EXPECT_EXIT(
            {
                unsetenv("DISPLAY");
                bank.ReadPatterns(path);
            },
            ::testing::ExitedWithCode(1),
            test::Literally("Bitmap incorrect pour une fonte :\n" + path));
    }
}

class TFontTexMgGl : public test::GlTest {};

TEST_F(TFontTexMgGl, RebuildUploadsUnderTheSameNamesOnlyWhenDirty) {
    Bank b(0, 0);
    TFontTexMg& bank = b.bank;
    bank.LoadPatterns();
    EXPECT_FALSE(bank.Dirty);
    const std::set<unsigned> names(bank.GlyphNames.begin(), bank.GlyphNames.end());
    EXPECT_EQ(names.size(), 36u);
    EXPECT_EQ(names.count(0), 0u);
    EXPECT_EQ(bank.GlyphName('q'), bank.GlyphName('Q'));
    EXPECT_EQ(bank.GlyphName(' '), bank.GlyphName('0'));
    EXPECT_NE(bank.GlyphName('q'), bank.GlyphName('r'));

    // Nothing changed: the glyphs are neither drawn again nor uploaded.
    const auto before = bank.GlyphNames;
    bank.Glyphs[0][0] = 1;
    bank.SelectFont(kFont, 0, 0);
    bank.Rebuild();
    EXPECT_EQ(bank.Glyphs[0][0], 1);

    bank.SelectFont(kFont, 2, 1);
    bank.Rebuild();
    EXPECT_EQ(bank.GlyphNames, before);
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    const std::vector<std::uint8_t> texels = test::BoundTexels(64, 64);
    EXPECT_EQ(Rgb(&texels[0]), test::PatternColour(2));
    EXPECT_EQ(InkColour(texels, test::PatternColour(2)), 0x0000FFu);
}

TEST_F(TFontTexMgGl, StringLayoutsPlaceOneCubePerCharacter) {
    Bank b(0, 0);
    b.bank.LoadPatterns();
    const float w = 0.5f, h = 0.75f, s = 1.0f;
    // Letters are drawn one unit below the y they are given; Across draws spaces too.
    const auto across =
        test::CaptureCubes([&] { b.bank.DrawTextAcross("ab c", 1, 2, 3, w, h, s); });
    ASSERT_EQ(across.size(), 4u);
    EXPECT_NEAR(across[3].centre.x, 1.0f + 3 * w - 3 * s * 0.125f, 1e-3);
    EXPECT_NEAR(across[3].centre.y, 2.0f - 3 * s * 0.25f - 1.0f, 1e-3);
    EXPECT_NEAR(across[3].centre.z, 3.0f + 3 * s * 1.5f, 1e-3);
    EXPECT_NEAR(across[3].size.y, h, 1e-3);

    const auto depth = test::CaptureCubes([&] { b.bank.DrawTextDepth("a b", 1, 2, 3, w, h, 0); });
    ASSERT_EQ(depth.size(), 2u) << "the space is skipped but keeps its place";
    EXPECT_NEAR(depth[1].centre.z, 3.0f - 2 * h, 1e-3);

    // A turned line: 90 degrees about z sends it down -y; odd characters swap width and height.
    const TTextRecord record{1, 2, 3, 0.5f, 0.25f, 0.1f, 0, 0, 90.0f, "ab"};
    const auto turned = test::CaptureCubes([&] { b.bank.DrawTextRec(record); });
    ASSERT_EQ(turned.size(), 2u);
    EXPECT_NEAR(turned[1].centre.y, 1.0f - (0.1f + 0.25f), 1e-3);
    EXPECT_NEAR(turned[1].size.x, 0.25f, 1e-3);
}

} // namespace
} // namespace scrivel
