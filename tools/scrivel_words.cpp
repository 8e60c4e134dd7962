// scrivel-words: makes the game's word base, words.let, from a UTF-8 word list with one word a
// line (Debian's wfrench or wamerican, a hunspell dictionary's word list, a list of one's own).
// The build makes the game's own base with it from the system's French dictionary.

#include "lexicon.h"
#include "platform/file_system.h"
#include "platform/game_folders.h"

#include <fstream>
#include <iostream>
#include <istream>
#include <optional>
#include <sstream>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage : scrivel-words LISTE [SORTIE]\n"
    "\n"
    "Fait de LISTE, une liste de mots en UTF-8 à raison d'un mot par ligne (par exemple\n"
    "/usr/share/dict/french, ou la liste d'un dictionnaire hunspell), la base de mots du jeu :\n"
    "les mots d'au moins trois lettres écrits avec les lettres a à z et les voyelles accentuées,\n"
    "chacun une fois. Les autres (majuscules, chiffres, tirets, autres lettres) sont écartés.\n"
    "LISTE vaut - pour l'entrée standard.\n"
    "\n"
    "SORTIE vaut par défaut $XDG_DATA_HOME/scrivel/words.let (~/.local/share/scrivel/words.let),\n"
    "où le jeu installé la préfère à sa propre base.\n";

int Fail(const std::string& text) {
    std::cerr << "scrivel-words : " << text << "\n";
    return 1;
}

// The default output, its folder made if needed; nothing (after saying why) when it cannot be.
std::optional<std::string> DefaultOutput() {
    using scrivel::platform::GameFolders;
    const auto folder =
        GameFolders::PlayerDataFolder(scrivel::platform::FolderEnvironment::OfProcess());
    if (!folder) {
        Fail("aucun dossier personnel (HOME n'est pas défini) : indiquez le fichier à écrire.");
        return std::nullopt;
    }
    if (const auto reason = scrivel::platform::MakeFolders(*folder)) {
        Fail("impossible de créer le dossier " + *folder + " : " + *reason + ".");
        return std::nullopt;
    }
    return *folder + "words.let";
}

} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string sourcePath = argv[1];
    std::ifstream file;
    if (sourcePath != "-") {
        file.open(sourcePath, std::ios::binary);
        if (!file) {
            return Fail("impossible de lire la liste " + sourcePath +
                        " (sous Debian, /usr/share/dict/french vient du paquet wfrench).");
        }
    }
    std::istream& source = sourcePath == "-" ? std::cin : file;

    scrivel::Lexicon lexicon;
    std::string line;
    while (std::getline(source, line)) {
        lexicon.AddLine(line);
    }
    if (source.bad()) {
        return Fail("erreur de lecture de " + sourcePath + ".");
    }

    std::optional<std::string> output =
        argc == 3 ? std::optional<std::string>(argv[2]) : DefaultOutput();
    if (!output) {
        return 1;
    }
    // Replaced whole or not at all: a failed run never leaves half a base.
    const auto written = scrivel::platform::WriteFileAtomically(*output, lexicon.Base());
    if (!written) {
        return Fail("impossible d'écrire " + *output + " (" + written.error + ").");
    }

    std::ostringstream report;
    report << "scrivel-words : " << lexicon.Kept() << " mots écrits dans " << *output << "\n";
    int gameLists = 0;
    for (const auto& [length, count] : lexicon.KeptPerLength()) {
        report << "  " << length << " lettres : " << count << "\n";
        if (length <= 8) {
            gameLists += count;
        }
    }
    report << "  de 3 à 8 lettres (les listes du jeu) : " << gameLists << "\n";
    report << "  écartés : " << lexicon.Dropped()
           << " (moins de trois lettres, majuscule ou signe hors de l'alphabet du jeu)\n";
    report << "  doublons : " << lexicon.Duplicates() << "\n";
    std::cout << report.str();
    return 0;
}
