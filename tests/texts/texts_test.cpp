#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "platform/image_error.h"
#include "texts/platform_words.h"
#include "texts/texts.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel::texts {
namespace {

TEST(Compose, FillsEachSlotInOrderAndNeverRefillsAPart) {
    // A path may itself hold "{}": it is copied, not filled.
    EXPECT_EQ(Compose(TextId::CannotSaveFile, {"/jeu/{}.ini", "disque plein"}),
              "Impossible d'enregistrer le fichier : \n/jeu/{}.ini\n(disque plein)");
    EXPECT_EQ(Compose(TextId::CannotReadFile,
                      {"/jeu/options.ini", "accès refusé", Text(TextId::DefaultOptionsFallback)}),
              "Impossible de lire le fichier : \n/jeu/options.ini\n(accès refusé)\nLe jeu "
              "continue avec les réglages par défaut.\nCe fichier ne sera pas remplacé.");
    // Too few parts leave the rest of the text as it is; extra parts are dropped.
    EXPECT_EQ(Compose(TextId::WordsOfLength, {"25"}), "  25 lettres : {}");
    EXPECT_EQ(Compose(TextId::LetterCount, {"3", "4"}), "3 lettres");
}

TEST(Text, OptionAndNameEntryWordsAreSpeltRight) {
    EXPECT_STREQ(Text(TextId::ColourBrown), "Marron");
    EXPECT_STREQ(Text(TextId::OptionBackground), "Affichage du décor");
    // The name entry is left with Enter.
    EXPECT_STREQ(Text(TextId::PressEnter), "Appuyer sur Entrée");
}

// The platform's error values in the words the player has always read; a truncated picture and
// the folder messages are the texture and game folder tests' to pin.
TEST(PlatformWords, FileAndImageErrors) {
    using platform::FileError;
    EXPECT_EQ(Reason({FileError::Kind::ReadOnlyFile, 0}), "le fichier est en lecture seule");
    EXPECT_EQ(Reason({FileError::Kind::ReadOnlyFolder, 0}), "le dossier est en lecture seule");
    EXPECT_EQ(Reason({FileError::Kind::System, EPERM}), "accès refusé");
    EXPECT_EQ(Reason({FileError::Kind::System, EDQUOT}), "disque plein");
    EXPECT_EQ(Reason({FileError::Kind::System, ENOSPC}), "disque plein");
    EXPECT_EQ(Reason({FileError::Kind::System, EROFS}), "système de fichiers en lecture seule");
    // Rare errors keep the C library's words.
    EXPECT_EQ(Reason({FileError::Kind::System, EMLINK}), std::strerror(EMLINK));

    using platform::ImageError;
    using platform::ImageFault;
    EXPECT_EQ(ImageMessage(ImageError(ImageFault::BadSize, "/g/sun.bmp", "0 x 5")),
              "Dimensions d'image invalides (0 x 5) :\n/g/sun.bmp");
    EXPECT_EQ(ImageMessage(ImageError(ImageFault::UnsupportedDepth, "/g/a.bmp", "2")),
              "Format BMP non pris en charge (2 bits par pixel) :\n/g/a.bmp");
    EXPECT_EQ(ImageMessage(ImageError(ImageFault::JpegDamaged, "/s/r.jpg", "Premature end")),
              "Image JPEG tronquée ou abîmée (Premature end) :\n/s/r.jpg");
}

// Finds string literals outside comments that a player would read in French: any byte beyond
// ASCII (accented letters), or a French word of the kind our texts use.
class FrenchLiterals {
public:
    struct Hit {
        int line = 0;
        std::string literal;
        bool operator==(const Hit&) const = default;
    };

