#pragma once

#include "platform/bitmap.h"

#include <optional>
#include <string>

namespace scrivel {

class TTavrinControl;

// Skins fail in silence: a skin picture, mask or button bitmap that is missing or cannot be
// decoded is never reported; the skin is refused (the plain framed window plays) or the button
// keeps its look. Every skin file is loaded through these two, the one place that turns such a
// failure into that fallback.

// The picture at path (".bmp" or ".jpg"); nothing when it is missing, named otherwise or cannot
// be decoded.
std::optional<platform::Bitmap> LoadSkinPicture(const std::string& path);

// Gives control the button bitmap at path; false, leaving the control as it was, when the file
// cannot be decoded. A missing file also leaves it as it was.
bool LoadSkinButton(TTavrinControl& control, const std::string& path);

} // namespace scrivel
