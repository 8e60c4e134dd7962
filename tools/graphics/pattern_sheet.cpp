#include "graphics/pattern_sheet.h"

#include "graphics/procedural.h"
#include "platform/canvas.h"
#include "platform/sheet_layout.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

namespace scrivel::graphics {

using platform::Bitmap;
using platform::Canvas;
using platform::Point;

namespace {

constexpr platform::SheetLayout kSheet = platform::kPatternSheet;
constexpr int kCell = platform::SheetLayout::TileSize;
constexpr double kPi = std::numbers::pi;

double U(int x) {
    return (x + 0.5) / kCell;
}

Bitmap Pattern(const std::function<Colour(int, int)>& colourAt) {
    Bitmap cell(kCell, kCell);
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            cell.SetPixel(x, y, ToPixel(colourAt(x, y)));
        }
    }
    return cell;
}

// Deep blue, lighter in the middle, with a faint cloudiness: it must not compete with a title.
Bitmap Calm() {
    return Pattern([](int x, int y) {
        const double r = std::hypot(U(x) - 0.5, U(y) - 0.45) / 0.7;
        const Colour colour = Mix(Rgb255(46, 56, 112), Rgb255(16, 20, 52), Smoothstep(0.0, 1.0, r));
        return Scale(colour, 0.95 + 0.1 * Fbm(U(x), U(y), 3, 3, 3, 11));
    });
}

Bitmap Marble() {
    return Pattern([](int x, int y) {
        const double turbulence = Fbm(U(x), U(y), 2, 2, 4, 21, 0.5);
        const double wave = std::sin(2 * kPi * (U(x) * 1.5 - U(y)) + 9.0 * turbulence);
        const double vein = 1.0 - Smoothstep(0.0, 0.3, std::abs(wave));
        const Colour base = Mix(Rgb255(52, 78, 72), Rgb255(80, 104, 96), turbulence);
        return Mix(base, Rgb255(150, 170, 160), 0.75 * vein);
    });
}

Bitmap Wood() {
    return Pattern([](int x, int y) {
        const double warp = Fbm(U(x), U(y), 2, 4, 3, 31);
        const double r = std::hypot((U(x) + 0.4) * 1.0, (U(y) - 0.5) * 3.0);
        const double rings = 0.5 + 0.5 * std::sin(2 * kPi * (r * 7.0 + 1.5 * warp));
        const Colour colour = Mix(Rgb255(92, 54, 30), Rgb255(142, 92, 52), std::pow(rings, 0.7));
        return Scale(colour, 0.95 + 0.1 * (Hash(x, y, 32) / 4294967295.0));
    });
}

Bitmap Stripes() {
    return Pattern([](int x, int y) {
        const double phase = std::fmod(x + y + 64.0, 12.0) / 12.0;
        const double band = Smoothstep(0.45, 0.55, phase) - Smoothstep(0.95, 1.0, phase);
        return Mix(Rgb255(20, 74, 84), Rgb255(34, 112, 118), band);
    });
}

Bitmap Dots() {
    return Pattern([](int x, int y) {
        // Dots on a staggered grid of 16 pixels.
        const int row = y / 16;
        const double cx = std::fmod(x + (row % 2) * 8.0, 16.0) - 8.0;
        const double cy = (y % 16) - 7.5;
        const double r = std::hypot(cx + 0.5, cy);
        const double dot = 1.0 - Smoothstep(4.2, 5.2, r);
        const Colour ground = Rgb255(104, 24, 38);
        const Colour spot =
            Mix(Rgb255(176, 62, 80), Rgb255(150, 44, 62), Smoothstep(0.0, 4.5, r + cy * 0.4));
        return Mix(ground, spot, dot);
    });
}

Bitmap Weave() {
    return Pattern([](int x, int y) {
        // Squares of 8 pixels alternate between two strands across and two strands down.
        const bool across = ((x / 8) + (y / 8)) % 2 == 0;
        const double along = across ? (x % 8) : (y % 8);
        const double thread = across ? (y % 4) : (x % 4);
        // Each strand is rounded across and shaded where it dives under the next.
        const double round = 0.6 + 0.4 * std::sin(kPi * (thread + 0.5) / 4.0);
        const double dive = 0.8 + 0.2 * std::sin(kPi * (along + 0.5) / 8.0);
        const Colour colour = across ? Rgb255(64, 82, 118) : Rgb255(80, 98, 132);
        return Scale(colour, round * dive);
    });
}

