#include "platform/bitmap.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace scrivel::platform {
namespace {

using test::TempDir;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

void Put16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

// A BMP file written field by field. Rows are given top row first, unpadded; the builder pads
// them and stores them bottom-up, or top-down when topDown is set.
struct BmpFile {
    int width = 1;
    int height = 1;
    int bitsPerPixel = 24;
    bool topDown = false;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette; // 0x00BBGGRR
    std::vector<std::string> rows;

    std::string Bytes() const {
        const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
        const std::size_t rowBytes = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
        std::string pixels;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            std::string row = rows[topDown ? i : rows.size() - 1 - i];
            row.resize(rowBytes, '\0');
            pixels += row;
        }
        std::string bytes = "BM";
        Put32(bytes, offset + static_cast<std::uint32_t>(pixels.size()));
        Put32(bytes, 0);
        Put32(bytes, offset);
        Put32(bytes, 40);
        Put32(bytes, static_cast<std::uint32_t>(width));
        Put32(bytes, static_cast<std::uint32_t>(topDown ? -height : height));
        Put16(bytes, 1);
        Put16(bytes, static_cast<std::uint32_t>(bitsPerPixel));
        Put32(bytes, compression);
        Put32(bytes, static_cast<std::uint32_t>(pixels.size()));
        Put32(bytes, 2835);
        Put32(bytes, 2835);
        Put32(bytes, static_cast<std::uint32_t>(palette.size()));
        Put32(bytes, 0);
        for (const std::uint32_t colour : palette) {
            bytes += static_cast<char>((colour >> 16) & 0xFF);
            bytes += static_cast<char>((colour >> 8) & 0xFF);
            bytes += static_cast<char>(colour & 0xFF);
            bytes += '\0';
        }
        return bytes + pixels;
    }
};

std::string Bgr(std::uint32_t colour) {
    return {static_cast<char>((colour >> 16) & 0xFF), static_cast<char>((colour >> 8) & 0xFF),
            static_cast<char>(colour & 0xFF)};
}

std::vector<std::uint32_t> AllPixels(const Bitmap& bitmap) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            pixels.push_back(bitmap.Pixel(x, y));
        }
    }
    return pixels;
}

// Loading must throw ImageError whose text names the reason and the path.
void ExpectImageError(const std::string& path, const std::string& reasonPart, bool jpeg = false) {
    try {
        if (jpeg) {
            Bitmap::LoadJpeg(path);
        } else {
            Bitmap::LoadBmp(path);
        }
        ADD_FAILURE() << "no ImageError for " << path;
    } catch (const ImageError& error) {
        EXPECT_EQ(error.Path(), path);
        EXPECT_NE(error.Reason().find(reasonPart), std::string::npos) << error.Reason();
        EXPECT_EQ(std::string(error.what()), error.Reason() + " :\n" + path);
    }
}

TEST(Bitmap, ColoursHaveRedInTheLowByte) {
    Bitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0u) << "a new bitmap is black";
    bitmap.SetPixel(0, 0, kRed);
    bitmap.SetPixel(2, 1, Bitmap::Rgb(1, 2, 3));
    EXPECT_EQ(bitmap.Pixel(0, 0), kRed);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0x030201u);
    // Rows hold Cairo's 0x..RRGGBB words.
    EXPECT_EQ(bitmap.Row(0)[0] & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(Bitmap::NativeToColour(Bitmap::ColourToNative(0x123456)), 0x123456u);
}

TEST(Bitmap, OutsideThePictureNothingIsReadOrWritten) {
    Bitmap bitmap(2, 2);
    bitmap.Fill(kWhite);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
        EXPECT_EQ(bitmap.Pixel(x, y), Bitmap::kInvalidColour);
        bitmap.SetPixel(x, y, kRed);
    }
    EXPECT_EQ(AllPixels(bitmap), std::vector<std::uint32_t>(4, kWhite));
    EXPECT_THROW(Bitmap(-1, 4), std::invalid_argument);
    EXPECT_THROW(Bitmap(4, 40000), std::invalid_argument);
}

TEST(Bitmap, MovingHandsOverThePicture) {
    Bitmap first(4, 3);
    first.SetPixel(3, 2, kGreen);
    Bitmap second = std::move(first);
    EXPECT_EQ(second.Width(), 4);
    EXPECT_EQ(second.Pixel(3, 2), kGreen);
    EXPECT_EQ(first.Width(), 0); // NOLINT(bugprone-use-after-move): the moved-from state is empty
    first = std::move(second);
    EXPECT_EQ(first.Pixel(3, 2), kGreen);
}

TEST(Bitmap, SaveBmpWritesBgrBottomUpAndLoadsBack) {
    TempDir dir;
    Bitmap bitmap(5, 3); // 15 bytes a row: one byte of padding
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            bitmap.SetPixel(x, y, Bitmap::Rgb(x * 50, y * 100, 7));
        }
    }
    bitmap.SetPixel(0, 2, kRed); // bottom-left: the first pixel in the file
    const std::string path = dir.File("round.bmp");
    bitmap.SaveBmp(path);

    const std::string bytes = dir.Read("round.bmp");
    ASSERT_EQ(bytes.size(), 54u + 16u * 3u);
    EXPECT_EQ(bytes.substr(54, 3), Bgr(kRed));

    const Bitmap loaded = Bitmap::LoadBmp(path);
    ASSERT_EQ(loaded.Width(), 5);
    ASSERT_EQ(loaded.Height(), 3);
    EXPECT_EQ(AllPixels(loaded), AllPixels(bitmap));
}

