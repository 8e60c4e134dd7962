#pragma once

#include "texts/language.h"

#include <optional>

namespace scrivel {

// What the player asked for on the command line. The game's own options are taken out of argv, so
// that what remains (the X toolkit's options such as -display) goes on to GLUT.
struct CommandLine {
    std::optional<texts::Language> language; // --lang fr | --lang en | --lang=...
    bool help = false;                       // --help, -h
    bool wrong = false;                      // --lang without a known language

    static CommandLine Take(int& argc, char** argv);
};

} // namespace scrivel
