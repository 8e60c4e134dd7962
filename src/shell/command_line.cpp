#include "shell/command_line.h"

#include <string_view>

namespace scrivel {

CommandLine CommandLine::Take(int& argc, char** argv) {
    CommandLine line;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::optional<std::string_view> code;
        if (argument == "--lang") {
            code = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
        } else if (argument.substr(0, 7) == "--lang=") {
            code = argument.substr(7);
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
            continue;
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        line.language = texts::LanguageNamed(*code);
        line.wrong = line.wrong || !line.language;
    }
    argc = kept;
    argv[argc] = nullptr;
    return line;
}

} // namespace scrivel
