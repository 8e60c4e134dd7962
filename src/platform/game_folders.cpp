#include "platform/game_folders.h"

#include "platform/file_system.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <utility>

#ifndef SCRIVEL_DATA_FROM_BIN
#error "the build says where the installed data lies from the installed executable"
#endif
#ifndef SCRIVEL_LOCALE_FROM_BIN
#error "the build says where the installed catalogues lie from the installed executable"
#endif

namespace scrivel::platform {

namespace {

// The French names; other languages add their code (texts::LanguageFileName).
constexpr std::string_view WordBaseName = "words.let";
constexpr std::string_view ScoreName = "score.ini";

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

// XDG ignores empty and relative values; so does the game for HOME, which would otherwise put the
// files wherever the game was started.
std::optional<std::string> Absolute(const std::optional<std::string>& value) {
    if (!value || value->empty() || value->front() != '/') {
        return std::nullopt;
    }
    return value->back() == '/' ? *value : *value + '/';
}

// The XDG folder named by variable, else home + fallback; nothing when neither is usable.
std::optional<std::string> BaseFolder(const std::optional<std::string>& variable,
                                      const std::optional<std::string>& home,
                                      const char* fallback) {
    if (auto folder = Absolute(variable)) {
        return folder;
    }
    if (auto folder = Absolute(home)) {
        return *folder + fallback;
    }
    return std::nullopt;
}

std::string Normal(const std::string& folder) {
    return std::filesystem::path(folder).lexically_normal().string();
}

} // namespace

FolderEnvironment FolderEnvironment::OfProcess() {
    return {Variable("HOME"), Variable("XDG_DATA_HOME"), Variable("XDG_CONFIG_HOME")};
}

GameFolders GameFolders::Beside(std::string folder, texts::Language language) {
    GameFolders folders;
    folders.language_ = language;
    folders.data_ = std::move(folder);
    folders.wordBase_ = folders.data_ + texts::LanguageFileName(WordBaseName, language);
    folders.locale_ = folders.data_ + "locale/";
    folders.scoreFile_ = folders.data_ + texts::LanguageFileName(ScoreName, language);
    folders.optionsFile_ = folders.data_ + "options.ini";
    return folders;
}

GameFolders GameFolders::Find(const std::string& executableFolder,
                              const std::string& dataFromExecutable,
                              const std::string& localeFromExecutable,
                              const FolderEnvironment& environment, texts::Language language) {
    // Writable alone is not enough: the superuser may write anywhere, installed games included.
    // The French base tells, whatever the language: every build and install makes it.
    const bool holdsData = FileExists(executableFolder + std::string(WordBaseName));
    if (holdsData && WritableOrMissing(executableFolder)) {
        return Beside(executableFolder, language);
    }
    GameFolders folders;
    folders.language_ = language;
    folders.installed_ = true;
    // A folder that holds the data but may not be written (a read-only copy) still serves it.
    folders.data_ = holdsData ? executableFolder : Normal(executableFolder + dataFromExecutable);
    folders.locale_ =
        holdsData ? folders.data_ + "locale/" : Normal(executableFolder + localeFromExecutable);
    folders.skins_ = folders.data_;
    const std::string wordBase = texts::LanguageFileName(WordBaseName, language);
    folders.wordBase_ = folders.data_ + wordBase;

    const std::optional<std::string> playerData = PlayerDataFolder(environment);
    if (playerData && FileExists(*playerData + wordBase)) {
        folders.wordBase_ = *playerData + wordBase;
    }
    const std::optional<std::string> configHome =
        BaseFolder(environment.configHome, environment.home, ".config/");
    if (!playerData || !configHome) {
        folders.problem_ = FolderProblem{FolderProblem::Kind::NoHome, {}, {}};
        return folders;
    }
    const std::string playerConfig = *configHome + "scrivel/";
    for (const std::string& folder : {*playerData, playerConfig}) {
        if (const auto error = MakeFolders(folder)) {
            folders.problem_ = FolderProblem{FolderProblem::Kind::CannotCreate, folder, *error};
            return folders;
        }
    }
    folders.scoreFile_ = *playerData + texts::LanguageFileName(ScoreName, language);
    folders.optionsFile_ = playerConfig + "options.ini";
    return folders;
}

std::optional<std::string> GameFolders::PlayerDataFolder(const FolderEnvironment& environment) {
    const auto base = BaseFolder(environment.dataHome, environment.home, ".local/share/");
    return base ? std::optional<std::string>(*base + "scrivel/") : std::nullopt;
}

GameFolders GameFolders::OfThisGame(texts::Language language) {
    return Find(ExecutableFolder(), SCRIVEL_DATA_FROM_BIN, SCRIVEL_LOCALE_FROM_BIN,
                FolderEnvironment::OfProcess(), language);
}

} // namespace scrivel::platform
