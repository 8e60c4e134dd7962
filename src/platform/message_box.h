#pragma once

#include <string>

namespace scrivel::platform {

// Shows text (UTF-8, line feeds honoured) to the player with one OK button and waits for it to be
// dismissed. Always written to stderr as well; with no display open, stderr is all there is. After
// SIGTERM or SIGHUP nobody is there to click OK, so the text goes to stderr only.
void MessageBox(const std::string& text);

// Writes text to stderr only: news the player need not stop for.
void Notice(const std::string& text);

// Where MessageBox shows its dialog besides stderr. The windowing layer's application registers
// itself here for as long as it lives, so that the game's rules can report a failure without
// depending on X11. nullptr removes the handler.
using MessageBoxHandler = void (*)(void* context, const std::string& text);
void SetMessageBoxHandler(MessageBoxHandler handler, void* context);

} // namespace scrivel::platform
