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

constexpr std::uint32_t kLightHalo = 0xDAEEF6u; // (246, 238, 218)
constexpr std::uint32_t kDarkHalo = 0x0E1014u;  // (20, 16, 14)

// The colour most texels of a glyph have, leaving out the pattern behind it and the halo.
std::uint32_t InkColour(const std::vector<std::uint8_t>& glyph, std::uint32_t background) {
    std::map<std::uint32_t, int> counts;
    for (std::size_t i = 0; i < glyph.size(); i += 4) {
        const std::uint32_t colour = test::Rgb(&glyph[i]);
        counts[colour] += colour != background && colour != kLightHalo && colour != kDarkHalo;
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// How far a texel lies from the nearest blend of ink over background: 0 for a texel of the letter,
// of the pattern, or of an edge that mixes the two.
double SegmentError(const std::uint8_t* texel, std::uint32_t ink, std::uint32_t background) {
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

// The same with the halo between them: any mix of ink, one halo tone and the pattern (where the
// halo's own edge lies under the letter's), so the texel lies in their triangle.
double BlendError(const std::uint8_t* texel, std::uint32_t ink, std::uint32_t background) {
    const auto channel = [](std::uint32_t colour, int c) {
        return static_cast<double>((colour >> (8 * c)) & 0xFFu);
    };
    double error = 1e9;
    for (const std::uint32_t halo : {kLightHalo, kDarkHalo}) {
        // Least squares for texel = background + a (ink - background) + b (halo - background).
        double uu = 0, uv = 0, vv = 0, tu = 0, tv = 0;
        for (int c = 0; c < 3; ++c) {
            const double u = channel(ink, c) - channel(background, c);
            const double v = channel(halo, c) - channel(background, c);
            const double t = texel[c] - channel(background, c);
            uu += u * u;
            uv += u * v;
            vv += v * v;
            tu += t * u;
            tv += t * v;
        }
        const double det = uu * vv - uv * uv;
        const double a = (tu * vv - tv * uv) / det;
        const double b = (tv * uu - tu * uv) / det;
        if (a >= 0 && b >= 0 && a + b <= 1) {
            double inside = 0;
            for (int c = 0; c < 3; ++c) {
                const double mix = channel(background, c) +
                                   a * (channel(ink, c) - channel(background, c)) +
                                   b * (channel(halo, c) - channel(background, c));
                inside = std::max(inside, std::fabs(texel[c] - mix));
            }
            error = std::min(error, inside);
        }
        error = std::min({error, SegmentError(texel, ink, background),
                          SegmentError(texel, ink, halo), SegmentError(texel, halo, background)});
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
        const std::vector<std::uint8_t>& glyph = bank.Glyph(k);
        const std::uint32_t ink = InkColour(glyph, test::PatternColour(1));
        if (k >= 26) {
            EXPECT_EQ(ink, 0xFFFFFFu) << "digit " << k - 26;
        } else if (std::string("AEIOU").find(static_cast<char>('A' + k)) != std::string::npos) {
            EXPECT_EQ(ink, platform::Colour(113, 240, 96).Windows()) << k;
        } else {
            EXPECT_EQ(ink, TFontTexMg::LetterColours[k].Windows()) << k;
            consonants.insert(ink);
        }
        // Edges blend through the halo into the pattern: no black rim left by the background.
        for (std::size_t i = 0; i < glyph.size(); i += 4) {
            ASSERT_LE(BlendError(&glyph[i], ink, test::PatternColour(1)), 2.5)
                << "glyph " << k << " texel " << i / 4;
        }
    }
    EXPECT_EQ(consonants.size(), 21u);
}

class TFontTexMgGl : public test::GlTest {};

TEST_F(TFontTexMgGl, RebuildUploadsUnderTheSameNamesOnlyWhenTheFontChanged) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank(kFont, 1, 0, 0, dir.path);
    bank.LoadPatterns();
    // The names of A to Z, then 0 to 9.
    const auto names = [&bank] {
        std::vector<unsigned> all;
        for (const char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
            all.push_back(bank.GlyphName(static_cast<std::uint8_t>(c)));
        }
        return all;
    };
    const std::vector<unsigned> before = names();
    EXPECT_EQ(std::set<unsigned>(before.begin(), before.end()).size(), 36u);
    EXPECT_EQ(bank.GlyphName('q'), bank.GlyphName('Q'));
    EXPECT_EQ(bank.GlyphName(' '), bank.GlyphName('0'));
    // A mark on the uploaded A, which a new upload would wipe out.
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    const std::uint8_t mark[4] = {1, 2, 3, 255};
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, mark);
    bank.SelectFont(kFont, 0, 0);
    bank.Rebuild();
    bank.SelectFont(kFont, 9, -4); // beyond the tables: the first entries, so no change either
    bank.Rebuild();
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    EXPECT_EQ(test::Rgb(&test::BoundTexels(64)[0]), 0x030201u) << "nothing changed: no upload";
    bank.SelectFont(kFont, 2, 1);
    bank.Rebuild();
    EXPECT_EQ(names(), before);
    glBindTexture(GL_TEXTURE_2D, bank.GlyphName('A'));
    const std::vector<std::uint8_t> texels = test::BoundTexels(64);
    EXPECT_EQ(test::Rgb(&texels[0]), test::PatternColour(2));
    EXPECT_EQ(InkColour(texels, test::PatternColour(2)), 0x0000FFu) << "red letters";
}

TEST_F(TFontTexMgGl, OnlyTheAcrossAndDownLayoutsDrawSpaces) {
    test::TestFolder dir;
    test::WritePatterns(dir, "Graphics/patterns1.bmp");
    TFontTexMg bank(kFont, 1, 0, 0, dir.path);
    bank.LoadPatterns();
    Ortho(0, 8, 0, 8, -10, 10);
    glColor3f(1.0f, 1.0f, 1.0f);
    // A 1 x 1 cube at (4, 4) covers about 1000 of the 32 x 32 pixels a unit.
    const auto lit = [&bank](auto layout) {
        return LitPixels(
            DrawnFrame([&] { (bank.*layout)(" ", 4.0f, 4.0f, 0.0f, 1.0f, 1.0f, 0.0f); }));
    };
    EXPECT_GT(lit(&TFontTexMg::DrawTextAcross), 500);
    EXPECT_GT(lit(&TFontTexMg::DrawTextDown), 500);
    EXPECT_EQ(lit(&TFontTexMg::DrawTextDepth), 0);
}

} // namespace
} // namespace scrivel
