#include "platform/exception_text.h"
#include "platform/message_box.h"
#include "platform/termination.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace scrivel::platform {
namespace {

// After SIGTERM or SIGHUP nobody is there to click OK: a save failing during that shutdown must not
// wait on a dialog. (In a child process: the signal's flag cannot be cleared.)
TEST(MessageBox, AfterATerminationSignalGoesToStderrOnly) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        EXPECT_EXIT(
            {
                SetMessageBoxHandler([](void*, const std::string&) { std::_Exit(2); }, nullptr);
                WatchTerminationSignals();
                std::raise(signal);
                MessageBox("Impossible d'enregistrer le fichier : \n/jeu/score.ini");
                std::_Exit(TerminationRequested() ? 0 : 3);
            },
            ::testing::ExitedWithCode(0),
            "Impossible d'enregistrer le fichier : \n/jeu/score\\.ini");
    }
}

TEST(CurrentExceptionText, AnExceptionWithoutAMessageGivesNothing) {
    const auto textOf = [](auto thrown) {
        try {
            throw thrown;
        } catch (...) {
            return CurrentExceptionText();
        }
    };
    EXPECT_EQ(textOf(std::runtime_error("GLX : pas de contexte")), "GLX : pas de contexte");
    EXPECT_EQ(textOf(std::runtime_error("")), "");
    EXPECT_EQ(textOf(42), "");
}

} // namespace
} // namespace scrivel::platform
