#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/font_catalogue.h"
#include "support/temp_dir.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace scrivel::platform {
namespace {

using namespace std::string_literals;
using Colours = std::vector<std::uint32_t>;
using Box = std::array<int, 4>; // left, top, right, bottom, inclusive
using test::TempDir;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::string Bgr(std::uint32_t c) {
    return {static_cast<char>(c >> 16), static_cast<char>(c >> 8), static_cast<char>(c)};
}

// A BMP file. Rows are given top row first, unpadded; they are stored bottom-up, or top-down when
// the height is negative.
std::string Bmp(std::uint32_t width, std::uint32_t height, std::uint32_t bits,
                std::vector<std::string> rows, const Colours& palette = {},
                std::uint32_t compression = 0) {
    if (static_cast<std::int32_t>(height) > 0) {
        std::reverse(rows.begin(), rows.end());
    }
    std::string pixels;
    for (std::string& row : rows) {
        row.resize((std::size_t{width} * bits + 31) / 32 * 4, '\0');
        pixels += row;
    }
    const auto size = static_cast<std::uint32_t>(pixels.size());
    const auto colours = static_cast<std::uint32_t>(palette.size());
    const std::uint32_t offset = 54 + 4 * colours;
    std::string file = "BM";
    for (const std::uint32_t value : {offset + size, 0u, offset, 40u, width, height, 1 | bits << 16,
                                      compression, size, 2835u, 2835u, colours, 0u}) {
        file.append(reinterpret_cast<const char*>(&value), 4); // little-endian, as on x86 and ARM
    }
    for (const std::uint32_t colour : palette) {
        file += Bgr(colour) + '\0';
    }
    return file + pixels;
}

Colours Pixels(const Bitmap& bitmap) {
    Colours pixels;
    for (int i = 0; i < bitmap.Width() * bitmap.Height(); ++i) {
        pixels.push_back(bitmap.Pixel(i % bitmap.Width(), i / bitmap.Width()));
    }
    return pixels;
}

// Loading must throw ImageError whose text names the reason and the path.
void ExpectImageError(const std::string& path, const std::string& reason, bool jpeg = false) {
    try {
        jpeg ? Bitmap::LoadJpeg(path) : Bitmap::LoadBmp(path);
        ADD_FAILURE() << "no ImageError for " << path;
    } catch (const ImageError& error) {
        EXPECT_NE(error.Reason().find(reason), std::string::npos) << error.Reason();
        EXPECT_EQ(std::string(error.what()), error.Reason() + " :\n" + path);
    }
}

// The smallest rectangle holding every pixel that is not black.
Box InkBox(const Bitmap& bitmap) {
    const int width = bitmap.Width();
    Box box{width, bitmap.Height(), -1, -1};
    const Colours pixels = Pixels(bitmap);
    for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
        if (pixels[i] != 0) {
            box = {std::min(box[0], i % width), std::min(box[1], i / width),
                   std::max(box[2], i % width), i / width};
        }
    }
    return box;
}

Colours Drawn(const std::string& family, const std::string& text,
              FontStyle style = FontStyle::Regular, TextEncoding encoding = TextEncoding::Latin1) {
    Bitmap bitmap(200, 80);
    Canvas canvas(bitmap);
    canvas.SetFont({family, 30, kWhite, style});
    canvas.TextOut(4, 4, text, encoding);
    return Pixels(bitmap);
}

TEST(Bitmap, ColoursHaveRedInTheLowByteStayInsideThePictureAndMove) {
    Bitmap bitmap(3, 2);
    EXPECT_EQ(Pixels(bitmap), Colours(6, 0)) << "a new bitmap is black";
    bitmap.SetPixel(2, 1, Bitmap::Rgb(1, 2, 3));
    EXPECT_EQ(bitmap.Pixel(2, 1), 0x030201u);
    bitmap.SetPixel(0, 0, kRed);
    EXPECT_EQ(bitmap.Row(0)[0] & 0xFFFFFFu, 0xFF0000u) << "rows hold Cairo's 0x..RRGGBB words";
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 2}}) {
        EXPECT_EQ(bitmap.Pixel(x, y), Bitmap::kInvalidColour);
        bitmap.SetPixel(x, y, kWhite);
    }
    EXPECT_EQ(Pixels(bitmap), (Colours{kRed, 0, 0, 0, 0, 0x030201}));
    EXPECT_THROW(Bitmap(-1, 4), std::invalid_argument);
    EXPECT_THROW(Bitmap(4, 40000), std::invalid_argument);
    // Moving hands the picture over and leaves an empty bitmap that no canvas takes.
    Bitmap other = std::move(bitmap);
    EXPECT_EQ(other.Pixel(2, 1), 0x030201u);
    EXPECT_EQ(bitmap.Width(), 0);                        // NOLINT(bugprone-use-after-move)
    EXPECT_THROW(Canvas{bitmap}, std::invalid_argument); // NOLINT(bugprone-use-after-move)
}

