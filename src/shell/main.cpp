// Scrivel: start-up, the main window, the message loop.
#include "platform/application.h"
#include "platform/font_catalogue.h"
#include "platform/message_box.h"
#include "platform/termination.h"
#include "shell/gl_panel.h"
#include "shell/scrivel_form.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    using namespace scrivel;
    std::unique_ptr<platform::Application> app;
    try {
        app = std::make_unique<platform::Application>();
    } catch (const std::exception& error) {
        std::cerr << "Scrivel : impossible d'ouvrir l'affichage X11 (" << error.what() << ").\n";
        return 1;
    }
    try {
        TGLPanel::InitGlut(argc, argv);
        platform::FontCatalogue::RegisterAliases();
        platform::WatchTerminationSignals();
        TScrivelForm form(*app);
        form.Show();
        app->Run();
    } catch (const std::exception& error) {
        platform::MessageBox(std::string("Scrivel : erreur au démarrage.\n") + error.what());
        return 1;
    }
    return 0;
}
