// Draws the game's icon, a letter cube, as the hicolor theme wants it:
//   make_icon <icons folder>
// writes 48x48/apps/scrivel.png, 256x256/apps/scrivel.png and scalable/apps/scrivel.svg. The
// drawing is made of fixed shapes, so every build writes the same files.
#include "icon/letter_cube.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <icons folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        const auto shapes = scrivel::icon::LetterCube();
        for (int size : {48, 256}) {
            const std::string name = std::to_string(size) + "x" + std::to_string(size);
            std::filesystem::create_directories(folder / name / "apps");
            scrivel::platform::Bitmap icon(size, size, scrivel::platform::PixelFormat::Argb32);
            scrivel::platform::Canvas canvas(icon);
            scrivel::icon::Draw(canvas, shapes, size);
            icon.SavePng((folder / name / "apps" / "scrivel.png").string());
        }
        std::filesystem::create_directories(folder / "scalable" / "apps");
        std::ofstream svg(folder / "scalable" / "apps" / "scrivel.svg", std::ios::binary);
        svg << scrivel::icon::ToSvg(shapes);
        if (!svg.flush()) {
            std::fprintf(stderr, "make_icon: cannot write the SVG icon in %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_icon: %s\n", error.what());
        return 1;
    }
    return 0;
}
