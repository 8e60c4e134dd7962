#include "texts/texts.h"

#include <cerrno>
#include <cstring>

namespace scrivel::texts {

const char* Text(TextId id) {
    // A switch rather than a table: the compiler then names any identifier left without a text.
    switch (id) {
    case TextId::GameTitle:
        return "Scrivel";
    case TextId::MessageBoxButton:
        return "OK";

    case TextId::CannotCreateFile:
        return "Impossible de créer le fichier : \n{}";
    case TextId::CannotReadFile:
        return "Impossible de lire le fichier : \n{}\n({})\n{}\nCe fichier ne sera pas remplacé.";
    case TextId::CannotSaveFile:
        return "Impossible d'enregistrer le fichier : \n{}\n({})";
    case TextId::FileNotReplaced:
        return "Fichier non remplacé, car il n'a pas pu être lu au démarrage : \n{}";
    case TextId::CannotReadWordFile:
        return "Impossible de lire le fichier : \n{}\nLe jeu continue sans mots.";
    case TextId::WordFileTooLarge:
        return "Fichier de mots trop grand : \n{}\nLe jeu continue sans mots.";
    case TextId::DefaultOptionsFallback:
        return "Le jeu continue avec les réglages par défaut.";
    case TextId::EmptyScoresFallback:
        return "Le jeu continue avec une table des scores vide.";
    case TextId::NoHomeFolder:
        return "Impossible de trouver le dossier personnel : la variable HOME n'est pas définie "
               "(ou pas en chemin absolu) ; les scores et les options ne seront pas enregistrés.";
    case TextId::CannotCreateFolder:
        return "Impossible de créer le dossier {} : {} ; les scores et les options ne seront pas "
               "enregistrés.";

    case TextId::ReasonAccessDenied:
        return "accès refusé";
    case TextId::ReasonIsFolder:
        return "c'est un dossier";
    case TextId::ReasonNotFound:
        return "dossier ou fichier introuvable";
    case TextId::ReasonNotAFolder:
        return "un élément du chemin n'est pas un dossier";
    case TextId::ReasonInputOutput:
        return "erreur d'entrée-sortie";
    case TextId::ReasonDiskFull:
        return "disque plein";
    case TextId::ReasonFileTooLarge:
        return "fichier trop grand";
    case TextId::ReasonReadOnlyFileSystem:
        return "système de fichiers en lecture seule";
    case TextId::ReasonReadOnlyFile:
        return "le fichier est en lecture seule";
    case TextId::ReasonReadOnlyFolder:
        return "le dossier est en lecture seule";

    case TextId::ImageReasonAndPath:
        return "{} :\n{}";
    case TextId::ImageUnreadable:
        return "Fichier image introuvable ou illisible";
    case TextId::ImageEmpty:
        return "Fichier image vide";
    case TextId::ImageNotBmp:
        return "Ce fichier n'est pas une image BMP";
    case TextId::ImageTruncated:
        return "Fichier image tronqué";
    case TextId::ImageTooLarge:
        return "Fichier image trop grand";
    case TextId::ImageUnknownHeader:
        return "Format BMP non pris en charge (en-tête inconnu)";
    case TextId::ImageBadSize:
        return "Dimensions d'image invalides ({})";
    case TextId::ImageBadPlanes:
        return "Fichier image corrompu (nombre de plans)";
    case TextId::ImageUnsupportedDepth:
        return "Format BMP non pris en charge ({} bits par pixel)";
    case TextId::ImageRleCompression:
        return "Format BMP non pris en charge (compression RLE)";
    case TextId::ImageUnsupportedCompression:
        return "Format BMP non pris en charge (compression {})";
    case TextId::ImageBadPixelOffset:
        return "Fichier image corrompu (position des pixels)";
    case TextId::ImageOs2Palette:
        return "Format BMP non pris en charge (palette OS/2)";
    case TextId::ImageBadPalette:
        return "Fichier image corrompu (palette)";
    case TextId::ImageColourOutsidePalette:
        return "Fichier image corrompu (couleur hors de la palette)";
    case TextId::ImageCorrupt:
        return "Fichier image corrompu";
    case TextId::ImageSaveEmpty:
        return "Impossible d'enregistrer une image vide";
    case TextId::ImageCannotWriteBmp:
        return "Impossible d'écrire l'image BMP";
    case TextId::ImageCannotWriteJpeg:
        return "Impossible d'écrire l'image JPEG";
    case TextId::ImageCannotWritePng:
        return "Impossible d'écrire l'image PNG";
    case TextId::ImageJpegUnreadable:
        return "Image JPEG illisible ({})";
    case TextId::ImageJpegDamaged:
        return "Image JPEG tronquée ou abîmée ({})";
    case TextId::ImageJpegCannotEncode:
        return "Impossible de coder l'image JPEG ({})";

    case TextId::BankBitmapWrong:
        return "Bitmap incorrect pour une banque :";
    case TextId::FontBitmapWrong:
        return "Bitmap incorrect pour une fonte :";
    case TextId::TextureBitmapTooSmall:
        return "Bitmap trop petit pour ce type de texture :";

    case TextId::GlNoContext:
        return ":-)~ FGLContextHandle == NULL";
    case TextId::GlCannotMakeCurrent:
        return "Could not MakeCurrent";

    case TextId::CannotOpenDisplay:
        return "Scrivel : impossible d'ouvrir l'affichage X11 ({}).";
    case TextId::ErrorDuring:
        return "Scrivel : erreur {}.\n{}";
    case TextId::WhileStarting:
        return "au démarrage";
    case TextId::WhilePlaying:
        return "pendant la partie";
    case TextId::UnknownError:
        return "erreur inconnue";

    case TextId::AnonymousPlayer:
        return "Anonyme";
    case TextId::EnterYourName:
        return "Veuillez entrer votre nom";
    case TextId::GameOver:
        return "GAME OVER";
    case TextId::PressSpace:
        return "Appuyer sur Espace";
    case TextId::ToPlayAgain:
        return "pour recommencer une partie";
    case TextId::PressEnter:
        return "Appuyer sur Entrée";
    case TextId::ToKeepYourName:
        return "pour valider votre nom";
    case TextId::MenuBanner:
        return "F1 = Jouer  F2 = Options";
    case TextId::OptionsBanner:
        return "F1, Esc = Retour  Espace = Changer Option";

    case TextId::OptionsHeading:
        return "Options";
    case TextId::OptionGrid:
        return "Grille";
    case TextId::OptionSpeed:
        return "Vitesse";
    case TextId::OptionMinWordSize:
        return "Taille minimale du mot";
    case TextId::OptionRandom:
        return "Hasard des ";
    case TextId::OptionBackground:
        return "Affichage du décor";
    case TextId::OptionTextures:
        return "Textures";
    case TextId::OptionFont:
        return "Fonte";
    case TextId::OptionFontColour:
        return "Couleur de fonte";
    case TextId::OptionMarker:
        return "Repère";
    case TextId::SpeedSlow:
        return "Lent";
    case TextId::SpeedNormal:
        return "Normal";
    case TextId::SpeedFast:
        return "Rapide";
    case TextId::RandomWords:
        return "mots";
    case TextId::RandomLetters:
        return "lettres";
    case TextId::No:
        return "Non";
    case TextId::Yes:
        return "Oui";
    case TextId::ColourWhite:
        return "Blanc";
    case TextId::ColourRed:
        return "Rouge";
    case TextId::ColourBlue:
        return "Bleu";
    case TextId::ColourBrown:
        return "Marron";
    case TextId::ColourYellow:
        return "Jaune";
    case TextId::ColourOrange:
        return "Orange";
    case TextId::ColourGreen:
        return "Vert";
    case TextId::ColourGrey:
        return "Gris";
    case TextId::ColourPurple:
        return "Pourpre";
    case TextId::ColourMulticoloured:
        return "Multicolore";
    case TextId::LetterCount:
        return "{} lettres";

    case TextId::CloseHint:
        return "Fermer";
    case TextId::MinimiseHint:
        return "Réduire";

    case TextId::WordsUsage:
        return "Usage : scrivel-words [--lang fr|en] LISTE [SORTIE]\n"
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
               "--lang dit la langue de la base : fr (français) ou en (anglais) ; par défaut, "
               "celle de\n"
               "la locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n"
               "\n"
               "SORTIE vaut par défaut $XDG_DATA_HOME/scrivel/words.let "
               "(~/.local/share/scrivel/words.let)\n"
               "en français, $XDG_DATA_HOME/scrivel/words-en.let en anglais : le jeu installé "
               "la préfère\n"
               "à sa propre base dans cette langue.\n";
    case TextId::WordsError:
        return "scrivel-words : {}";
    case TextId::WordsNoHome:
        return "aucun dossier personnel (HOME n'est pas défini) : indiquez le fichier à écrire.";
    case TextId::WordsCannotCreateFolder:
        return "impossible de créer le dossier {} : {}.";
    case TextId::WordsCannotReadList:
        return "impossible de lire la liste {} (sous Debian, /usr/share/dict/french vient du "
               "paquet wfrench, /usr/share/dict/american-english du paquet wamerican).";
    case TextId::WordsReadError:
        return "erreur de lecture de {}.";
    case TextId::WordsCannotWrite:
        return "impossible d'écrire {} ({}).";
    case TextId::WordsWritten:
        return "scrivel-words : {} mots écrits dans {}";
    case TextId::WordsOfLength:
        return "  {} lettres : {}";
    case TextId::WordsInGameLists:
        return "  de 3 à 8 lettres (les listes du jeu) : {}";
    case TextId::WordsDropped:
        return "  écartés : {} (moins de trois lettres, majuscule ou signe hors de l'alphabet du "
               "jeu)";
    case TextId::WordsDuplicates:
        return "  doublons : {}";
    }
    return "";
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
