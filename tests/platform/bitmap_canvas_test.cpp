#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "support/temp_dir.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
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
                std::vector<std::string> rows, const Colours& palette = {}) {
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
                                      0u, size, 2835u, 2835u, colours, 0u}) {
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

// Loading must throw ImageError carrying the fault and the path.
void ExpectImageError(const std::string& path, ImageFault fault) {
    try {
        Bitmap::LoadBmp(path);
        ADD_FAILURE() << "no ImageError for " << path;
    } catch (const ImageError& error) {
        EXPECT_EQ(error.Fault(), fault) << error.what();
        EXPECT_EQ(error.Path(), path);
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

TEST(Bitmap, StaysInsideThePictureAndSavesABottomUpBmpThatLoadsBack) {
    TempDir dir;
    Bitmap bitmap(5, 3); // 15 bytes a row: one byte of padding
    bitmap.Fill(Bitmap::Rgb(10, 20, 30));
    bitmap.SetPixel(0, 2, kRed); // bottom-left: the first pixel in the file
    bitmap.SetPixel(-1, 1, kWhite);
    EXPECT_EQ(bitmap.Pixel(4, 0), 0x1E140Au) << "red in the low byte, nothing written outside";
    EXPECT_EQ(bitmap.Pixel(5, 0), Bitmap::kInvalidColour);
    EXPECT_THROW(Bitmap(4, 40000), std::invalid_argument);
    bitmap.SaveBmp(dir.File("round.bmp"));
    const std::string bytes = dir.Read("round.bmp");
    ASSERT_EQ(bytes.size(), 54u + 16u * 3u);
    EXPECT_EQ(bytes.substr(54, 3), Bgr(kRed));
    EXPECT_EQ(Pixels(Bitmap::LoadBmp(dir.File("round.bmp"))), Pixels(bitmap));
    EXPECT_THROW(bitmap.SaveBmp(dir.File("nowhere/a.bmp")), ImageError);
}

TEST(Bitmap, LoadsEveryDepthInBothRowOrders) {
    TempDir dir;
    const std::string red = Bgr(kRed), green = Bgr(kGreen), blue = Bgr(kBlue);
    const Colours sixteen = {0, kRed, kGreen, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kWhite};
    const std::pair<std::string, Colours> cases[] = {
        {Bmp(3, 1, 1, {"\xA0"s}, {kRed, kBlue}), {kBlue, kRed, kBlue}},
        {Bmp(3, 2, 4, {"\x12\xF0", "\xF2\x10"}, sixteen),
         {kRed, kGreen, kWhite, kWhite, kGreen, kRed}},
        {Bmp(3, 1, 8, {"\x01\x02\x03"}, {0, kRed, kGreen, kBlue}), {kRed, kGreen, kBlue}},
        // The fourth byte is unused (often 0) and must not make the picture black.
        {Bmp(2, 1, 32, {red + '\0' + green + '\0'}), {kRed, kGreen}},
        {Bmp(1, -3, 24, {red, green, blue}), {kRed, kGreen, kBlue}}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Bitmap bitmap = Bitmap::LoadBmp(dir.Write(std::to_string(i), cases[i].first));
        EXPECT_EQ(Pixels(bitmap), cases[i].second) << "case " << i;
    }
}

// Damaged headers and pixels are the BMP fuzz target's work; here, what the game is told.
TEST(Bitmap, UnreadableBmpRaisesImageErrorWithTheFaultAndThePath) {
    TempDir dir;
    ExpectImageError(dir.File("missing.bmp"), ImageFault::Unreadable);
    ExpectImageError(dir.Write("text.bmp", "Bonjour, je ne suis pas une image."),
                     ImageFault::NotBmp);
    ExpectImageError(dir.Write("short.bmp", "BM, and the headers are missing"),
                     ImageFault::UnknownHeader);
}

// A grey JPEG of side x side pixels, of a hundred-odd bytes: tables of ones, then one scan (the
// first of a progressive picture) holding one byte, enough for 8 x 8 pixels.
std::string TinyJpeg(bool progressive, int side) {
    const std::string size = {static_cast<char>(side >> 8), static_cast<char>(side & 0xFF)};
    const std::string oneCode = "\x01" + std::string(15, '\0') + '\0'; // one symbol: 0
    return "\xFF\xD8"s + "\xFF\xDB\x00\x43\x00"s + std::string(64, '\x01') +
           (progressive ? "\xFF\xC2"s : "\xFF\xC0"s) + "\x00\x0B\x08"s + size + size +
           "\x01\x01\x11\x00"s + "\xFF\xC4\x00\x14\x00"s + oneCode + "\xFF\xC4\x00\x14\x10"s +
           oneCode + "\xFF\xDA\x00\x08\x01\x01\x00\x00"s + (progressive ? '\0' : '\x3F') +
           "\0\0\xFF\xD9"s;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Found by fuzzing: such a file claiming 16384 x 16384 pixels took 1.6 GB (progressive: every
// coefficient of the picture; baseline: every row filled with grey) before being refused.
TEST(Bitmap, TinyJpegClaimingAHugePictureIsRefusedWithoutTakingGigabytes) {
    TempDir dir;
    for (const bool progressive : {true, false}) {
        EXPECT_EQ(Bitmap::LoadJpeg(dir.Write("small.jpg", TinyJpeg(progressive, 8))).Width(), 8)
            << "the same file at a small size is whole";
        const std::string path = dir.Write("huge.jpg", TinyJpeg(progressive, 16384));
        // In a child, so that its peak memory is its own.
        EXPECT_EXIT(
            {
                const long before = PeakKilobytes();
                try {
                    Bitmap::LoadJpeg(path);
                } catch (const ImageError&) {
                    const long grown = (PeakKilobytes() - before) / 1024;
                    std::fprintf(stderr, "grew by %ld MB\n", grown);
                    std::_Exit(grown < 300 ? 0 : 1);
                }
                std::_Exit(2);
            },
            ::testing::ExitedWithCode(0), "")
            << (progressive ? "progressive" : "baseline");
    }
}

// A colour's channels land in the bitmap red in the low byte (skin.ini's numbers are read the same
// way in the skin settings test); a mask colour dims channel by channel.
TEST(Canvas, FillsWithAColoursChannelsInTheWindowsOrder) {
    Bitmap bitmap(4, 1);
    Canvas canvas(bitmap);
    canvas.FillRect(0, 0, 2, 1, Colour{200, 40, 10});
    canvas.FillRect(2, 0, 2, 1, Colour{200, 40, 10} & Colour{192, 192, 192});
    EXPECT_EQ(bitmap.Pixel(1, 0), 0x0A28C8u);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0x0000C0u);
    EXPECT_EQ((Colour{153, 102, 51}).Windows(), 0x336699u);
}

TEST(Canvas, TextExtentIsAdvanceWidthAndLineHeightInEitherEncodingAndCentresText) {
    Bitmap bitmap(64, 64);
    Canvas canvas(bitmap);
    canvas.SetFont({"DejaVu Sans", 42, Colour::FromWindows(kRed)});
    const TextSize size = canvas.TextExtent("H");
    EXPECT_NEAR(canvas.TextWidth("HH"), 2 * size.width, 1);
    // 42 points are 56 pixels; the line height is the font's ascent plus descent, for any text.
    EXPECT_TRUE(size.height >= 56 && size.height <= 75) << size.height;
    EXPECT_EQ(canvas.TextExtent("").height, size.height);
    EXPECT_EQ(canvas.TextWidth("\xE9t\xE9"),
              canvas.TextWidth("\xC3\xA9t\xC3\xA9", TextEncoding::Utf8));
    const int left = (64 - size.width) / 2, top = (64 - size.height) / 2;
    canvas.TextOut(left, top, "H");
    const Box box = InkBox(bitmap);
    EXPECT_TRUE(box[0] >= left && box[1] >= top && box[2] <= left + size.width &&
                box[3] <= top + size.height)
        << testing::PrintToString(box);
    EXPECT_NEAR((box[0] + box[2]) / 2.0, 31.5, 3);
    EXPECT_EQ(bitmap.Pixel(box[0] + 2, (box[1] + box[3]) / 2), kRed);
}

} // namespace
} // namespace scrivel::platform
