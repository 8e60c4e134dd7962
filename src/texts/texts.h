#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every text a player reads, in one place, keyed by an identifier. The French text is the source
// and the key of its translations (gettext: po/en.po), so a text's wording changes here and
// nowhere else; scripts/update-pot gathers the source texts into po/scrivel.pot.
//
// How each kind of failure reaches the player, each by one path:
// - A player's file (score.ini, options.ini, words.let) missing, unreadable or not writable: a
//   message box naming the file and why, then the game goes on with its fallback (created empty
//   file, defaults, empty table, no words). A save that fails again is only written to stderr.
// - A missing or broken asset (a picture of Graphics/, a sheet of the wrong size): FatalError,
//   which unwinds to main; main shows its text and ends with status 1.
// - A skin (Skins/skin.ini, its pictures, masks and button bitmaps) that cannot be loaded: no
//   message; the skin is refused (plain framed window) or the button keeps its look.
// - The player's folders that cannot be found or made: one message at start-up, then the game
//   plays without keeping scores and options.
// - A programming error (an index out of range, a misuse of a class): an exception whose English
//   text is for developers; tests and sanitizers are there to catch it before a player does.
//
// The platform layer never words anything: it reports error kinds (an errno, an image fault, a
// folder problem), and platform_words.h turns them into these texts.
namespace scrivel::texts {

enum class TextId {
    // Title of the main window and of the message box; the message box's button.
    GameTitle,
    MessageBoxButton,

    // The player's files. "{}" marks where the parts go, in order (Compose).
    CannotCreateFile,   // path
    CannotReadFile,     // path, reason, what the game does instead
    CannotSaveFile,     // path, reason
    FileNotReplaced,    // path
    CannotReadWordFile, // path
    WordFileTooLarge,   // path
    DefaultOptionsFallback,
    EmptyScoresFallback,
    NoHomeFolder,
    CannotCreateFolder, // folder, reason

    // Why a file operation failed.
    ReasonAccessDenied,
    ReasonIsFolder,
    ReasonNotFound,
    ReasonNotAFolder,
    ReasonInputOutput,
    ReasonDiskFull,
    ReasonFileTooLarge,
    ReasonReadOnlyFileSystem,
    ReasonReadOnlyFile,
    ReasonReadOnlyFolder,

    // Pictures: why one cannot be loaded or saved, then "reason :\npath".
    ImageReasonAndPath, // reason, path
    ImageUnreadable,
    ImageEmpty,
    ImageNotBmp,
    ImageTruncated,
    ImageTooLarge,
    ImageUnknownHeader,
    ImageBadSize, // "width x height"
    ImageBadPlanes,
    ImageUnsupportedDepth, // bits per pixel
    ImageRleCompression,
    ImageUnsupportedCompression, // compression number
    ImageBadPixelOffset,
    ImageOs2Palette,
    ImageBadPalette,
    ImageColourOutsidePalette,
    ImageCorrupt,
    ImageSaveEmpty,
    ImageCannotWriteBmp,
    ImageCannotWriteJpeg,
    ImageCannotWritePng,
    ImageJpegUnreadable,   // decoder's message
    ImageJpegDamaged,      // decoder's message
    ImageJpegCannotEncode, // encoder's message

    // Assets of the wrong size; each is followed by a line feed and the path.
    BankBitmapWrong,
    FontBitmapWrong,
    TextureBitmapTooSmall,

    // The GL panel's context failures; each is followed by a line feed and the reason.
    GlNoContext,
    GlCannotMakeCurrent,

    // The game's command line: what it takes, for --help or a wrong --lang.
    GameUsage,

    // What main says when the game cannot go on.
    CannotOpenDisplay, // reason
    ErrorDuring,       // stage, reason
    WhileStarting,
    WhilePlaying,
    UnknownError,

    // Head-up texts.
    AnonymousPlayer,
    EnterYourName,
    GameOver,
    PressSpace,
    ToPlayAgain,
    PressEnter,
    ToKeepYourName,
    MenuBanner,
    OptionsBanner,

    // The options screen: heading, row titles and values.
    OptionsHeading,
    OptionGrid,
    OptionSpeed,
    OptionMinWordSize,
    OptionRandom,
    OptionBackground,
    OptionTextures,
    OptionFont,
    OptionFontColour,
    OptionMarker,
    SpeedSlow,
    SpeedNormal,
    SpeedFast,
    RandomWords,
    RandomLetters,
    No,
    Yes,
    ColourWhite,
    ColourRed,
    ColourBlue,
    ColourBrown,
    ColourYellow,
    ColourOrange,
    ColourGreen,
    ColourGrey,
    ColourPurple,
    ColourMulticoloured,
    LetterCount, // number

    // The main window's buttons.
    CloseHint,
    MinimiseHint,

    // scrivel-words, the word base maker.
    WordsUsage,
    WordsError, // message
    WordsNoHome,
    WordsCannotCreateFolder, // folder, reason
    WordsCannotReadList,     // path
    WordsReadError,          // path
    WordsCannotWrite,        // path, reason
    WordsWritten,            // count, path
    WordsOfLength,           // length, count
    WordsInGameLists,        // count
    WordsDropped,            // count
    WordsDuplicates,         // count
};

// The gettext domain of the game's catalogues (scrivel.mo).
inline constexpr const char* Domain = "scrivel";

// The text in the language of the catalogue in use (platform::UseCatalogue), UTF-8; the French
// source when none is in use or it lacks the text.
const char* Text(TextId id);

// Text(id) with each "{}" replaced by the next of parts; a "{}" without a part stays as it is.
std::string Compose(TextId id, std::initializer_list<std::string_view> parts);

// The reason for a system error number (errno); the C library's words for the rare ones.
std::string SystemReason(int error);

} // namespace scrivel::texts
