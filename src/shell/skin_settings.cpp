#include "shell/skin_settings.h"

#include "platform/ini_file.h"

#include <algorithm>

namespace scrivel {

SkinSettings SkinSettings::Read(const platform::IniFile& ini, int index) {
    const std::string section = "Skin" + std::to_string(index);
    const auto integer = [&](const std::string& key, int def) {
        return ini.ReadInteger(section, key, def);
    };
    SkinSettings s;
    s.PanelLeft = integer("PanelLeft", 0);
    s.PanelTop = integer("PanelTop", 0);
    s.PanelWidth = integer("PanelWidth", 0);
    s.PanelHeight = integer("PanelHeight", 0);
    s.TitleLeft = integer("TitleLeft", 0);
    s.TitleTop = integer("TitleTop", 0);
    s.TitleWidth = integer("TitleWidth", 0);
    s.TitleHeight = integer("TitleHeight", 0);

    s.Font.name = ini.ReadString(section, "FontName", "Arial");
    s.Font.style = platform::FontStyle::Regular;
    if (integer("FontItalic", 0) != 0) {
        s.Font.style = s.Font.style | platform::FontStyle::Italic;
    }
    if (integer("FontBold", 0) != 0) {
        s.Font.style = s.Font.style | platform::FontStyle::Bold;
    }
    s.Font.size = std::clamp(integer("FontSize", 16), kMinFontSize, kMaxFontSize);
    // Stored as Windows colour numbers; the top byte is not a colour.
    const auto colour = [&](const char* key) {
        return platform::Colour::FromWindows(static_cast<std::uint32_t>(integer(key, 0xFFFFFF)));
    };
    s.Font.colour = colour("FontColor");
    s.Border = integer("BorderColor", 0) != 0;
    s.BorderColor = colour("FontColor");

    s.CloseBLeft = integer("CloseBLeft", 0);
    s.CloseBTop = integer("CloseBTop", 0);
    s.ReduceBLeft = integer("ReduceBLeft", 0);
    s.ReduceBTop = integer("ReduceBTop", 0);
    for (int b = 0; b < ButtonCount; ++b) {
        const std::string key = kButtonKeys[static_cast<std::size_t>(b)];
        ButtonSetting& button = s.Buttons[static_cast<std::size_t>(b)];
        button.left = integer(key + "Left", 0);
        button.top = integer(key + "Top", 0);
        button.name = ini.ReadString(section, key + "Name", "");
        if (button.name.find('/') != std::string::npos) {
            button.name.clear();
        }
    }
    return s;
}

} // namespace scrivel
