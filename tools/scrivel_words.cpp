// scrivel-words: makes the game's word base, words.let, from a UTF-8 word list with one word a
// line (Debian's wfrench or wamerican, a hunspell dictionary's word list, a list of one's own).
// The build makes the game's own base with it from the system's French dictionary.

#include "lexicon.h"
#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "texts/platform_words.h"
#include "texts/texts.h"

#include <fstream>
#include <iostream>
#include <istream>
#include <optional>
#include <sstream>
#include <string>

namespace {

using scrivel::texts::Compose;
using scrivel::texts::TextId;

int Fail(const std::string& text) {
    std::cerr << Compose(TextId::WordsError, {text}) << "\n";
    return 1;
}

// The default output, its folder made if needed; nothing (after saying why) when it cannot be.
std::optional<std::string> DefaultOutput() {
    using scrivel::platform::GameFolders;
    const auto folder =
        GameFolders::PlayerDataFolder(scrivel::platform::FolderEnvironment::OfProcess());
    if (!folder) {
        Fail(scrivel::texts::Text(TextId::WordsNoHome));
        return std::nullopt;
    }
    if (const auto error = scrivel::platform::MakeFolders(*folder)) {
        Fail(Compose(TextId::WordsCannotCreateFolder, {*folder, scrivel::texts::Reason(*error)}));
        return std::nullopt;
    }
    return *folder + "words.let";
}

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << scrivel::texts::Text(TextId::WordsUsage);
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::cerr << scrivel::texts::Text(TextId::WordsUsage);
        return 2;
    }
    const std::string sourcePath = argv[1];
    std::ifstream file;
    if (sourcePath != "-") {
        file.open(sourcePath, std::ios::binary);
        if (!file) {
            return Fail(Compose(TextId::WordsCannotReadList, {sourcePath}));
        }
    }
    std::istream& source = sourcePath == "-" ? std::cin : file;

    scrivel::Lexicon lexicon;
    std::string line;
    while (std::getline(source, line)) {
        lexicon.AddLine(line);
    }
    if (source.bad()) {
        return Fail(Compose(TextId::WordsReadError, {sourcePath}));
    }

    std::optional<std::string> output =
        argc == 3 ? std::optional<std::string>(argv[2]) : DefaultOutput();
    if (!output) {
        return 1;
    }
    // Replaced whole or not at all: a failed run never leaves half a base.
    const auto written = scrivel::platform::WriteFileAtomically(*output, lexicon.Base());
    if (!written) {
        return Fail(
            Compose(TextId::WordsCannotWrite, {*output, scrivel::texts::Reason(written.error)}));
    }

    std::ostringstream report;
    report << Compose(TextId::WordsWritten, {std::to_string(lexicon.Kept()), *output}) << "\n";
    int gameLists = 0;
    for (const auto& [length, count] : lexicon.KeptPerLength()) {
        report << Compose(TextId::WordsOfLength, {std::to_string(length), std::to_string(count)})
               << "\n";
        if (length <= 8) {
            gameLists += count;
        }
    }
    report << Compose(TextId::WordsInGameLists, {std::to_string(gameLists)}) << "\n";
    report << Compose(TextId::WordsDropped, {std::to_string(lexicon.Dropped())}) << "\n";
    report << Compose(TextId::WordsDuplicates, {std::to_string(lexicon.Duplicates())}) << "\n";
    std::cout << report.str();
    return 0;
}
