#pragma once

#include "scene/gl_display_list.h"
#include "scene/material.h"
#include "scene/model/height_map.h"

#include <string>

namespace scrivel {

class TTextureMg;

// The landscape: a height map's grid of corners turned into textured tiles of sea, shore, plain
// and mountain, compiled once into a display list, centred on the origin and lowered by half its
// height scale.
class TNHeightField {
public:
    // Needs a current GL context: loads the heights, lays the tiles (drawing from rand) and
    // compiles the list. A missing or unreadable map ends the program with the loader's message.
    TNHeightField(const std::string& fileName, TTextureMg* textureBank, float heightScale,
                  float xSpacing, float zSpacing);
    ~TNHeightField();
    TNHeightField(const TNHeightField&) = delete;
    TNHeightField& operator=(const TNHeightField&) = delete;

    void Draw() const;

private:
    void BuildList();

    TTextureMg* textureBank_ = nullptr; // shared, not owned
    TMaterial material_;
    float heightScale_;
    float xSpacing_;
    float zSpacing_;
    THeightMap heights_;
    std::vector<TTileChoice> tiles_;
    GlDisplayList displayList_;
};

} // namespace scrivel
