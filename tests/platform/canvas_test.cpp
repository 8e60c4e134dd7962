#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/font_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace scrivel::platform {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Box {
    int left = 0;
    int top = 0;
    int right = -1; // inclusive
    int bottom = -1;
    bool Empty() const { return right < left; }
};

// The smallest rectangle holding every pixel that is not `background`.
Box InkBox(const Bitmap& bitmap, std::uint32_t background = 0) {
    Box box{bitmap.Width(), bitmap.Height(), -1, -1};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

Bitmap Drawn(const std::string& family, const std::string& text,
             FontStyle style = FontStyle::Regular) {
    Bitmap bitmap(200, 80);
    Canvas canvas(bitmap);
    canvas.SetFont({family, 30, kWhite, style});
    canvas.TextOut(4, 4, text);
    return bitmap;
}

TEST(Canvas, FillRectCoversExactlyItsPixelsAndClips) {
    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap);
    canvas.FillRect(2, 3, 4, 5, kRed);
    const Box box = InkBox(bitmap);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 3);
    EXPECT_EQ(box.right, 5);
    EXPECT_EQ(box.bottom, 7);
    EXPECT_EQ(bitmap.Pixel(4, 4), kRed);

    canvas.FillRect(-50, -50, 1000, 1000, kBlue); // partly outside: clipped, no crash
    EXPECT_EQ(bitmap.Pixel(0, 0), kBlue);
    EXPECT_EQ(bitmap.Pixel(9, 9), kBlue);
    canvas.FillRect(3, 3, 0, 5, kRed); // empty
    canvas.FillRect(3, 3, -2, 5, kRed);
    EXPECT_EQ(bitmap.Pixel(3, 3), kBlue);
}

TEST(Canvas, DirectPixelWritesAndDrawingMix) {
    Bitmap bitmap(4, 1);
    Canvas canvas(bitmap);
    canvas.FillRect(0, 0, 2, 1, kRed);
    bitmap.SetPixel(2, 0, kBlue);
    bitmap.Row(0)[3] = Bitmap::ColourToNative(kWhite);
    Bitmap copy(4, 1);
    Canvas(copy).Draw(0, 0, bitmap);
    EXPECT_EQ(copy.Pixel(1, 0), kRed);
    EXPECT_EQ(copy.Pixel(2, 0), kBlue);
    EXPECT_EQ(copy.Pixel(3, 0), kWhite);
}

TEST(Canvas, ArgbOpacityBlendsAndReadsBackUnpremultiplied) {
    Bitmap bitmap(2, 1, PixelFormat::Argb32);
    Canvas canvas(bitmap);
    canvas.FillRect(0, 0, 1, 1, Bitmap::Rgb(200, 100, 50), 0.5);
    const std::uint32_t colour = bitmap.Pixel(0, 0);
    EXPECT_NEAR(static_cast<int>(colour & 0xFF), 200, 2);
    EXPECT_NEAR(static_cast<int>((colour >> 8) & 0xFF), 100, 2);
    EXPECT_NEAR(static_cast<int>((colour >> 16) & 0xFF), 50, 2);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0u);

    Bitmap opaque(1, 1);
    opaque.Fill(kWhite);
    Canvas(opaque).FillRect(0, 0, 1, 1, 0, 0.5);
    EXPECT_NEAR(static_cast<int>(opaque.Pixel(0, 0) & 0xFF), 128, 1);
}

TEST(Canvas, BlitCopiesAndsAndStretchesRectangles) {
    Bitmap source(4, 4);
    source.Fill(kRed);
    source.SetPixel(1, 1, kBlue);
    source.SetPixel(2, 2, kWhite);

    Bitmap target(6, 6);
    target.Fill(kWhite);
    Canvas canvas(target);
    canvas.Blit(3, 4, source, 1, 1, 2, 2); // blue, red / red, white
    EXPECT_EQ(target.Pixel(3, 4), kBlue);
    EXPECT_EQ(target.Pixel(4, 4), kRed);
    EXPECT_EQ(target.Pixel(4, 5), kWhite);
    EXPECT_EQ(target.Pixel(2, 4), kWhite);
    EXPECT_EQ(target.Pixel(5, 4), kWhite);

    // AND keeps the bits set in both: white AND x = x, blue AND red = black.
    Bitmap mask(2, 1);
    mask.SetPixel(0, 0, kRed);
    mask.SetPixel(1, 0, kWhite);
    canvas.Blit(3, 4, mask, 0, 0, 2, 1, BlitMode::And);
    EXPECT_EQ(target.Pixel(3, 4), 0u);
    EXPECT_EQ(target.Pixel(4, 4), kRed);

    // Rectangles reaching past either bitmap are clipped.
    canvas.Blit(5, 5, source, 0, 0, 4, 4, BlitMode::And);
    canvas.Blit(-3, -3, source, -2, -2, 10, 10); // source (0, 0) lands on (-1, -1)
    EXPECT_EQ(target.Pixel(0, 0), kBlue);
    EXPECT_EQ(target.Pixel(1, 1), kWhite);
    EXPECT_EQ(target.Pixel(2, 2), kRed);
    EXPECT_EQ(target.Pixel(3, 3), kWhite) << "past the copied part of the source";

    Bitmap big(8, 8);
    Canvas(big).StretchBlit(0, 0, 8, 8, source, 0, 0, 4, 4, Filter::Nearest);
    EXPECT_EQ(big.Pixel(2, 2), kBlue);
    EXPECT_EQ(big.Pixel(3, 3), kBlue);
    EXPECT_EQ(big.Pixel(4, 4), kWhite);
    EXPECT_EQ(big.Pixel(7, 0), kRed);
}

