#include "scene/height_field.h"

#include "platform/bitmap.h"
#include "scene/texel_image.h"
#include "scene/texture_mg.h"

#include <GL/gl.h>
#include <algorithm>

namespace scrivel {

namespace {

THeightMap ReadHeights(const std::string& path) {
    const platform::Bitmap bitmap = LoadBitmapOrDie(path);
    THeightMap map(bitmap.Width(), bitmap.Height());
    for (int x = 0; x < map.Width(); ++x) {
        for (int y = 0; y < map.Height(); ++y) {
            map.Set(x, y,
                    THeightMap::FromColour(platform::Colour::FromWindows(bitmap.Pixel(x, y))));
        }
    }
    return map;
}

} // namespace

TNHeightField::TNHeightField(const std::string& fileName, TTextureMg* textureBank,
                             float heightScale, float xSpacing, float zSpacing)
    : textureBank_(textureBank), heightScale_(heightScale), xSpacing_(xSpacing),
      zSpacing_(zSpacing), heights_(ReadHeights(fileName)), tiles_(LayTiles(heights_)) {
    BuildList();
}

TNHeightField::~TNHeightField() = default;

void TNHeightField::BuildList() {
    displayList_.BeginCompile();
    const auto w = static_cast<float>(heights_.Width());
    const auto h = static_cast<float>(heights_.Height());
    glTranslatef(-w * xSpacing_ * 0.5f, -0.5f * heightScale_, -h * zSpacing_ * 0.5f);
    // Cells sharing a tile are drawn together: one bind per tile instead of one per cell. The
    // tiles are opaque and depth-tested, so the order leaves the picture unchanged.
    std::vector<TTileChoice> byTile = tiles_;
    std::stable_sort(byTile.begin(), byTile.end(),
                     [](const TTileChoice& a, const TTileChoice& b) { return a.tile < b.tile; });
    for (std::size_t i = 0; i < byTile.size();) {
        const int tile = byTile[i].tile;
        textureBank_->Bind(tile, TextureEnv::Modulate);
        glBegin(GL_QUADS);
        for (; i < byTile.size() && byTile[i].tile == tile; ++i) {
            const int x = byTile[i].x;
            const int y = byTile[i].y;
            const auto x0 = static_cast<float>(x) * xSpacing_;
            const auto x1 = static_cast<float>(x + 1) * xSpacing_;
            const auto z0 = static_cast<float>(y) * zSpacing_;
            const auto z1 = static_cast<float>(y + 1) * zSpacing_;
            const auto [s0, t0, s1, t1] = OrientationRect(byTile[i].orientation);
            glTexCoord2f(s0, t0);
            glVertex3f(x0, heights_.At(x, y) * heightScale_, z0);
            glTexCoord2f(s1, t0);
            glVertex3f(x1, heights_.At(x + 1, y) * heightScale_, z0);
            glTexCoord2f(s1, t1);
            glVertex3f(x1, heights_.At(x + 1, y + 1) * heightScale_, z1);
            glTexCoord2f(s0, t1);
            glVertex3f(x0, heights_.At(x, y + 1) * heightScale_, z1);
        }
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
    displayList_.EndCompile();
}

void TNHeightField::Draw() const {
    glPushMatrix();
    material_.Apply();
    displayList_.Call();
    glPopMatrix();
}

} // namespace scrivel
