#include "model/player_file.h"

#include "platform/message_box.h"
#include "texts/platform_words.h"

#include <utility>

namespace scrivel {

PlayerFile::PlayerFile(std::string path, const platform::FileReader& read, texts::TextId fallback)
    : path_(std::move(path)) {
    using Outcome = platform::FileRead::Outcome;
    if (path_.empty()) {
        start_ = Start::NotKept;
        return;
    }
    // Saves that were killed midway left their temporary files beside this one.
    platform::RemoveStaleTemporaries(path_);
    platform::FileRead file = read(path_);
    switch (file.outcome) {
    case Outcome::Read:
        text_ = std::move(file.bytes);
        break;
    case Outcome::Missing:
        if (platform::CreateEmptyFile(path_)) {
            start_ = Start::Created;
        } else {
            start_ = Start::Uncreatable;
            platform::MessageBox(texts::Compose(texts::TextId::CannotCreateFile, {path_}));
        }
        break;
    case Outcome::Failed:
        start_ = Start::Unreadable;
        platform::MessageBox(
            texts::Compose(texts::TextId::CannotReadFile,
                           {path_, texts::Reason(file.error), texts::Text(fallback)}));
        break;
    }
}

bool PlayerFile::Save(std::string_view bytes) {
    if (start_ == Start::NotKept) {
        return false;
    }
    if (start_ == Start::Unreadable) {
        platform::Notice(texts::Compose(texts::TextId::FileNotReplaced, {path_}));
        return false;
    }
    const platform::FileWrite written = platform::WriteFileAtomically(path_, bytes);
    if (written) {
        return true;
    }
    const std::string text =
        texts::Compose(texts::TextId::CannotSaveFile, {path_, texts::Reason(written.error)});
    if (failureShown_) {
        platform::Notice(text);
    } else {
        failureShown_ = true;
        platform::MessageBox(text);
    }
    return false;
}

} // namespace scrivel