TEST(Canvas, ShapesDrawInsideTheirBounds) {
    Bitmap bitmap(40, 40);
    Canvas canvas(bitmap);
    canvas.SetAntialias(Antialias::Off);
    canvas.FillEllipse({20, 20}, 10, 5, kWhite);
    Box box = InkBox(bitmap);
    EXPECT_GE(box.left, 9);
    EXPECT_LE(box.right, 30);
    EXPECT_GE(box.top, 14);
    EXPECT_LE(box.bottom, 25);
    EXPECT_EQ(bitmap.Pixel(20, 20), kWhite);
    EXPECT_EQ(bitmap.Pixel(20, 12), 0u);

    canvas.FillLinearGradient(0, 30, 40, 10, {0, 0}, kRed, {40, 0}, kBlue);
    EXPECT_GT(bitmap.Pixel(2, 35) & 0xFF, 0xE0u);
    EXPECT_GT((bitmap.Pixel(38, 35) >> 16) & 0xFF, 0xE0u);

    // Only the two colours exist without antialiasing.
    std::set<std::uint32_t> colours;
    Bitmap line(20, 20);
    Canvas lineCanvas(line);
    lineCanvas.SetAntialias(Antialias::Off);
    lineCanvas.DrawLine({1, 1}, {18, 13}, kWhite, 2.0);
    lineCanvas.DrawEllipse({10, 10}, 6, 4, kWhite);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            colours.insert(line.Pixel(x, y));
        }
    }
    lineCanvas.SetFont({"DejaVu Sans", 12, kWhite});
    lineCanvas.TextOut(0, 0, "Ag");
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            colours.insert(line.Pixel(x, y));
        }
    }
    EXPECT_EQ(colours, (std::set<std::uint32_t>{0, kWhite}));
}

TEST(Canvas, TextExtentIsAdvanceWidthAndLineHeight) {
    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap);
    canvas.SetFont({"DejaVu Sans", 42, kWhite});
    const TextSize w = canvas.TextExtent("W");
    const TextSize ww = canvas.TextExtent("WW");
    const TextSize i = canvas.TextExtent("i");
    EXPECT_GT(w.width, i.width);
    EXPECT_NEAR(ww.width, 2 * w.width, 1);
    // 42 points are 56 pixels; the line height is the font's ascent plus descent, the same for
    // every text, the empty one included.
    EXPECT_GE(w.height, 56);
    EXPECT_LE(w.height, 75);
    EXPECT_EQ(i.height, w.height);
    EXPECT_EQ(canvas.TextExtent("").height, w.height);
    EXPECT_EQ(canvas.TextExtent("").width, 0);

    canvas.SetFont({"DejaVu Sans", 21, kWhite});
    EXPECT_NEAR(canvas.TextExtent("W").width * 2, w.width, 2);
}

TEST(Canvas, TextIsDrawnInsideItsCellInTheFontColour) {
    Bitmap bitmap(120, 100);
    Canvas canvas(bitmap);
    canvas.SetFont({"Liberation Sans", 42, kRed});
    const TextSize size = canvas.TextExtent("H");
    canvas.TextOut(10, 20, "H");
    const Box box = InkBox(bitmap);
    ASSERT_FALSE(box.Empty());
    EXPECT_GE(box.left, 10);
    EXPECT_GE(box.top, 20);
    EXPECT_LE(box.right, 10 + size.width);
    EXPECT_LE(box.bottom, 20 + size.height);
    // The upright of the H is solid red.
    EXPECT_EQ(bitmap.Pixel(box.left + 2, (box.top + box.bottom) / 2), kRed);
}

