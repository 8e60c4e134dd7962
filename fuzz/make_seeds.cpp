// Writes the starting corpus of every fuzz target, one folder each: make_seeds <folder>
// Small valid files of every kind the readers accept, so the fuzzer starts deep inside them.
// JPEG variants that libjpeg cannot write from here (progressive, grey) are left to scripts/fuzz.
#include "platform/bitmap.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using scrivel::platform::Bitmap;

std::string folder;

void Write(const std::string& target, const std::string& name, const std::string& bytes) {
    const std::string dir = folder + "/" + target;
    std::filesystem::create_directories(dir);
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out << bytes;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + dir + "/" + name);
    }
}

void Put16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

struct BmpSeed {
    int bpp;
    std::uint32_t headerSize; // 12, 40, 108 or 124
    bool bitFields;           // 16 and 32 bits: masks instead of the fixed layout
    bool topDown;
    int paletteEntries; // up to 8 bits: fewer than 1 << bpp is allowed
};

// A 5 x 3 picture (odd width: row padding is exercised) in the requested layout, pixel values
// cycling through what the depth can hold.
std::string MakeBmp(const BmpSeed& seed) {
    constexpr int width = 5;
    constexpr int height = 3;
    const bool core = seed.headerSize == 12;
    std::string extra; // palette, or masks after a 40-byte header
    if (seed.bpp <= 8) {
        for (int i = 0; i < seed.paletteEntries; ++i) {
            Put32(extra, static_cast<std::uint32_t>(i * 0x0B1723) & 0xFFFFFF);
        }
    }
    const std::uint32_t red = seed.bpp == 16 ? 0xF800 : 0xFF0000;
    const std::uint32_t green = seed.bpp == 16 ? 0x07E0 : 0x00FF00;
    const std::uint32_t blue = seed.bpp == 16 ? 0x001F : 0x0000FF;
    if (seed.bitFields && seed.headerSize == 40) {
        Put32(extra, red);
        Put32(extra, green);
        Put32(extra, blue);
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * seed.bpp + 31) / 32 * 4;
    const std::uint32_t offset = 14 + seed.headerSize + static_cast<std::uint32_t>(extra.size());

    std::string bytes = "BM";
    Put32(bytes, offset + static_cast<std::uint32_t>(rowBytes * height));
    Put32(bytes, 0);
    Put32(bytes, offset);
    Put32(bytes, seed.headerSize);
    if (core) {
        Put16(bytes, width);
        Put16(bytes, height);
        Put16(bytes, 1);
        Put16(bytes, static_cast<std::uint32_t>(seed.bpp));
    } else {
        Put32(bytes, width);
        Put32(bytes, static_cast<std::uint32_t>(seed.topDown ? -height : height));
        Put16(bytes, 1);
        Put16(bytes, static_cast<std::uint32_t>(seed.bpp));
        Put32(bytes, seed.bitFields ? 3 : 0);
        Put32(bytes, static_cast<std::uint32_t>(rowBytes * height));
        Put32(bytes, 2835);
        Put32(bytes, 2835);
        Put32(bytes, seed.bpp <= 8 ? static_cast<std::uint32_t>(seed.paletteEntries) : 0);
        Put32(bytes, 0);
        if (seed.headerSize > 40) {
            // V4 and V5: the masks, alpha, colour space and the rest left at zero.
            Put32(bytes, seed.bitFields ? red : 0);
            Put32(bytes, seed.bitFields ? green : 0);
            Put32(bytes, seed.bitFields ? blue : 0);
            bytes.append(seed.headerSize - 52, '\0');
        }
    }
    bytes += extra;
    const unsigned values = seed.bpp <= 8 ? static_cast<unsigned>(seed.paletteEntries) : 256u;
    for (int y = 0; y < height; ++y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const unsigned value = static_cast<unsigned>(x * 7 + y * 3) % values;
            if (seed.bpp <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * seed.bpp;
                row[bit / 8] = static_cast<char>(static_cast<unsigned char>(row[bit / 8]) |
                                                 (value << (8 - seed.bpp - bit % 8)));
            } else {
                for (int b = 0; b < seed.bpp / 8; ++b) {
                    row[static_cast<std::size_t>(x * seed.bpp / 8 + b)] =
                        static_cast<char>((value * (b + 1) * 37) & 0xFF);
                }
            }
        }
        bytes += row;
    }
    return bytes;
}

void BmpSeeds() {
    const std::vector<BmpSeed> seeds = {
        {1, 40, false, false, 2},  {1, 40, false, true, 1},    {4, 40, false, false, 16},
        {4, 40, false, true, 5},   {8, 40, false, false, 256}, {8, 124, false, false, 40},
        {16, 40, false, false, 0}, {16, 40, true, true, 0},    {16, 108, true, false, 0},
        {24, 12, false, false, 0}, {24, 40, false, false, 0},  {24, 40, false, true, 0},
        {24, 56, false, false, 0}, {32, 40, false, false, 0},  {32, 40, true, false, 0},
        {32, 124, true, true, 0},
    };
    for (const BmpSeed& seed : seeds) {
        const std::string name =
            std::to_string(seed.bpp) + "bit-h" + std::to_string(seed.headerSize) +
            (seed.bitFields ? "-fields" : "") + (seed.topDown ? "-topdown" : "") + ".bmp";
        Write("bmp_fuzz", name, MakeBmp(seed));
    }
}