    static std::vector<Hit> In(const std::string& code) {
        std::vector<Hit> hits;
        // The line is counted only for a hit: they are rare.
        const auto check = [&](std::size_t from, std::size_t to) {
            const std::string literal = code.substr(from, to - from);
            if (IsFrench(literal)) {
                const auto line =
                    1 + std::ranges::count(std::string_view(code).substr(0, from), '\n');
                hits.push_back({static_cast<int>(line), literal});
            }
        };
        for (std::size_t i = 0, end = 0; i < code.size(); i = std::min(end, code.size())) {
            const char c = code[i];
            const char before = i > 0 ? code[i - 1] : ' ';
            end = i + 1;
            if (code.compare(i, 2, "//") == 0) {
                end = code.find('\n', i);
            } else if (code.compare(i, 2, "/*") == 0) {
                end = std::min(code.find("*/", i + 2), code.size() - 2) + 2;
            } else if (c == 'R' && i + 1 < code.size() && code[i + 1] == '"' &&
                       !IsWordChar(before)) {
                const std::size_t open = code.find('(', i);
                const std::string close = ")" + code.substr(i + 2, open - i - 2) + "\"";
                end = std::min(code.find(close, open), code.size()) + close.size();
                check(open + 1, end - close.size());
            } else if (c == '"' ||
                       (c == '\'' && !std::isalnum(static_cast<unsigned char>(before)))) {
                while (end < code.size() && code[end] != c && code[end] != '\n') {
                    end += code[end] == '\\' ? 2 : 1;
                }
                if (c == '"') {
                    check(i + 1, end);
                }
                ++end;
            }
        }
        return hits;
    }

private:
    static bool IsWordChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    }

    static bool IsFrench(const std::string& literal) {
        // Between spaces, so that a word is found only whole.
        static constexpr std::string_view kWords =
            " fichier dossier erreur lettres mots jeu partie veuillez appuyer jouer retour"
            " changer espace fermer anonyme grille vitesse taille fonte couleur oui lent rapide"
            " blanc rouge bleu jaune vert gris pourpre marron hasard multicolore affichage decor"
            " pour une avec est pas les des nom continue incorrect trop petit recommencer valider ";
        const bool nonAscii = std::any_of(literal.begin(), literal.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        });
        bool french = nonAscii;
        for (std::size_t i = 0; i < literal.size() && !french;) {
            std::size_t end = i;
            while (end < literal.size() && std::isalpha(static_cast<unsigned char>(literal[end]))) {
                ++end;
            }
            std::string word = literal.substr(i, end - i);
            std::transform(word.begin(), word.end(), word.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            french = !word.empty() && kWords.find(" " + word + " ") != std::string_view::npos;
            i = std::max(end, i + 1);
        }
        return french;
    }
};

TEST(FrenchLiterals, AreFoundInLiteralsButNotInCommentsOrNames) {
    const std::string code = "// \"pâte\" < \"pâter\"\n"
                             "/* \"Fermer\" */ const char* a = \"GridSize\";\n"
                             "char q = '\"'; auto b = \"Réduire\";\n"
                             "auto c = R\"(un \"fichier\" ici)\"; auto d = \"a \\\" mots\";\n"
                             "auto e = \"DejaVu Sans\", f = \"Appuyer sur Espace\";\n";
    EXPECT_EQ(FrenchLiterals::In(code),
              (std::vector<FrenchLiterals::Hit>{{3, "Réduire"},
                                                {4, "un \"fichier\" ici"},
                                                {4, "a \\\" mots"},
                                                {5, "Appuyer sur Espace"}}));
}

// Only the texts' home may hold what a player reads in French; elsewhere it would escape
// translation.
TEST(FrenchLiterals, OnlyTheTextsHomeHoldsThem) {
    namespace fs = std::filesystem;
    const fs::path root = SCRIVEL_SOURCE_DIR;
    std::vector<std::string> offenders;
    int files = 0;
    for (const char* folder : {"src", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& path = entry.path();
            const std::string relative = fs::relative(path, root).string();
            if (!entry.is_regular_file() || relative.starts_with("src/texts/") ||
                (path.extension() != ".cpp" && path.extension() != ".h")) {
                continue;
            }
            ++files;
            std::ifstream file(path, std::ios::binary);
            const std::string code{std::istreambuf_iterator<char>(file), {}};
            for (const auto& hit : FrenchLiterals::In(code)) {
                offenders.push_back(relative + ":" + std::to_string(hit.line) + ": \"" +
                                    hit.literal + "\"");
            }
        }
    }
    EXPECT_GT(files, 100) << "the source tree was not found at " << root;
    EXPECT_TRUE(offenders.empty()) << ::testing::PrintToString(offenders);
}

} // namespace
} // namespace scrivel::texts
