// Draws the game's bitmaps into the Graphics folder, and larger PNG copies for people to look at:
//   make_graphics <graphics folder> <preview folder>
// The pictures depend only on fixed seeds, so every build writes the same files.
#include "graphics/landscape.h"
#include "graphics/pattern_sheet.h"
#include "graphics/texture_bank.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/font_catalogue.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

using scrivel::platform::Bitmap;

void SavePreview(const Bitmap& bitmap, int scale, const std::string& path) {
    Bitmap large(bitmap.Width() * scale, bitmap.Height() * scale);
    scrivel::platform::Canvas(large).StretchBlit(0, 0, large.Width(), large.Height(), bitmap, 0, 0,
                                                 bitmap.Width(), bitmap.Height(),
                                                 scrivel::platform::Filter::Nearest);
    large.SavePng(path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <graphics folder> <preview folder>\n", argv[0]);
        return 2;
    }
    const std::string graphics = std::string(argv[1]) + "/";
    const std::string preview = std::string(argv[2]) + "/";
    try {
        std::filesystem::create_directories(graphics);
        std::filesystem::create_directories(preview);
        scrivel::platform::FontCatalogue::RegisterAliases();

        const Bitmap bank = scrivel::graphics::MakeTextureBank();
        bank.SaveBmp(graphics + "texbank1_64.bmp");
        SavePreview(bank, 2, preview + "texbank1_64.png");

        const Bitmap patterns = scrivel::graphics::MakePatternSheet();
        patterns.SaveBmp(graphics + "patterns1.bmp");
        SavePreview(patterns, 2, preview + "patterns1.png");
        SavePreview(scrivel::graphics::MakeGlyphPreview(patterns), 2, preview + "glyphs.png");

        const Bitmap heights = scrivel::graphics::MakeHeightField();
        heights.SaveBmp(graphics + "heightfield2.bmp");
        SavePreview(scrivel::graphics::MakeHeightFieldPreview(heights), 1,
                    preview + "heightfield2.png");
        SavePreview(scrivel::graphics::MakeTerrainPreview(bank, heights), 1,
                    preview + "terrain.png");

        const Bitmap sun = scrivel::graphics::MakeSun();
        sun.SaveBmp(graphics + "sun.bmp");
        SavePreview(sun, 4, preview + "sun.png");

        const Bitmap ground = scrivel::graphics::MakeGround();
        ground.SaveBmp(graphics + "ground4001.bmp");
        SavePreview(scrivel::graphics::MakeGroundPreview(ground), 1, preview + "ground4001.png");

        const Bitmap volcano = scrivel::graphics::MakeVolcano();
        volcano.SaveBmp(graphics + "volcano.bmp");
        SavePreview(volcano, 1, preview + "volcano.png");
        SavePreview(scrivel::graphics::MakeVolcanoPreview(volcano), 1,
                    preview + "volcano_cone.png");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_graphics: %s\n", error.what());
        return 1;
    }
    return 0;
}