TEST(Bitmap, SavesBgrBottomUpBmpThatLoadsBackOrRaisesImageError) {
    TempDir dir;
    Bitmap bitmap(5, 3); // 15 bytes a row: one byte of padding
    for (int i = 0; i < 15; ++i) {
        bitmap.SetPixel(i % 5, i / 5, Bitmap::Rgb(i * 17, 255 - i, 7));
    }
    bitmap.SetPixel(0, 2, kRed); // bottom-left: the first pixel in the file
    bitmap.SaveBmp(dir.File("round.bmp"));
    const std::string bytes = dir.Read("round.bmp");
    ASSERT_EQ(bytes.size(), 54u + 16u * 3u);
    EXPECT_EQ(bytes.substr(54, 3), Bgr(kRed));
    const Bitmap loaded = Bitmap::LoadBmp(dir.File("round.bmp"));
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_EQ(Pixels(loaded), Pixels(bitmap));
    bitmap.SavePng(dir.File("ok.png"));
    EXPECT_EQ(dir.Read("ok.png").substr(1, 3), "PNG");
    EXPECT_THROW(bitmap.SaveBmp(dir.File("nowhere/a.bmp")), ImageError);
    EXPECT_THROW(bitmap.SavePng(dir.File("nowhere/a.png")), ImageError);
    EXPECT_THROW(bitmap.SaveJpeg(dir.File("nowhere/a.jpg")), ImageError);
    EXPECT_THROW(Bitmap().SaveBmp(dir.File("empty.bmp")), ImageError);
}

