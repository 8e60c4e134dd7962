#include "model/player_file.h"

#include "platform/message_box.h"

#include <utility>

namespace scrivel {

PlayerFile::PlayerFile(std::string path, const platform::FileReader& read,
                       const std::string& fallback)
    : path_(std::move(path)) {
    using Outcome = platform::FileRead::Outcome;
    if (path_.empty()) {
        start_ = Start::NotKept;
        return;
    }
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
            platform::MessageBox("Impossible de créer le fichier : \n" + path_);
        }
        break;
    case Outcome::Failed:
        start_ = Start::Unreadable;
        platform::MessageBox("Impossible de lire le fichier : \n" + path_ + "\n(" + file.error +
                             ")\n" + fallback + "\nCe fichier ne sera pas remplacé.");
        break;
    }
}

bool PlayerFile::Save(std::string_view bytes) {
    if (start_ == Start::NotKept) {
        return false;
    }
    if (start_ == Start::Unreadable) {
        platform::Notice("Fichier non remplacé, car il n'a pas pu être lu au démarrage : \n" +
                         path_);
        return false;
    }
    const platform::FileWrite written = platform::WriteFileAtomically(path_, bytes);
    if (written) {
        return true;
    }
    const std::string text =
        "Impossible d'enregistrer le fichier : \n" + path_ + "\n(" + written.error + ")";
    if (failureShown_) {
        platform::Notice(text);
    } else {
        failureShown_ = true;
        platform::MessageBox(text);
    }
    return false;
}

} // namespace scrivel
