#pragma once

#include "platform/file_system.h"
#include "texts/language.h"

#include <optional>
#include <string>

namespace scrivel::platform {

// Why the player's scores and options cannot be kept: no usable home folder, or a folder of theirs
// that cannot be made (folder and error say which and why).
struct FolderProblem {
    enum class Kind { NoHome, CannotCreate };
    Kind kind = Kind::NoHome;
    std::string folder;
    FileError error;
};

// The variables that say where a player's files go.
struct FolderEnvironment {
    std::optional<std::string> home;
    std::optional<std::string> dataHome;   // XDG_DATA_HOME
    std::optional<std::string> configHome; // XDG_CONFIG_HOME

    // This process's variables.
    static FolderEnvironment OfProcess();
};

// Where the game reads its data and keeps the player's files, decided once at start-up.
//
// Run from a folder it may write to that holds the data (a build, an unpacked archive), everything
// is beside the executable, and the skins are looked up from the current directory, as always.
// Installed, the data comes from the installed data folder, and score.ini and options.ini go to
// the player's XDG folders, made on first run; a words.let there replaces the installed one.
//
// Each language has its own word base and score table (words-en.let, score-en.ini in English);
// the options are shared.
class GameFolders {
public:
    // Everything in folder (ending with '/'), skins from the current directory.
    static GameFolders Beside(std::string folder,
                              texts::Language language = texts::Language::French);
    // Decides for an executable in executableFolder (ending with '/') whose installed data and
    // message catalogues are at dataFromExecutable and localeFromExecutable (relative, ending with
    // '/'), creating the player's folders if needed.
    static GameFolders Find(const std::string& executableFolder,
                            const std::string& dataFromExecutable,
                            const std::string& localeFromExecutable,
                            const FolderEnvironment& environment,
                            texts::Language language = texts::Language::French);
    // The running game's: its executable's folder, the install's layout and the environment.
    static GameFolders OfThisGame(texts::Language language);
    // The player's own data folder, $XDG_DATA_HOME/scrivel/ (~/.local/share by default), where
    // score.ini and a words.let of their own live; nothing without a usable HOME or XDG value.
    static std::optional<std::string> PlayerDataFolder(const FolderEnvironment& environment);

    // Holds Graphics/ and Skins/skin.ini; ends with '/'.
    const std::string& Data() const { return data_; }
    // Holds Skins/ for the pictures and button bitmaps: empty is the current directory; else it
    // ends with '/'.
    const std::string& SkinFolder() const { return skins_; }
    // A skin picture or button bitmap by its name inside Skins/.
    std::string SkinFile(const std::string& name) const { return skins_ + "Skins/" + name; }
    const std::string& WordBase() const { return wordBase_; }
    // Holds the message catalogues as share/locale does (en/LC_MESSAGES/...); ends with '/'.
    const std::string& LocaleFolder() const { return locale_; }
    // The language of the word base and the score table.
    texts::Language Language() const { return language_; }
    // Empty when the player's files cannot be kept: nothing is then read or written.
    const std::string& ScoreFile() const { return scoreFile_; }
    const std::string& OptionsFile() const { return optionsFile_; }
    bool Installed() const { return installed_; }
    // Why the scores and options will not be saved; nothing when they are.
    const std::optional<FolderProblem>& Problem() const { return problem_; }

private:
    std::string data_;
    std::string skins_; // prefix of Skins/ for the pictures: empty is the current directory
    std::string wordBase_;
    std::string locale_;
    std::string scoreFile_;
    std::string optionsFile_;
    texts::Language language_ = texts::Language::French;
    bool installed_ = false;
    std::optional<FolderProblem> problem_;
};

} // namespace scrivel::platform