Bitmap Granite() {
    return Pattern([](int x, int y) {
        const double cloud = Fbm(U(x), U(y), 4, 4, 4, 61);
        Colour colour = Mix(Rgb255(58, 56, 60), Rgb255(84, 80, 84), cloud);
        const std::uint32_t h = Hash(x, y, 62);
        const int fleck = static_cast<int>(h % 100);
        if (fleck < 6) {
            colour = Mix(colour, Rgb255(150, 110, 110), 0.7);
        } else if (fleck < 10) {
            colour = Mix(colour, Rgb255(170, 170, 168), 0.6);
        } else if (fleck < 18) {
            colour = Scale(colour, 0.55);
        }
        return colour;
    });
}

Bitmap Ripples() {
    return Pattern([](int x, int y) {
        const double r = std::hypot(x - 40.0, y - 26.0) + 3.0 * Fbm(U(x), U(y), 3, 3, 2, 71);
        const double wave = std::sin(r * 0.9) * std::exp(-r / 70.0);
        const Colour colour = Mix(Rgb255(22, 66, 124), Rgb255(46, 108, 166), 0.5 + 0.5 * wave);
        return Scale(colour, 1.0 - 0.15 * Smoothstep(30.0, 60.0, r));
    });
}

Bitmap StarryNight() {
    Bitmap cell = Pattern([](int x, int y) {
        const Colour sky = Mix(Rgb255(30, 26, 70), Rgb255(8, 12, 36), U(y));
        return Scale(sky, 0.9 + 0.2 * Fbm(U(x), U(y), 3, 3, 3, 81));
    });
    Canvas canvas(cell);
    Random random(82);
    for (int i = 0; i < 34; ++i) {
        const Point p{random.Range(1, 63), random.Range(1, 63)};
        const double size = random.Unit();
        if (size > 0.85) {
            canvas.FillRadialGradient(0, 0, kCell, kCell, p, 3.5, ToColour(Rgb255(200, 210, 255)),
                                      ToColour(Rgb255(200, 210, 255)), 0.5, 0.0);
        }
        canvas.FillEllipse(p, 0.5 + size * 0.6, 0.5 + size * 0.6, ToColour(Rgb255(240, 240, 224)),
                           0.6 + 0.4 * size);
    }
    return cell;
}

} // namespace

Bitmap MakePatternSheet() {
    Bitmap sheet(kSheet.Width(), kSheet.Height());
    Canvas canvas(sheet);
    canvas.FillRect(0, 0, kSheet.Width(), kSheet.Height(), ToColour(Rgb255(40, 40, 40)));
    const std::array<Bitmap, 9> patterns = {Calm(),  Marble(),  Wood(),    Stripes(),    Dots(),
                                            Weave(), Granite(), Ripples(), StarryNight()};
    for (int k = 0; k < kSheet.TileCount(); ++k) {
        canvas.Draw(kSheet.TileLeft(k), kSheet.TileTop(k), patterns[static_cast<std::size_t>(k)]);
    }
    return sheet;
}

Bitmap MakeGlyphPreview(const Bitmap& sheet) {
    struct Sample {
        const char* font;
        platform::Colour colour;
        char letter;
    };
    // Title yellow in Garamond, then some of the font colours and multicolour letters.
    const std::array<Sample, 7> samples = {
        Sample{"Garamond", platform::Colour(255, 255, 0), 'S'},
        Sample{"Arial", platform::Colour(255, 255, 255), 'A'},
        Sample{"Arial", platform::Colour(243, 171, 45), 'L'},
        Sample{"Arial", platform::Colour(113, 240, 96), 'E'},
        Sample{"Arial", platform::Colour(68, 45, 243), 'B'},
        Sample{"Times New Roman", platform::Colour(255, 0, 0), 'R'},
        Sample{"Verdana", platform::Colour(45, 203, 243), 'T'},
    };
    // One row per pattern, one column per sample, in the sheet's own frames.
    const platform::SheetLayout page{static_cast<int>(samples.size()), kSheet.TileCount()};
    Bitmap preview(page.Width(), page.Height());
    Canvas canvas(preview);
    canvas.FillRect(0, 0, preview.Width(), preview.Height(), ToColour(Rgb255(40, 40, 40)));
    Bitmap glyph(kCell, kCell);
    Canvas cell(glyph);
    for (int k = 0; k < kSheet.TileCount(); ++k) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            // As the font bank does: the letter drawn over its pattern, centred in its cell.
            cell.Blit(0, 0, sheet, kSheet.TileLeft(k), kSheet.TileTop(k), kCell, kCell);
            cell.SetFont({samples[i].font, 42, samples[i].colour});
            const std::string text(1, samples[i].letter);
            const platform::TextSize size = cell.TextExtent(text);
            cell.TextOut((kCell - size.width) / 2, (kCell - size.height) / 2, text);
            const int n = k * page.Columns + static_cast<int>(i);
            canvas.Draw(page.TileLeft(n), page.TileTop(n), glyph);
        }
    }
    return preview;
}

} // namespace scrivel::graphics
