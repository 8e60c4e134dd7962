#include "texts/texts.h"

#include <cerrno>
#include <cstring>
#include <libintl.h>

namespace scrivel::texts {

namespace {

// Marks a French text for xgettext (scripts/update-pot); Text looks its translation up.
constexpr const char* N_(const char* french) {
    return french;
}

const char* Source(TextId id) {
    // A switch rather than a table: the compiler then names any identifier left without a text.
    switch (id) {
    case TextId::GameTitle:
        return N_("Scrivel");
    case TextId::MessageBoxButton:
        return N_("OK");

    case TextId::CannotCreateFile:
        return N_("Impossible de créer le fichier : \n{}");
    case TextId::CannotReadFile:
        return N_(
            "Impossible de lire le fichier : \n{}\n({})\n{}\nCe fichier ne sera pas remplacé.");
    case TextId::CannotSaveFile:
        return N_("Impossible d'enregistrer le fichier : \n{}\n({})");
    case TextId::FileNotReplaced:
        return N_("Fichier non remplacé, car il n'a pas pu être lu au démarrage : \n{}");
    case TextId::CannotReadWordFile:
        return N_("Impossible de lire le fichier : \n{}\nLe jeu continue sans mots.");
    case TextId::WordFileTooLarge:
        return N_("Fichier de mots trop grand : \n{}\nLe jeu continue sans mots.");
    case TextId::DefaultOptionsFallback:
        return N_("Le jeu continue avec les réglages par défaut.");
    case TextId::EmptyScoresFallback:
        return N_("Le jeu continue avec une table des scores vide.");
    case TextId::NoHomeFolder:
        return N_(
            "Impossible de trouver le dossier personnel : la variable HOME n'est pas définie "
            "(ou pas en chemin absolu) ; les scores et les options ne seront pas enregistrés.");
    case TextId::CannotCreateFolder:
        return N_(
            "Impossible de créer le dossier {} : {} ; les scores et les options ne seront pas "
            "enregistrés.");

    case TextId::ReasonAccessDenied:
        return N_("accès refusé");
    case TextId::ReasonIsFolder:
        return N_("c'est un dossier");
    case TextId::ReasonNotFound:
        return N_("dossier ou fichier introuvable");
    case TextId::ReasonNotAFolder:
        return N_("un élément du chemin n'est pas un dossier");
    case TextId::ReasonInputOutput:
        return N_("erreur d'entrée-sortie");
    case TextId::ReasonDiskFull:
        return N_("disque plein");
    case TextId::ReasonFileTooLarge:
        return N_("fichier trop grand");
    case TextId::ReasonReadOnlyFileSystem:
        return N_("système de fichiers en lecture seule");
    case TextId::ReasonReadOnlyFile:
        return N_("le fichier est en lecture seule");
    case TextId::ReasonReadOnlyFolder:
        return N_("le dossier est en lecture seule");

    case TextId::ImageReasonAndPath:
        return N_("{} :\n{}");
    case TextId::ImageUnreadable:
        return N_("Fichier image introuvable ou illisible");
    case TextId::ImageEmpty:
        return N_("Fichier image vide");
    case TextId::ImageNotBmp:
        return N_("Ce fichier n'est pas une image BMP");
    case TextId::ImageTruncated:
        return N_("Fichier image tronqué");
    case TextId::ImageTooLarge:
        return N_("Fichier image trop grand");
    case TextId::ImageUnknownHeader:
        return N_("Format BMP non pris en charge (en-tête inconnu)");
    case TextId::ImageBadSize:
        return N_("Dimensions d'image invalides ({})");
    case TextId::ImageBadPlanes:
        return N_("Fichier image corrompu (nombre de plans)");
    case TextId::ImageUnsupportedDepth:
        return N_("Format BMP non pris en charge ({} bits par pixel)");
    case TextId::ImageRleCompression:
        return N_("Format BMP non pris en charge (compression RLE)");
    case TextId::ImageUnsupportedCompression:
        return N_("Format BMP non pris en charge (compression {})");
    case TextId::ImageBadPixelOffset:
        return N_("Fichier image corrompu (position des pixels)");
    case TextId::ImageOs2Palette:
        return N_("Format BMP non pris en charge (palette OS/2)");
    case TextId::ImageBadPalette:
        return N_("Fichier image corrompu (palette)");
    case TextId::ImageColourOutsidePalette:
        return N_("Fichier image corrompu (couleur hors de la palette)");
    case TextId::ImageCorrupt:
        return N_("Fichier image corrompu");
    case TextId::ImageSaveEmpty:
        return N_("Impossible d'enregistrer une image vide");
    case TextId::ImageCannotWriteBmp:
        return N_("Impossible d'écrire l'image BMP");
    case TextId::ImageCannotWriteJpeg:
        return N_("Impossible d'écrire l'image JPEG");
    case TextId::ImageCannotWritePng:
        return N_("Impossible d'écrire l'image PNG");
    case TextId::ImageJpegUnreadable:
        return N_("Image JPEG illisible ({})");
    case TextId::ImageJpegDamaged:
        return N_("Image JPEG tronquée ou abîmée ({})");
    case TextId::ImageJpegCannotEncode:
        return N_("Impossible de coder l'image JPEG ({})");

    case TextId::BankBitmapWrong:
        return N_("Bitmap incorrect pour une banque :");
    case TextId::FontBitmapWrong:
        return N_("Bitmap incorrect pour une fonte :");
    case TextId::TextureBitmapTooSmall:
        return N_("Bitmap trop petit pour ce type de texture :");

    case TextId::GlNoContext:
        return N_(":-)~ FGLContextHandle == NULL");
    case TextId::GlCannotMakeCurrent:
        return N_("Could not MakeCurrent");

    case TextId::GameUsage:
        return N_("Usage : scrivel [--lang fr|en]\n"
                  "\n"
                  "  --lang fr, --lang en   jouer en français ou en anglais, quelle que soit la "
                  "langue du système\n"
                  "                         (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)\n");
    case TextId::CannotOpenDisplay:
        return N_("Scrivel : impossible d'ouvrir l'affichage X11 ({}).");
    case TextId::ErrorDuring:
        return N_("Scrivel : erreur {}.\n{}");
    case TextId::WhileStarting:
        return N_("au démarrage");
    case TextId::WhilePlaying:
        return N_("pendant la partie");
    case TextId::UnknownError:
        return N_("erreur inconnue");

    case TextId::AnonymousPlayer:
        return N_("Anonyme");
    case TextId::EnterYourName:
        return N_("Veuillez entrer votre nom");
    case TextId::GameOver:
        return N_("GAME OVER");
    case TextId::PressSpace:
        return N_("Appuyer sur Espace");
    case TextId::ToPlayAgain:
        return N_("pour recommencer une partie");
    case TextId::PressEnter:
        return N_("Appuyer sur Entrée");
    case TextId::ToKeepYourName:
        return N_("pour valider votre nom");
    case TextId::MenuBanner:
        return N_("F1 = Jouer  F2 = Options");
    case TextId::OptionsBanner:
        return N_("F1, Esc = Retour  Espace = Changer Option");

    case TextId::OptionsHeading:
        return N_("Options");
    case TextId::OptionGrid:
        return N_("Grille");
    case TextId::OptionSpeed:
        return N_("Vitesse");
    case TextId::OptionMinWordSize:
        return N_("Taille minimale du mot");
    case TextId::OptionRandom:
        return N_("Hasard des ");
    case TextId::OptionBackground:
        return N_("Affichage du décor");
    case TextId::OptionTextures:
        return N_("Textures");
    case TextId::OptionFont:
        return N_("Fonte");
    case TextId::OptionFontColour:
        return N_("Couleur de fonte");
    case TextId::OptionMarker:
        return N_("Repère");
    case TextId::SpeedSlow:
        return N_("Lent");
    case TextId::SpeedNormal:
        return N_("Normal");
    case TextId::SpeedFast:
        return N_("Rapide");
    case TextId::RandomWords:
        return N_("mots");
    case TextId::RandomLetters:
        return N_("lettres");
    case TextId::No:
        return N_("Non");
    case TextId::Yes:
        return N_("Oui");
    case TextId::ColourWhite:
        return N_("Blanc");
    case TextId::ColourRed:
        return N_("Rouge");
    case TextId::ColourBlue:
        return N_("Bleu");
    case TextId::ColourBrown:
        return N_("Marron");
    case TextId::ColourYellow:
        return N_("Jaune");
    case TextId::ColourOrange:
        return N_("Orange");
    case TextId::ColourGreen:
        return N_("Vert");
    case TextId::ColourGrey:
        return N_("Gris");
    case TextId::ColourPurple:
        return N_("Pourpre");
    case TextId::ColourMulticoloured:
        return N_("Multicolore");
    case TextId::LetterCount:
        return N_("{} lettres");

    case TextId::CloseHint:
        return N_("Fermer");
    case TextId::MinimiseHint:
        return N_("Réduire");

    case TextId::WordsUsage:
        return N_("Usage : scrivel-words [--lang fr|en] LISTE [SORTIE]\n"
                  "\n"
                  "Fait de LISTE, une liste de mots en UTF-8 à raison d'un mot par ligne (par "
                  "exemple\n"
                  "/usr/share/dict/french, /usr/share/dict/american-english, ou la liste d'un "
                  "dictionnaire\n"
                  "hunspell), la base de mots du jeu :\n"
                  "les mots d'au moins trois lettres écrits avec les lettres a à z et les voyelles "
                  "accentuées,\n"
                  "chacun une fois. Les autres (majuscules, chiffres, tirets, apostrophes, autres "
                  "lettres)\n"
                  "sont écartés.\n"
                  "LISTE vaut - pour l'entrée standard.\n"
                  "\n"
                  "--lang dit la langue de la base et des messages : fr (français) ou en "
                  "(anglais) ;\n"
                  "par défaut, celle de la locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n"
                  "\n"
                  "SORTIE vaut par défaut $XDG_DATA_HOME/scrivel/words.let "
                  "(~/.local/share/scrivel/words.let)\n"
                  "en français, $XDG_DATA_HOME/scrivel/words-en.let en anglais : le jeu installé "
                  "la préfère\n"
                  "à sa propre base dans cette langue.\n");
    case TextId::WordsError:
        return N_("scrivel-words : {}");
    case TextId::WordsNoHome:
        return N_(
            "aucun dossier personnel (HOME n'est pas défini) : indiquez le fichier à écrire.");
    case TextId::WordsCannotCreateFolder:
        return N_("impossible de créer le dossier {} : {}.");
    case TextId::WordsCannotReadList:
        return N_("impossible de lire la liste {} (sous Debian, /usr/share/dict/french vient du "
                  "paquet wfrench, /usr/share/dict/american-english du paquet wamerican).");
    case TextId::WordsReadError:
        return N_("erreur de lecture de {}.");
    case TextId::WordsCannotWrite:
        return N_("impossible d'écrire {} ({}).");
    case TextId::WordsWritten:
        return N_("scrivel-words : {} mots écrits dans {}");
    case TextId::WordsOfLength:
        return N_("  {} lettres : {}");
    case TextId::WordsInGameLists:
        return N_("  de 3 à 8 lettres (les listes du jeu) : {}");
    case TextId::WordsDropped:
        return N_(
            "  écartés : {} (moins de trois lettres, majuscule ou signe hors de l'alphabet du "
            "jeu)");
    case TextId::WordsDuplicates:
        return N_("  doublons : {}");
    }
    return "";
}

} // namespace

const char* Text(TextId id) {
    const char* source = Source(id);
    // gettext's empty key is the catalogue's header, never a text.
    return *source != '\0' ? dgettext(Domain, source) : source;
}

std::string Compose(TextId id, std::initializer_list<std::string_view> parts) {
    static constexpr std::string_view kSlot = "{}";
    const std::string_view text = Text(id);
    std::string composed;
    const std::string_view* part = parts.begin();
    std::size_t from = 0;
    // One pass over the text: a part that itself holds "{}" (a path may) is never filled in.
    for (std::size_t slot = text.find(kSlot); slot != std::string_view::npos && part != parts.end();
         slot = text.find(kSlot, from)) {
        composed.append(text, from, slot - from);
        composed.append(*part++);
        from = slot + kSlot.size();
    }
    composed.append(text, from);
    return composed;
}

std::string SystemReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return Text(TextId::ReasonAccessDenied);
    case EISDIR:
        return Text(TextId::ReasonIsFolder);
    case ENOENT:
        return Text(TextId::ReasonNotFound);
    case ENOTDIR:
        return Text(TextId::ReasonNotAFolder);
    case EIO:
        return Text(TextId::ReasonInputOutput);
    case ENOSPC:
    case EDQUOT:
        return Text(TextId::ReasonDiskFull);
    case EFBIG:
        return Text(TextId::ReasonFileTooLarge);
    case EROFS:
        return Text(TextId::ReasonReadOnlyFileSystem);
    default:
        return std::strerror(error);
    }
}

} // namespace scrivel::texts
