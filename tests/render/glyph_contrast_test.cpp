// Letters must stay readable on every pattern with every font colour the options offer. The
// figure is the WCAG contrast ratio between the mean relative luminance of a letter's solid texels
// and that of the 2-pixel band just outside it: the eye separates a letter from what touches its
// edge, and 3:1 is the WCAG floor for large type (our glyphs are 42-point).
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "render/font_tex_mg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace scrivel {
namespace {

constexpr const char* kFont = "Arial"; // the options' default
constexpr int kSide = TFontTexMg::GlyphSize;
constexpr double kMinimum = 3.0;
constexpr int kColourCount = static_cast<int>(TFontTexMg::FontColours.size());

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const std::uint8_t* texel) {
    return 0.2126 * Linear(texel[0]) + 0.7152 * Linear(texel[1]) + 0.0722 * Linear(texel[2]);
}

double Ratio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// How much of each texel the letter covers, 0 to 1, in the glyphs' transposed order: drawn white
// on black where and as the font bank draws it.
std::vector<double> Coverage(char character) {
    platform::Bitmap cell(kSide, kSide);
    platform::Canvas canvas(cell);
    canvas.FillRect(0, 0, kSide, kSide, platform::Colour(0, 0, 0));
    canvas.SetFont({kFont, TFontTexMg::FontPoints, platform::Colour(255, 255, 255)});
    const std::string text(1, character);
    const platform::TextSize size = canvas.TextExtent(text);
    canvas.TextOut((kSide - size.width) / 2, (kSide - size.height) / 2, text);
    std::vector<double> coverage(kSide * kSide);
    for (int x = 0; x < kSide; ++x) {
        for (int y = 0; y < kSide; ++y) {
            coverage[x * kSide + y] = (cell.Pixel(x, y) & 0xFFu) / 255.0;
        }
    }
    return coverage;
}

// The contrast of one glyph: its solid texels against the untouched ones within 2 pixels of its
// outline.
double GlyphContrast(const std::vector<std::uint8_t>& glyph, const std::vector<double>& coverage) {
    static constexpr double Band = 2.0;
    double ink = 0;
    int inkCount = 0;
    double edge = 0;
    int edgeCount = 0;
    for (int x = 0; x < kSide; ++x) {
        for (int y = 0; y < kSide; ++y) {
            const int i = x * kSide + y;
            if (coverage[i] >= 0.9) {
                ink += Luminance(&glyph[4 * i]);
                ++inkCount;
                continue;
            }
            if (coverage[i] > 0.02) {
                continue;
            }
            bool near = false;
            for (int dx = -2; dx <= 2 && !near; ++dx) {
                for (int dy = -2; dy <= 2 && !near; ++dy) {
                    const int u = x + dx;
                    const int v = y + dy;
                    near = u >= 0 && v >= 0 && u < kSide && v < kSide &&
                           std::hypot(dx, dy) <= Band && coverage[u * kSide + v] >= 0.5;
                }
            }
            if (near) {
                edge += Luminance(&glyph[4 * i]);
                ++edgeCount;
            }
        }
    }
    return Ratio(ink / inkCount, edge / edgeCount);
}

TEST(GlyphContrast, MeasureRanksKnownPairs) {
    // Hand-worked ratios: white on black 21, mid grey (128) on black 5.32, red on black 5.25.
    const std::uint8_t white[4] = {255, 255, 255, 255};
    const std::uint8_t black[4] = {0, 0, 0, 255};
    const std::uint8_t grey[4] = {128, 128, 128, 255};
    const std::uint8_t red[4] = {255, 0, 0, 255};
    EXPECT_NEAR(Ratio(Luminance(white), Luminance(black)), 21.0, 0.01);
    EXPECT_NEAR(Ratio(Luminance(grey), Luminance(black)), 5.32, 0.01);
    EXPECT_NEAR(Ratio(Luminance(black), Luminance(red)), 5.25, 0.01);
    // A letter the colour of its background has no contrast at all.
    const std::vector<double> coverage = Coverage('H');
    std::vector<std::uint8_t> flat(kSide * kSide * 4, 90);
    EXPECT_NEAR(GlyphContrast(flat, coverage), 1.0, 1e-9);
}

// Every letter A to Z of every pattern and font colour, on the generated pattern sheet; the
// table of worst letters goes to the output for the record.
TEST(GlyphContrast, EveryPatternAndFontColourKeepsLettersReadable) {
    std::array<std::vector<double>, 26> coverage;
    for (int k = 0; k < 26; ++k) {
        coverage[k] = Coverage(static_cast<char>('A' + k));
    }
    std::string table =
        "pattern  white   red  blue maroon yellow orange green  grey purple multi\n";
    for (int pattern = 0; pattern < TFontTexMg::PatternCount; ++pattern) {
        table += "      " + std::to_string(pattern) + " ";
        for (int colour = 0; colour < kColourCount; ++colour) {
            TFontTexMg bank(kFont, 1, pattern, colour, SCRIVEL_GAME_DIR);
            bank.ReadPatterns(bank.PatternPath());
            bank.RenderGlyphs();
            double worst = 1e9;
            char worstLetter = 'A';
            for (int k = 0; k < 26; ++k) {
                const double ratio = GlyphContrast(bank.Glyph(k), coverage[k]);
                if (ratio < worst) {
                    worst = ratio;
                    worstLetter = static_cast<char>('A' + k);
                }
            }
            EXPECT_GE(worst, kMinimum) << "pattern " << pattern << ", font colour " << colour
                                       << ", letter " << worstLetter;
            char figure[16];
            std::snprintf(figure, sizeof figure, "%6.2f", worst);
            table += figure;
        }
        table += "\n";
    }
    std::printf("%s", table.c_str());
}

} // namespace
} // namespace scrivel