TEST(Bitmap, LoadsEveryDepthInBothRowOrders) {
    TempDir dir;
    const std::string red = Bgr(kRed), green = Bgr(kGreen), blue = Bgr(kBlue);
    const Colours sixteen = {0, kRed, kGreen, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kWhite};
    const std::pair<std::string, Colours> cases[] = {
        // Ten pixels of one bit: two bytes a row, the second only partly used.
        {Bmp(10, 2, 1, {"\xA0\x40", "\x00\xC0"s}, {kRed, kBlue}),
         {kBlue, kRed, kBlue, kRed, kRed, kRed, kRed, kRed, kRed,  kBlue,
          kRed,  kRed, kRed,  kRed, kRed, kRed, kRed, kRed, kBlue, kBlue}},
        {Bmp(3, 2, 4, {"\x12\xF0", "\xF2\x10"}, sixteen),
         {kRed, kGreen, kWhite, kWhite, kGreen, kRed}},
        {Bmp(3, 2, 8, {"\x01\x02\x03", "\x03\x00\x01"s}, {0, kRed, kGreen, kBlue}),
         {kRed, kGreen, kBlue, kBlue, 0, kRed}},
        {Bmp(2, 1, 16, {"\x00\x7C\x1F\x00"s}), {kRed, kBlue}}, // 5-5-5
        // The fourth byte is unused (often 0) and must not make the picture black.
        {Bmp(2, 2, 32, {red + '\0' + green + '\0', blue + '\0' + Bgr(kWhite) + '\0'}),
         {kRed, kGreen, kBlue, kWhite}},
        {Bmp(1, -3, 24, {red, green, blue}), {kRed, kGreen, kBlue}},
        {Bmp(1, -3, 8, {"\x02", "\x01", "\x00"s}, {kRed, kGreen, kBlue}), {kBlue, kGreen, kRed}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Bitmap bitmap = Bitmap::LoadBmp(dir.Write(std::to_string(i), cases[i].first));
        EXPECT_EQ(Pixels(bitmap), cases[i].second) << "case " << i;
    }
}

TEST(Bitmap, UnreadableOrUnsupportedBmpRaisesImageError) {
    TempDir dir;
    const std::vector<std::string> rows(4, std::string(12, '\x40'));
    const std::string good = Bmp(4, 4, 24, rows);
    std::string farOffset = good;
    farOffset[10] = farOffset[13] = '\x7F';
    ExpectImageError(dir.File("missing.bmp"), "introuvable");
    const std::pair<std::string, const char*> cases[] = {
        {"", "vide"},
        {"Bonjour, je ne suis pas une image.", "pas une image BMP"},
        {good.substr(0, 30), "tronqué"},
        {good.substr(0, good.size() - 5), "tronqué"},
        {farOffset, "tronqué"},
        {Bmp(0, 4, 24, rows), "Dimensions"},
        {Bmp(4, 0, 24, {}), "Dimensions"},
        {Bmp(100000, 100000, 24, rows), "Dimensions"}, // refused before allocating gigabytes
        {Bmp(16000, 16000, 24, rows), "tronqué"},
        {Bmp(1, 1, 8, {"\0"s}, {kRed}, 1), "RLE"},
        {Bmp(1, 1, 7, {"\0"s}), "7 bits"},
        {Bmp(2, 1, 8, {"\x01\xC8"}, {kRed, kGreen}), "palette"}, // an index past the palette
        {Bmp(2, 1, 8, {"\x01\xC8"}), "palette"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ExpectImageError(dir.Write(std::to_string(i), cases[i].first), cases[i].second);
    }
}

TEST(Bitmap, JpegRoundTripKeepsColoursCloseAndBadJpegRaisesImageError) {
    TempDir dir;
    Bitmap bitmap(64, 64);
    for (int i = 0; i < 64 * 64; ++i) {
        bitmap.SetPixel(i % 64, i / 64,
                        i % 64 < 32 ? Bitmap::Rgb(200, 40, 30) : Bitmap::Rgb(20, 60, 220));
    }
    bitmap.SaveJpeg(dir.File("a.jpg"), 95);
    const Bitmap loaded = Bitmap::LoadJpeg(dir.File("a.jpg"));
    ASSERT_EQ(loaded.Width(), 64);
    ASSERT_EQ(loaded.Height(), 64);
    for (const int x : {4, 59}) { // a pixel of each half, channel by channel
        for (int shift = 0; shift < 24; shift += 8) {
            EXPECT_NEAR((loaded.Pixel(x, x) >> shift) & 0xFF, (bitmap.Pixel(x, x) >> shift) & 0xFF,
                        6);
        }
    }
    const std::string bytes = dir.Read("a.jpg");
    ExpectImageError(dir.File("missing.jpg"), "introuvable", true);
    for (const std::string& bad : {"pas du tout un JPEG"s, bytes.substr(0, bytes.size() / 2),
                                   bytes.substr(0, 20), Bmp(1, 1, 24, {"abc"})}) {
        ExpectImageError(dir.Write("bad.jpg", bad), "JPEG", true);
    }
}

TEST(Canvas, FillRectCoversExactlyItsPixelsAndClips) {
    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap);
    canvas.FillRect(2, 3, 4, 5, kRed);
    EXPECT_EQ(InkBox(bitmap), (Box{2, 3, 5, 7}));
    EXPECT_EQ(bitmap.Pixel(4, 4), kRed);
    canvas.FillRect(-50, -50, 1000, 1000, kBlue); // partly outside: clipped, no crash
    canvas.FillRect(3, 3, 0, 5, kRed);            // empty
    canvas.FillRect(3, 3, -2, 5, kRed);
    EXPECT_EQ(Pixels(bitmap), Colours(100, kBlue));
}

TEST(Canvas, DirectPixelWritesAndDrawingMix) {
    Bitmap bitmap(3, 1);
    Canvas(bitmap).FillRect(0, 0, 1, 1, kRed);
    bitmap.SetPixel(1, 0, kBlue);
    bitmap.Row(0)[2] = Bitmap::ColourToNative(kWhite);
    Bitmap copy(3, 1);
    Canvas(copy).Blit(0, 0, bitmap, 0, 0, 3, 1);
    EXPECT_EQ(Pixels(copy), (Colours{kRed, kBlue, kWhite}));
}

TEST(Canvas, BlitCopiesAndsStretchesAndClips) {
    Bitmap source(2, 2); // blue, red / red, white
    source.Fill(kRed);
    source.SetPixel(0, 0, kBlue);
    source.SetPixel(1, 1, kWhite);
    Bitmap mask(2, 1);
    mask.SetPixel(0, 0, kRed);
    mask.SetPixel(1, 0, kWhite);
    Bitmap target(4, 3);
    target.Fill(kWhite);
    Canvas canvas(target);
    canvas.Blit(1, 1, source, 0, 0, 2, 2);
    // AND keeps the bits set in both: blue AND red is black, red AND white is red.
    canvas.Blit(1, 1, mask, 0, 0, 2, 1, BlitMode::And);
    // Rectangles reaching past either bitmap are clipped.
    canvas.Blit(3, 2, source, 0, 0, 2, 2, BlitMode::And);
    canvas.Blit(-1, -2, source, -1, -1, 9, 9); // source (0, 1) lands on (0, 0)
    EXPECT_EQ(Pixels(target), (Colours{kRed, kWhite, kWhite, kWhite, kWhite, 0, kRed, kWhite,
                                       kWhite, kRed, kWhite, kBlue}));

    Bitmap big(4, 4);
    Canvas(big).StretchBlit(0, 0, 4, 4, source, 0, 0, 2, 2, Filter::Nearest);
    EXPECT_EQ(Pixels(big), (Colours{kBlue, kBlue, kRed, kRed, kBlue, kBlue, kRed, kRed, kRed, kRed,
                                    kWhite, kWhite, kRed, kRed, kWhite, kWhite}));
}

TEST(Canvas, TextExtentIsAdvanceWidthAndLineHeightAndCentresText) {
    Bitmap bitmap(64, 64);
    Canvas canvas(bitmap);
    canvas.SetFont({"DejaVu Sans", 42, kRed});
    const TextSize w = canvas.TextExtent("W");
    EXPECT_NEAR(canvas.TextWidth("WW"), 2 * w.width, 1);
    // 42 points are 56 pixels; the line height is the font's ascent plus descent, the same for
    // every text, the empty one included.
    EXPECT_GE(w.height, 56);
    EXPECT_LE(w.height, 75);
    EXPECT_EQ(canvas.TextExtent("").height, w.height);
    EXPECT_EQ(canvas.TextWidth(""), 0);

    const TextSize size = canvas.TextExtent("H");
    const int left = (64 - size.width) / 2, top = (64 - size.height) / 2;
    canvas.TextOut(left, top, "H");
    const Box box = InkBox(bitmap);
    EXPECT_TRUE(box[0] >= left && box[1] >= top && box[2] <= left + size.width &&
                box[3] <= top + size.height)
        << testing::PrintToString(box);
    EXPECT_NEAR((box[0] + box[2]) / 2.0, 31.5, 3);
    EXPECT_EQ(bitmap.Pixel(box[0] + 2, (box[1] + box[3]) / 2), kRed) << "the H's upright is red";

    canvas.SetFont({"DejaVu Sans", 21, kWhite});
    EXPECT_NEAR(canvas.TextWidth("W") * 2, w.width, 2);
}

TEST(Canvas, Latin1TextMatchesItsUtf8SpellingAndMalformedUtf8IsHarmless) {
    const Colours latin1 = Drawn("DejaVu Sans", "\xE9t\xE9"); // "été"
    EXPECT_NE(latin1, Colours(latin1.size(), 0));
    EXPECT_TRUE(latin1 ==
                Drawn("DejaVu Sans", "\xC3\xA9t\xC3\xA9", FontStyle::Regular, TextEncoding::Utf8));
    Bitmap bitmap(60, 40);
    Canvas canvas(bitmap);
    canvas.SetFont({"DejaVu Sans", 12, kWhite});
    canvas.TextOut(0, 0, "\xC3(\xFF", TextEncoding::Utf8);
    EXPECT_GT(canvas.TextWidth("\xE9\x80", TextEncoding::Utf8), 0);
    canvas.FillRect(50, 30, 5, 5, kRed);
    EXPECT_EQ(bitmap.Pixel(52, 32), kRed) << "the canvas still draws";
}

TEST(Canvas, FontNamesResolveThroughAliasesOrToASubstituteAndStylesChangeTheFace) {
    ASSERT_TRUE(FontCatalogue::RegisterAliases());
    Bitmap bitmap(1, 1);
    Canvas canvas(bitmap);
    canvas.SetFont({"Garamond", 42, kWhite});
    EXPECT_EQ(canvas.ResolvedFamily(), "EB Garamond");
    EXPECT_TRUE(Drawn("Garamond", "Rage") == Drawn("EB Garamond", "Rage"));
    EXPECT_TRUE(Drawn("Garamond", "Rage") != Drawn("DejaVu Serif", "Rage"));
    canvas.SetFont({"No Such Font At All", 20, kWhite});
    EXPECT_FALSE(canvas.ResolvedFamily().empty());
    EXPECT_TRUE(Drawn("No Such Font At All", "abc") != Colours(200 * 80, 0));

    const Colours regular = Drawn("Liberation Serif", "Scrivel");
    EXPECT_TRUE(regular != Drawn("Liberation Serif", "Scrivel", FontStyle::Bold));
    EXPECT_TRUE(regular != Drawn("Liberation Serif", "Scrivel", FontStyle::Italic));
    canvas.SetFont({"Liberation Serif", 30, kWhite});
    const int regularWidth = canvas.TextWidth("Scrivel");
    canvas.SetFont({"Liberation Serif", 30, kWhite, FontStyle::Bold});
    EXPECT_GT(canvas.TextWidth("Scrivel"), regularWidth);
}

} // namespace
} // namespace scrivel::platform
