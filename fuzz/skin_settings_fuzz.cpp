// Any bytes as skin.ini, read as the main form reads it, section Skin0 to Skin4: font sizes and
// colours stay in range and no button name leaves the Skins folder.
#include "fuzz_file.h"
#include "platform/ini_file.h"
#include "shell/skin_settings.h"

using scrivel::SkinSettings;
using scrivel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static scrivel::fuzz::MemoryFile file;
    const scrivel::platform::IniFile ini(file.Hold(data, size));
    for (int index = 0; index < 5; ++index) {
        const SkinSettings s = SkinSettings::Read(ini, index);
        Require(s.Font.size >= SkinSettings::kMinFontSize &&
                    s.Font.size <= SkinSettings::kMaxFontSize,
                "the title's font size is in range");
        using scrivel::platform::Colour;
        Require(Colour::FromWindows(s.Font.colour.Windows()) == s.Font.colour &&
                    s.BorderColor.Windows() <= 0xFFFFFF,
                "colours keep their channels through their 0x00BBGGRR form");
        for (const auto& button : s.Buttons) {
            Require(button.name.find('/') == std::string::npos,
                    "a button's bitmap stays inside Skins/");
        }
    }
    return 0;
}