TEST(Canvas, CentringLikeTheGlyphSheetPutsTheLetterMidCell) {
    Bitmap bitmap(64, 64);
    Canvas canvas(bitmap);
    canvas.SetFont({"Liberation Sans", 42, kWhite});
    const TextSize size = canvas.TextExtent("O");
    canvas.TextOut((64 - size.width) / 2, (64 - size.height) / 2, "O");
    const Box box = InkBox(bitmap);
    ASSERT_FALSE(box.Empty());
    EXPECT_NEAR((box.left + box.right) / 2.0, 31.5, 3);
    EXPECT_GT(box.top, 2);
    EXPECT_LT(box.bottom, 62);
}

TEST(Canvas, Latin1TextMatchesItsUtf8Spelling) {
    Bitmap latin1(100, 60);
    Bitmap utf8(100, 60);
    {
        Canvas canvas(latin1);
        canvas.SetFont({"DejaVu Sans", 20, kWhite});
        canvas.TextOut(2, 2, "\xE9t\xE9"); // "été" in Latin-1
    }
    {
        Canvas canvas(utf8);
        canvas.SetFont({"DejaVu Sans", 20, kWhite});
        canvas.TextOut(2, 2, "\xC3\xA9t\xC3\xA9", TextEncoding::Utf8);
    }
    EXPECT_FALSE(InkBox(latin1).Empty());
    EXPECT_TRUE(SamePixels(latin1, utf8));
}

TEST(Canvas, MalformedUtf8DoesNotDisableTheCanvas) {
    Bitmap bitmap(60, 40);
    Canvas canvas(bitmap);
    canvas.SetFont({"DejaVu Sans", 12, kWhite});
    canvas.TextOut(0, 0, "\xC3(\xFF", TextEncoding::Utf8);
    EXPECT_GT(canvas.TextWidth("\xE9\x80", TextEncoding::Utf8), 0);
    canvas.FillRect(50, 30, 5, 5, kRed);
    EXPECT_EQ(bitmap.Pixel(52, 32), kRed);
}

TEST(Canvas, BoldAndItalicChangeTheDrawing) {
    const Bitmap regular = Drawn("Liberation Serif", "Scrivel");
    const Bitmap bold = Drawn("Liberation Serif", "Scrivel", FontStyle::Bold);
    const Bitmap italic = Drawn("Liberation Serif", "Scrivel", FontStyle::Italic);
    EXPECT_FALSE(SamePixels(regular, bold));
    EXPECT_FALSE(SamePixels(regular, italic));
    EXPECT_FALSE(SamePixels(bold, italic));
    Bitmap probe(1, 1);
    Canvas canvas(probe);
    canvas.SetFont({"Liberation Serif", 30, kWhite, FontStyle::Regular});
    const int regularWidth = canvas.TextWidth("Scrivel");
    canvas.SetFont({"Liberation Serif", 30, kWhite, FontStyle::Bold});
    EXPECT_GT(canvas.TextWidth("Scrivel"), regularWidth);
}

TEST(Canvas, GaramondDrawsWithEbGaramondOnceAliasesAreRegistered) {
    ASSERT_TRUE(FontCatalogue::RegisterAliases());
    Bitmap bitmap(1, 1);
    Canvas canvas(bitmap);
    canvas.SetFont({"Garamond", 42, kWhite});
    EXPECT_EQ(canvas.ResolvedFamily(), "EB Garamond");
    EXPECT_TRUE(SamePixels(Drawn("Garamond", "Rage"), Drawn("EB Garamond", "Rage")));
    EXPECT_FALSE(SamePixels(Drawn("Garamond", "Rage"), Drawn("DejaVu Serif", "Rage")));
}

TEST(Canvas, UnknownFontFallsBackToASubstituteThatDraws) {
    Bitmap bitmap(1, 1);
    Canvas canvas(bitmap);
    canvas.SetFont({"No Such Font At All", 20, kWhite});
    EXPECT_FALSE(canvas.ResolvedFamily().empty());
    EXPECT_FALSE(InkBox(Drawn("No Such Font At All", "abc")).Empty());
}

TEST(Canvas, RefusesAMovedFromBitmap) {
    Bitmap bitmap(2, 2);
    Bitmap other = std::move(bitmap);
    EXPECT_THROW(Canvas{bitmap}, std::invalid_argument); // NOLINT(bugprone-use-after-move)
    EXPECT_NO_THROW(Canvas{other});
}

} // namespace
} // namespace scrivel::platform
