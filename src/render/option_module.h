#pragma once

#include "scene/gl_object.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

class TFontTexMg;
class TOptionsData;

// The options screen: eight options as 3-D text, a title line and a value line each. Up and Down
// pick a row, Left, Right and Space change its value straight in the options, and the key
// handlers answer whether the scene must be rebuilt for the change.
class TOptionModule : public TGLObject {
public:
    static constexpr int RowCount = 8;
    static constexpr int GridRow = 0;
    static constexpr int SpeedRow = 1;
    static constexpr int MinWordRow = 2;
    static constexpr int RandomRow = 3;
    static constexpr int BackgroundRow = 4;
    static constexpr int TextureRow = 5;
    static constexpr int FontRow = 6;
    static constexpr int ColourRow = 7;

    static constexpr std::string_view Heading = "Options";
    static constexpr std::array<std::string_view, RowCount> Titles = {
        "Grille",   "Vitesse", "Taille minimale du mot", "Hasard des ", "Affichage du decors",
        "Textures", "Fonte",   "Couleur de fonte"};
    static constexpr std::array<std::string_view, 3> SpeedNames = {"Lent", "Normal", "Rapide"};
    static constexpr std::array<std::string_view, 2> RandomNames = {"mots", "lettres"};
    static constexpr std::array<std::string_view, 2> YesNo = {"Non", "Oui"};
    static constexpr std::array<std::string_view, 10> ColourNames = {
        "Blanc",  "Rouge", "Bleu", "Maron",   "Jaune",
        "Orange", "Vert",  "Gris", "Pourpre", "Multicolore"};

    // The fonts offered are those installed on the machine.
    TOptionModule(TFontTexMg* bank, TOptionsData& options);
    // The fonts offered are fonts, in that order.
    TOptionModule(TFontTexMg* bank, TOptionsData& options, std::vector<std::string> fonts);

    // Rebuilds Values from the options.
    void UpdateValues();
    // The heading and the eight rows; the selected value pulses, one step per call.
    void Draw();
    // Space changes the selected option to its next value; other characters change nothing.
    bool OnKeyPress(char key);
    // Left and Right change the selected option, Up and Down move the selection.
    bool OnKeyDown(int virtualKey);
    // One frame of the selected value's swelling.
    void StepPulse();

    float Pulse = 0.0f;
    bool Rising = true;
    TOptionsData* Options = nullptr; // not owned
    int Selected = 0;
    std::array<std::string, RowCount> Values;
    std::vector<std::string> Fonts;
    // Position in Fonts of the font chosen last here; it does not follow the stored option.
    int FontIndex = 0;
    TFontTexMg* Bank = nullptr; // not owned

private:
    enum class Change { Previous, Next };
    // Steps the selected option; true when the scene must be rebuilt.
    bool ChangeSelected(Change change);
    void DrawLine(std::string_view text, float x, float y, float width, float height);
};

} // namespace scrivel
