#include "platform/game_folders.h"
#include "support/temp_dir.h"
#include "texts/platform_words.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace scrivel::platform {
namespace {

namespace fs = std::filesystem;

// The table below names only what each case changes.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

constexpr const char* kDataFromGames = "../share/games/scrivel/";
constexpr const char* kLocaleFromGames = "../share/locale/";

// A folder tree under a temporary root: "@" in a path stands for the root.
struct FoldersCase {
    const char* name;
    bool wordsBesideGame = false; // games/words.let
    bool readOnlyGame = false;    // games/ without write bits
    std::optional<std::string> home = "@home";
    std::optional<std::string> dataHome;
    std::optional<std::string> configHome;
    bool readOnlyPlayerData = false;   // @home/.local/share/scrivel exists without write bits
    const char* playerWords = nullptr; // a base of the player's in @home/.local/share/scrivel
    texts::Language language = texts::Language::French;
    // Expected, installed unless told: the shared data, the player's XDG folders.
    std::string data = "@share/games/scrivel/";
    std::string skins = "@share/games/scrivel/";
    std::string locale = "@share/locale/";
    std::string wordBase = "@share/games/scrivel/words.let";
    std::string scoreFile = "@home/.local/share/scrivel/score.ini";
    std::string optionsFile = "@home/.config/scrivel/options.ini";
    std::string problem; // a part of the message; empty when none
};

std::string Rooted(const std::string& root, std::string text) {
    for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
        text.replace(at, 1, root);
        at += root.size();
    }
    return text;
}

// The same tree of folders and the same environment give the same decision, whatever the real
// executable and HOME of the test are.
TEST(GameFolders, BesideTheGameWhenItsFolderServesElseInstalledWithTheXdgFolders) {
    const std::string xdgData = "@home/.local/share/scrivel/";
    const FoldersCase cases[] = {
        {.name = "a build: writable and holding the data",
         .wordsBesideGame = true,
         .data = "@games/",
         .skins = "",
         .locale = "@games/locale/",
         .wordBase = "@games/words.let",
         .scoreFile = "@games/score.ini",
         .optionsFile = "@games/options.ini"},
        {.name = "a read-only copy keeps its data, not the player's files",
         .wordsBesideGame = true,
         .readOnlyGame = true,
         .data = "@games/",
         .skins = "@games/",
         .locale = "@games/locale/",
         .wordBase = "@games/words.let"},
        {.name = "XDG variables win over HOME",
         .dataHome = "@xdata",
         .configHome = "@xconfig/",
         .scoreFile = "@xdata/scrivel/score.ini",
         .optionsFile = "@xconfig/scrivel/options.ini"},
        {.name = "relative or empty XDG values are ignored", .dataHome = "xdata", .configHome = ""},
        {.name = "no HOME: nothing is kept",
         .home = std::nullopt,
         .scoreFile = "",
         .optionsFile = "",
         .problem = "la variable HOME n'est pas définie (ou pas en chemin absolu) ; les scores "
                    "et les options ne seront pas enregistrés."},
        {.name = "the player's folder is read-only",
         .readOnlyPlayerData = true,
         .scoreFile = "",
         .optionsFile = "",
         .problem = "Impossible de créer le dossier @home/.local/share/scrivel/ : le dossier "
                    "est en lecture seule ; les scores et les options ne seront pas enregistrés."},
        {.name = "a build in English: its own base and scores, the options shared",
         .wordsBesideGame = true,
         .language = texts::Language::English,
         .data = "@games/",
         .skins = "",
         .locale = "@games/locale/",
         .wordBase = "@games/words-en.let",
         .scoreFile = "@games/score-en.ini",
         .optionsFile = "@games/options.ini"},
        {.name = "installed in English: the player's English base wins",
         .playerWords = "words-en.let",
         .language = texts::Language::English,
         .wordBase = xdgData + "words-en.let",
         .scoreFile = xdgData + "score-en.ini"},
        {.name = "installed in English: the player's French base is not English",
         .playerWords = "words.let",
         .language = texts::Language::English,
         .wordBase = "@share/games/scrivel/words-en.let",
         .scoreFile = xdgData + "score-en.ini"},
        {.name = "installed in French: the player's French base wins",
         .playerWords = "words.let",
         .wordBase = xdgData + "words.let"},
    };
    for (const FoldersCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string root = dir.Path();
        fs::create_directories(root + "games");
        fs::create_directories(root + "share/games/scrivel");
        dir.Write("share/games/scrivel/words.let", "chat/");
        if (c.wordsBesideGame) {
            dir.Write("games/words.let", "chien/");
        }
        if (c.playerWords != nullptr) {
            fs::create_directories(root + "home/.local/share/scrivel");
            ::chmod((root + "home/.local/share/scrivel").c_str(), 0700);
            dir.Write(std::string("home/.local/share/scrivel/") + c.playerWords, "chat/");
        }
        if (c.readOnlyPlayerData) {
            fs::create_directories(root + "home/.local/share/scrivel");
            ::chmod((root + "home/.local/share/scrivel").c_str(), 0555);
        }
        if (c.readOnlyGame) {
            ::chmod((root + "games").c_str(), 0555);
        }
        const auto rooted = [&](const std::optional<std::string>& value) {
            return value ? std::optional<std::string>(Rooted(root, *value)) : std::nullopt;
        };
        const FolderEnvironment environment{rooted(c.home), rooted(c.dataHome),
                                            rooted(c.configHome)};

        const GameFolders folders = GameFolders::Find(root + "games/", kDataFromGames,
                                                      kLocaleFromGames, environment, c.language);

        EXPECT_EQ(folders.Language(), c.language);
        EXPECT_EQ(folders.Data(), Rooted(root, c.data));
        EXPECT_EQ(folders.LocaleFolder(), Rooted(root, c.locale));
        EXPECT_EQ(folders.SkinFolder(), Rooted(root, c.skins));
        EXPECT_EQ(folders.SkinFile("a.bmp"), Rooted(root, c.skins) + "Skins/a.bmp");
        EXPECT_EQ(folders.WordBase(), Rooted(root, c.wordBase));
        EXPECT_EQ(folders.ScoreFile(), Rooted(root, c.scoreFile));
        EXPECT_EQ(folders.OptionsFile(), Rooted(root, c.optionsFile));
        EXPECT_EQ(folders.Installed(), c.data != "@games/" || c.readOnlyGame);
        if (c.problem.empty()) {
            EXPECT_FALSE(folders.Problem());
        } else {
            ASSERT_TRUE(folders.Problem());
            const std::string message = texts::FolderMessage(*folders.Problem());
            EXPECT_NE(message.find(Rooted(root, c.problem)), std::string::npos) << message;
        }
        // The player's folders exist once, and only once, they are to be used; new ones private.
        for (const std::string& file : {folders.ScoreFile(), folders.OptionsFile()}) {
            if (!file.empty() && folders.Installed()) {
                struct stat info {};
                ASSERT_EQ(::stat(fs::path(file).parent_path().c_str(), &info), 0);
                EXPECT_EQ(info.st_mode & 0777, 0700u);
            }
        }
        if (c.data == "@games/" && !c.readOnlyGame) {
            EXPECT_FALSE(fs::exists(root + "home"));
        }
        ::chmod((root + "games").c_str(), 0755);
        if (c.readOnlyPlayerData) {
            ::chmod((root + "home/.local/share/scrivel").c_str(), 0755);
        }
    }
}

} // namespace
} // namespace scrivel::platform