void JpegSeed() {
    Bitmap picture(9, 7);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            picture.SetPixel(x, y, Bitmap::Rgb(x * 28, y * 36, 255 - x * y * 4));
        }
    }
    const std::string dir = folder + "/jpeg_fuzz";
    std::filesystem::create_directories(dir);
    picture.SaveJpeg(dir + "/baseline.jpg", 75);
    // Also the source of the variants scripts/fuzz makes with ImageMagick.
    picture.SaveBmp(folder + "/picture.bmp");
}

void TextSeeds() {
    const std::string options = "[Speed]\r\nSpeedMode=2\r\n\r\n[Grid]\r\nSize = 0x0A\r\n"
                                "; a comment\r\n[Display]\r\nFontName=Garamond\r\n"
                                "FontColorNum=$F\r\nBackground=-1\r\n";
    // The ini target first takes five short names (ended by a backslash), then the file.
    Write("ini_fuzz", "options.ini", "Grid\\ Size\\ 12\\ Display\\ FontName\\ " + options);
    Write("ini_fuzz", "bom.ini", "speed\\ speedmode\\ 3\\ Grid\\ size\\ \xEF\xBB\xBF" + options);
    Write("ini_fuzz", "bare.ini", "a\\ b\\ c\\ a\\ d\\ [a]\nb=1\rd=2\n[a]\nc=3");

    Write("score_table_fuzz", "score.ini",
          "Alice=120\r\nBob=95\r\nChloé=120\r\n\r\nDenis=0\r\nsans score\r\nE=x=7\r\n");
    Write("score_table_fuzz", "extremes.ini",
          "max=2147483647\nmin=-2147483648\nover=99999999999\r");

    // Latin-1, as the game's words.let: accents, case, duplicates, a long word and short pieces.
    Write("word_base_fuzz", "words.let",
          "abc/maison/\xE9t\xE9/p\xE2te/pate/PATE/pater/anticonstitutionnellement/abc/"
          "zz/ete/\xC9T\xC9/oiseau/tr\xE8s/tres/xylophones/");

    Write("skin_settings_fuzz", "skin.ini",
          "; skins\r\n[Skin0]\r\nPanelLeft=12\r\nPanelTop=30\r\nPanelWidth=400\r\n"
          "PanelHeight=300\r\nTitleLeft=20\r\nTitleTop=4\r\nTitleWidth=200\r\nTitleHeight=20\r\n"
          "FontName=Garamond\r\nFontSize=14\r\nFontColor=$00FFFF\r\nFontBold=1\r\n"
          "FontItalic=0\r\nBorderColor=1\r\nCloseBLeft=380\r\nCloseBTop=4\r\nReduceBLeft=360\r\n"
          "ReduceBTop=4\r\nF1Left=10\r\nF1Top=340\r\nF1Name=f1.bmp\r\nUpBName=../up.bmp\r\n"
          "[Skin1]\r\nFontSize=500\r\nFontColor=-1\r\nDownBName=down.bmp\r\n");
}

// Masks for the outline tracer: a width byte, a height byte, then two bits a pixel.
void MaskSeeds() {
    auto mask = [](int width, int height, auto colourAt) {
        std::string bytes;
        bytes += static_cast<char>(width - 1);
        bytes += static_cast<char>(height - 1);
        std::size_t bit = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x, bit += 2) {
                if (bit % 8 == 0) {
                    bytes += '\0';
                }
                bytes.back() = static_cast<char>(static_cast<unsigned char>(bytes.back()) |
                                                 (colourAt(x, y) << (bit % 8)));
            }
        }
        return bytes;
    };
    Write("region_maker_fuzz", "rectangle",
          mask(12, 9, [](int x, int y) { return x >= 2 && x < 10 && y >= 2 && y < 7 ? 1 : 0; }));
    Write("region_maker_fuzz", "ring", mask(16, 16, [](int x, int y) {
              const int d = (x - 8) * (x - 8) + (y - 8) * (y - 8);
              return d >= 9 && d <= 36 ? 1 : 0;
          }));
    Write("region_maker_fuzz", "diagonal",
          mask(10, 10, [](int x, int y) { return x == y ? 2 : 0; }));
    Write("region_maker_fuzz", "edges",
          mask(7, 5, [](int x, int y) { return x == 0 || y == 4 ? 1 : (x == 6 ? 3 : 0); }));
    Write("region_maker_fuzz", "line", mask(20, 1, [](int x, int) { return x > 3 ? 1 : 0; }));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    folder = argv[1];
    try {
        BmpSeeds();
        JpegSeed();
        TextSeeds();
        MaskSeeds();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
