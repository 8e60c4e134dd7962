#pragma once

#include "platform/file_system.h"
#include "texts/texts.h"

#include <string>
#include <string_view>

namespace scrivel {

// One of the player's own files (options.ini, score.ini): read once at start-up, then replaced
// whole by each save. A file that is there but could not be read is never replaced: the defaults
// or an empty table saved over it would lose what it holds.
class PlayerFile {
public:
    enum class Start { Read, Created, Uncreatable, Unreadable, NotKept };

    // Reads path with read, after removing what saves of path killed midway left behind. An empty
    // path keeps nothing: nothing is read, created or written. A missing file is created empty; a
    // file that cannot be created, or that is there but cannot be read, is reported once in a
    // message box (naming the path and why); fallback tells the player what the game does instead.
    PlayerFile(std::string path, const platform::FileReader& read, texts::TextId fallback);

    const std::string& Path() const { return path_; }
    Start HowItStarted() const { return start_; }
    // The bytes read at start-up; empty unless HowItStarted() is Read.
    const std::string& Text() const { return text_; }

    // Replaces the file with bytes. An unreadable file is left alone (said on stderr). A failed
    // write is reported in a message box the first time and on stderr after, so a player who made
    // the file read-only is not stopped at every save. True when the bytes were written.
    bool Save(std::string_view bytes);

private:
    std::string path_;
    Start start_ = Start::Read;
    std::string text_;
    bool failureShown_ = false;
};

} // namespace scrivel