TEST(Bitmap, LoadsPalettedBmpOfOneFourAndEightBits) {
    TempDir dir;
    BmpFile one;
    one.width = 10; // two bytes a row, the second only partly used
    one.height = 2;
    one.bitsPerPixel = 1;
    one.palette = {kRed, kBlue};
    one.rows = {std::string{'\xA0', '\x40'}, std::string{'\x00', '\xC0'}};
    const Bitmap oneBit = Bitmap::LoadBmp(dir.Write("one.bmp", one.Bytes()));
    EXPECT_EQ(AllPixels(oneBit),
              (std::vector<std::uint32_t>{kBlue, kRed, kBlue, kRed, kRed,  kRed, kRed,
                                          kRed,  kRed, kBlue, kRed, kRed,  kRed, kRed,
                                          kRed,  kRed, kRed,  kRed, kBlue, kBlue}));

    BmpFile four;
    four.width = 3;
    four.height = 2;
    four.bitsPerPixel = 4;
    four.palette = std::vector<std::uint32_t>(16, 0);
    four.palette[1] = kRed;
    four.palette[2] = kGreen;
    four.palette[15] = kWhite;
    four.rows = {std::string{'\x12', '\xF0'}, std::string{'\xF2', '\x10'}};
    const Bitmap fourBit = Bitmap::LoadBmp(dir.Write("four.bmp", four.Bytes()));
    EXPECT_EQ(AllPixels(fourBit),
              (std::vector<std::uint32_t>{kRed, kGreen, kWhite, kWhite, kGreen, kRed}));

    BmpFile eight;
    eight.width = 3;
    eight.height = 2;
    eight.bitsPerPixel = 8;
    eight.palette = {0, kRed, kGreen, kBlue};
    eight.rows = {std::string{'\x01', '\x02', '\x03'}, std::string{'\x03', '\x00', '\x01'}};
    const Bitmap eightBit = Bitmap::LoadBmp(dir.Write("eight.bmp", eight.Bytes()));
    EXPECT_EQ(AllPixels(eightBit),
              (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kBlue, 0, kRed}));
}

TEST(Bitmap, LoadsSixteenAndThirtyTwoBitsAndTopDownFiles) {
    TempDir dir;
    BmpFile wide;
    wide.width = 2;
    wide.height = 2;
    wide.bitsPerPixel = 32;
    // The fourth byte is unused (often 0) and must not make the picture black.
    wide.rows = {Bgr(kRed) + '\0' + Bgr(kGreen) + '\0', Bgr(kBlue) + '\0' + Bgr(kWhite) + '\0'};
    EXPECT_EQ(AllPixels(Bitmap::LoadBmp(dir.Write("wide.bmp", wide.Bytes()))),
              (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite}));

    BmpFile topDown;
    topDown.width = 1;
    topDown.height = 3;
    topDown.topDown = true;
    topDown.rows = {Bgr(kRed), Bgr(kGreen), Bgr(kBlue)};
    EXPECT_EQ(AllPixels(Bitmap::LoadBmp(dir.Write("down.bmp", topDown.Bytes()))),
              (std::vector<std::uint32_t>{kRed, kGreen, kBlue}));

    BmpFile sixteen;
    sixteen.width = 2;
    sixteen.bitsPerPixel = 16; // 5-5-5
    sixteen.rows = {std::string{'\x00', '\x7C', '\x1F', '\x00'}};
    EXPECT_EQ(AllPixels(Bitmap::LoadBmp(dir.Write("sixteen.bmp", sixteen.Bytes()))),
              (std::vector<std::uint32_t>{kRed, kBlue}));

    topDown.bitsPerPixel = 8;
    topDown.palette = {kRed, kGreen, kBlue};
    topDown.rows = {std::string{'\x02'}, std::string{'\x01'}, std::string{'\x00'}};
    EXPECT_EQ(AllPixels(Bitmap::LoadBmp(dir.Write("down8.bmp", topDown.Bytes()))),
              (std::vector<std::uint32_t>{kBlue, kGreen, kRed}));
}

