// scrivel-words: makes the game's word base, words.let, from a UTF-8 word list with one word a
// line (Debian's wfrench or wamerican, a hunspell dictionary's word list, a list of one's own).
// The build makes the game's own bases with it from the system's French and English dictionaries.

#include "lexicon.h"
#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "platform/message_catalogue.h"
#include "texts/language.h"
#include "texts/platform_words.h"
#include "texts/texts.h"
#include "words_arguments.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <istream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using scrivel::texts::Compose;
using scrivel::texts::TextId;

int Fail(const std::string& text) {
    std::cerr << Compose(TextId::WordsError, {text}) << "\n";
    return 1;
}

// The player's own base in language, its folder made if needed; nothing (after saying why) when it
// cannot be.
std::optional<std::string> DefaultOutput(scrivel::texts::Language language) {
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
    return *folder + scrivel::texts::LanguageFileName("words.let", language);
}

} // namespace

int main(int argc, char** argv) {
    namespace platform = scrivel::platform;
    const auto spoken = scrivel::texts::LanguageOf(platform::ProcessLocaleVariables());
    const std::string catalogues = platform::CatalogueFolder(platform::ExecutableFolder());
    platform::UseCatalogue(scrivel::texts::Domain, spoken, catalogues);
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << scrivel::texts::Text(TextId::WordsUsage);
        return 0;
    }
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const auto parsed = scrivel::WordsArguments::Parse(arguments, spoken);
    if (!parsed) {
        std::cerr << scrivel::texts::Text(TextId::WordsUsage);
        return 2;
    }
    if (parsed->language != spoken) {
        // --lang speaks the base's language, as the game's --lang does.
        platform::UseCatalogue(scrivel::texts::Domain, parsed->language, catalogues);
    }
    const std::string& sourcePath = parsed->list;
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

    const std::optional<std::string> output =
        parsed->output ? parsed->output : DefaultOutput(parsed->language);
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
