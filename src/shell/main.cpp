// Scrivel: start-up, the main window, the message loop.
#include "platform/application.h"
#include "platform/fatal.h"
#include "platform/file_system.h"
#include "platform/font_catalogue.h"
#include "platform/game_folders.h"
#include "platform/message_box.h"
#include "platform/message_catalogue.h"
#include "platform/termination.h"
#include "shell/command_line.h"
#include "shell/gl_panel.h"
#include "shell/scrivel_form.h"
#include "texts/platform_words.h"
#include "texts/texts.h"

#include <iostream>
#include <utility>

int main(int argc, char** argv) {
    using namespace scrivel;
    const CommandLine line = CommandLine::Take(argc, argv);
    const texts::Language language =
        line.language.value_or(texts::LanguageOf(platform::ProcessLocaleVariables()));
    if (line.help || line.wrong) {
        // Only words: the player's folders are not made for this.
        platform::UseCatalogue(texts::Domain, language,
                               platform::CatalogueFolder(platform::ExecutableFolder()));
        (line.wrong ? std::cerr : std::cout) << texts::Text(texts::TextId::GameUsage);
        return line.wrong ? 2 : 0;
    }
    // Decided before the display is opened: its error is the first text a player may read.
    platform::GameFolders folders = platform::GameFolders::OfThisGame(language);
    platform::UseCatalogue(texts::Domain, language, folders.LocaleFolder());
    std::unique_ptr<platform::Application> app;
    try {
        app = std::make_unique<platform::Application>();
    } catch (...) {
        std::cerr << texts::Compose(texts::TextId::CannotOpenDisplay, {texts::CurrentErrorText()})
                  << "\n";
        return 1;
    }
    // The message says what the game was doing when it failed.
    texts::TextId stage = texts::TextId::WhileStarting;
    try {
        TGLPanel::InitGlut(argc, argv);
        platform::FontCatalogue::RegisterAliases();
        platform::WatchTerminationSignals();
        if (folders.Problem()) {
            // The game still plays; the player learns why nothing will be kept.
            platform::MessageBox(texts::FolderMessage(*folders.Problem()));
        }
        TScrivelForm form(*app, std::move(folders));
        form.Show();
        stage = texts::TextId::WhilePlaying;
        app->Run();
    } catch (const platform::FatalError& error) {
        // The objects built so far are gone by now: the game data has saved its files.
        platform::MessageBox(error.what());
        return 1;
    } catch (...) {
        // The window is gone by now, its files written; the application still shows the box.
        platform::MessageBox(texts::Compose(texts::TextId::ErrorDuring,
                                            {texts::Text(stage), texts::CurrentErrorText()}));
        return 1;
    }
    return 0;
}
