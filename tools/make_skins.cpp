// Draws the four skins of the main window into the Skins folder, and PNG previews of them:
//   make_skins <skins folder> <preview folder>
// Writes skin.ini, region<n>.jpg (background), region<n>mask.bmp (outline) and the button
// bitmaps. The pictures depend only on fixed seeds, so every build writes the same files.
#include "platform/bitmap.h"
#include "platform/font_catalogue.h"
#include "skins/skin_art.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skins folder> <preview folder>\n", argv[0]);
        return 2;
    }
    const std::string skins = std::string(argv[1]) + "/";
    const std::string preview = std::string(argv[2]) + "/";
    try {
        std::filesystem::create_directories(skins);
        std::filesystem::create_directories(preview);
        scrivel::platform::FontCatalogue::RegisterAliases();
        std::string ini = "; The four skins of the main window, written by make_skins.\r\n\r\n";
        for (int n = 1; n <= 4; ++n) {
            const scrivel::skins::SkinArt skin = scrivel::skins::MakeSkin(n);
            const std::string region = skins + "region" + std::to_string(n);
            skin.background.SaveJpeg(region + ".jpg", 92);
            skin.mask.SaveBmp(region + "mask.bmp");
            for (const auto& button : skin.buttons) {
                button.picture.SaveBmp(skins + button.file);
            }
            scrivel::skins::Preview(skin).SavePng(preview + "skin" + std::to_string(n) + ".png");
            ini += scrivel::skins::IniSection(skin);
        }
        std::ofstream out(skins + "skin.ini", std::ios::binary);
        out << ini;
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + skins + "skin.ini");
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_skins: %s\n", error.what());
        return 1;
    }
    return 0;
}