TEST(Bitmap, UnreadableBmpFilesRaiseImageError) {
    TempDir dir;
    BmpFile good;
    good.width = 4;
    good.height = 4;
    good.rows = std::vector<std::string>(4, std::string(12, '\x40'));
    const std::string bytes = good.Bytes();

    ExpectImageError(dir.File("missing.bmp"), "introuvable");
    ExpectImageError(dir.Write("empty.bmp", ""), "vide");
    ExpectImageError(dir.Write("text.bmp", "Bonjour, je ne suis pas une image."),
                     "pas une image BMP");
    ExpectImageError(dir.Write("header.bmp", bytes.substr(0, 30)), "tronqué");
    ExpectImageError(dir.Write("pixels.bmp", bytes.substr(0, bytes.size() - 5)), "tronqué");

    BmpFile flat = good;
    flat.width = 0;
    ExpectImageError(dir.Write("zero-width.bmp", flat.Bytes()), "Dimensions");
    flat = good;
    flat.height = 0;
    flat.rows.clear();
    ExpectImageError(dir.Write("zero-height.bmp", flat.Bytes()), "Dimensions");

    // Sizes that would ask for gigabytes are refused before anything is allocated.
    BmpFile huge = good;
    huge.width = 100000;
    huge.height = 100000;
    ExpectImageError(dir.Write("huge.bmp", huge.Bytes()), "Dimensions");
    huge.width = 16000;
    huge.height = 16000;
    ExpectImageError(dir.Write("big.bmp", huge.Bytes()), "tronqué");

    std::string farOffset = bytes;
    farOffset[10] = '\x7F';
    farOffset[13] = '\x7F';
    ExpectImageError(dir.Write("offset.bmp", farOffset), "tronqué");
}

TEST(Bitmap, UnsupportedOrCorruptBmpRaisesImageError) {
    TempDir dir;
    BmpFile rle;
    rle.bitsPerPixel = 8;
    rle.compression = 1;
    rle.palette = {kRed};
    rle.rows = {std::string(1, '\0')};
    ExpectImageError(dir.Write("rle.bmp", rle.Bytes()), "RLE");

    BmpFile odd;
    odd.bitsPerPixel = 7;
    odd.rows = {std::string(1, '\0')};
    ExpectImageError(dir.Write("seven.bmp", odd.Bytes()), "7 bits");

    // An index past the two colours of the palette would read colours that are not there.
    BmpFile indexed;
    indexed.width = 2;
    indexed.bitsPerPixel = 8;
    indexed.palette = {kRed, kGreen};
    indexed.rows = {std::string{'\x01', '\xC8'}};
    ExpectImageError(dir.Write("index.bmp", indexed.Bytes()), "palette");

    BmpFile noPalette = indexed;
    noPalette.palette.clear();
    ExpectImageError(dir.Write("nopalette.bmp", noPalette.Bytes()), "palette");
}

TEST(Bitmap, JpegRoundTripKeepsColoursClose) {
    TempDir dir;
    Bitmap bitmap(32, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            bitmap.SetPixel(x, y, x < 16 ? Bitmap::Rgb(200, 40, 30) : Bitmap::Rgb(20, 60, 220));
        }
    }
    const std::string path = dir.File("picture.jpg");
    bitmap.SaveJpeg(path, 95);
    const Bitmap loaded = Bitmap::LoadJpeg(path);
    ASSERT_EQ(loaded.Width(), 32);
    ASSERT_EQ(loaded.Height(), 16);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{4, 4}, {27, 11}}) {
        const std::uint32_t want = bitmap.Pixel(x, y);
        const std::uint32_t got = loaded.Pixel(x, y);
        for (int shift = 0; shift < 24; shift += 8) {
            EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF),
                        static_cast<int>((want >> shift) & 0xFF), 6)
                << "at " << x << "," << y;
        }
    }
}

TEST(Bitmap, UnreadableJpegRaisesImageError) {
    TempDir dir;
    Bitmap bitmap(64, 64);
    bitmap.Fill(0x336699);
    const std::string path = dir.File("whole.jpg");
    bitmap.SaveJpeg(path);
    const std::string bytes = dir.Read("whole.jpg");

    ExpectImageError(dir.File("missing.jpg"), "introuvable", true);
    ExpectImageError(dir.Write("empty.jpg", ""), "vide", true);
    ExpectImageError(dir.Write("text.jpg", "pas du tout un JPEG"), "JPEG", true);
    ExpectImageError(dir.Write("cut.jpg", bytes.substr(0, bytes.size() / 2)), "JPEG", true);
    ExpectImageError(dir.Write("header.jpg", bytes.substr(0, 20)), "JPEG", true);

    Bitmap small(2, 2);
    small.SaveBmp(dir.File("small.bmp"));
    ExpectImageError(dir.File("small.bmp"), "JPEG", true);
}

TEST(Bitmap, SavingFailuresRaiseImageError) {
    Bitmap bitmap(2, 2);
    const std::string nowhere = "/nonexistent-folder/picture";
    EXPECT_THROW(bitmap.SaveBmp(nowhere + ".bmp"), ImageError);
    EXPECT_THROW(bitmap.SavePng(nowhere + ".png"), ImageError);
    EXPECT_THROW(bitmap.SaveJpeg(nowhere + ".jpg"), ImageError);

    TempDir dir;
    EXPECT_THROW(Bitmap().SaveBmp(dir.File("empty.bmp")), ImageError);
    bitmap.SavePng(dir.File("ok.png"));
    EXPECT_EQ(dir.Read("ok.png").substr(1, 3), "PNG");
}

} // namespace
} // namespace scrivel::platform
