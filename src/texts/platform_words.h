#pragma once

#include <string>

namespace scrivel::platform {
struct FileError;
struct FolderProblem;
class ImageError;
} // namespace scrivel::platform

// The platform reports what went wrong as values; these put them into the player's words.
namespace scrivel::texts {

// Why a file could not be read or written, e.g. "accès refusé".
std::string Reason(const platform::FileError& error);

// The picture's reason, " :", a line feed and its path.
std::string ImageMessage(const platform::ImageError& error);

// Why the scores and options will not be kept.
std::string FolderMessage(const platform::FolderProblem& problem);

// The text of the exception being handled (call it inside a catch block), or a plain one when it
// carries none.
std::string CurrentErrorText();

} // namespace scrivel::texts
