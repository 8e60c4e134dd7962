#include "platform/bitmap.h"
#include "scene/model/height_map.h"
#include "scripted_random.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace scrivel {
namespace {

// A map of the given size with every corner at `fill`.
THeightMap Filled(int w, int h, float fill) {
    THeightMap map(w, h);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            map.Set(x, y, fill);
        }
    }
    return map;
}

TEST(THeightMap, ReadsOnlyTheBlueChannel) {
    struct Case {
        platform::Colour colour;
        float height;
    };
    for (const Case& c : {Case{{255, 255, 0}, 0.0f}, Case{{0, 0, 1}, 1 / 256.0f},
                          Case{{255, 255, 192}, 0.75f}, Case{{0, 0, 255}, 255 / 256.0f}}) {
        EXPECT_EQ(THeightMap::FromColour(c.colour), c.height) << int{c.colour.b};
    }
}

TEST(LayTiles, HeightClassesAndTheirDraws) {
    // The corners of a single cell, the scripted draws, and the tile and orientation expected. A
    // shore cell on the map's first row counts N2 as sea: its sea lies along -y.
    struct Case {
        const char* name;
        float a, b, c, d;
        std::vector<int> draws;
        int tile, orientation;
    };
    const float step = 1 / 256.0f;
    const Case cases[] = {{"sea: tile draw first", 0, 0, 0, 0, {18, 7}, 1, 3},
                          {"sea: 9 in 10 gives tile 0", 0, 0, 0, 0, {9, 2}, 0, 2},
                          {"three corners 0, one 1/256 is shore", 0, 0, step, 0, {1}, 10, 3},
                          {"blue 64 is still shore", 0.25f, 0.25f, 0.25f, 0.25f, {0}, 10, 3},
                          {"blue 192 is plain: orientation first", 0.75f, 0, 0, 0, {6, 11}, 17, 2},
                          {"blue 193 is mountain", 0.75f + step, 0, 0, 0, {3, 8}, 20, 3}};
    for (const Case& c : cases) {
        THeightMap map(2, 2);
        for (const auto& [x, y, height] :
             {std::tuple{0, 0, c.a}, {1, 0, c.b}, {1, 1, c.c}, {0, 1, c.d}}) {
            map.Set(x, y, height);
        }
        test::ScriptedRandom random(c.draws);
        const auto cells = LayTiles(map, std::ref(random));
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(std::pair(cells[0].tile, cells[0].orientation), std::pair(c.tile, c.orientation))
            << c.name;
        EXPECT_EQ(random.Draws(), c.draws.size()) << c.name;
    }
}

TEST(LayTiles, BeachWithoutSeaDrawsFlipThenOrientationThenTile) {
    // 2 x 2 shore cells: those on row 0 see sea at -y (one draw), the others none (three draws).
    test::ScriptedRandom random({0, 1, 6, 5, 0, 0, 3, 1});
    const auto cells = LayTiles(Filled(3, 3, 0.125f), std::ref(random));
    EXPECT_EQ(random.Draws(), 8u);
    EXPECT_EQ(
        (std::vector{cells[1].orientation, cells[1].tile, cells[3].orientation, cells[3].tile}),
        (std::vector{2, 8, 3, 7}));
}

using Sides = std::array<bool, 4>; // N1 (x - 1), N2 (y - 1), N3 (x + 1), N4 (y + 1)

// A 4 x 4 map of shore corners whose middle cell (1, 1) has sea on the given sides.
THeightMap ShoreWithSea(const Sides& sides) {
    THeightMap map = Filled(4, 4, 0.125f);
    const std::pair<int, int> neighbours[] = {{0, 1}, {1, 0}, {2, 1}, {1, 2}};
    for (int i = 0; i < 4; ++i) {
        const auto [x, y] = neighbours[i];
        for (int corner = 0; corner < 4 && sides[i]; ++corner) {
            map.Set(x + corner % 2, y + corner / 2, 0);
        }
    }
    return map;
}

TEST(LayTiles, NeighbourFlagsCarryOverBetweenShoreCells) {
    // Only cell (2, 2) is sea. Shore cell (1, 2) sees it at +x; the next shore cell, (2, 0) on the
    // last column, cannot look at +x and keeps that N3, so with N2 (first row) it becomes a
    // headland turned to -y and +x instead of a plain shore along -y.
    THeightMap map = Filled(4, 4, 0.125f);
    for (const auto& [x, y] : {std::pair{2, 2}, {3, 2}, {3, 3}, {2, 3}}) {
        map.Set(x, y, 0.0f);
    }
    const auto cells = LayTiles(map);
    const TTileChoice& carried = cells[2 * 3 + 0];
    ASSERT_EQ(carried.x, 2);
    EXPECT_TRUE(carried.tile == 5 || carried.tile == 11) << carried.tile;
    EXPECT_EQ(carried.orientation, 1);
}

// Whether the bank's tile shows water at cell-local (u along x, v along y), through the
// orientation's texture rectangle and the transposed upload: texel (s, t) is bank pixel
// (column t, row s) of the tile.
bool WaterAt(const platform::Bitmap& bank, const TTileChoice& cell, double u, double v) {
    const auto [s0, t0, s1, t1] = OrientationRect(cell.orientation);
    const double s = s0 + u * (s1 - s0);
    const double t = t0 + v * (t1 - t0);
    const int column = (cell.tile % 6) * 65 + 1 + static_cast<int>(t * 63.99);
    const int row = (cell.tile / 6) * 65 + 1 + static_cast<int>(s * 63.99);
    const std::uint32_t pixel = bank.Pixel(column, row);
    return ((pixel >> 16) & 0xFF) > (pixel & 0xFF);
}

TEST(LayTiles, TheBanksShoresFaceTheSea) {
    const platform::Bitmap bank =
        platform::Bitmap::LoadBmp(std::string(SCRIVEL_GAME_DIR) + "Graphics/texbank1_64.bmp");
    const Sides cases[] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1},
                           {1, 0, 0, 1}, {1, 1, 0, 0}, {0, 1, 1, 0}, {0, 0, 1, 1}};
    for (const Sides& sea : cases) {
        for (int seed = 0; seed < 4; ++seed) { // both headland tiles, several flips elsewhere
            std::srand(static_cast<unsigned>(seed));
            const TTileChoice middle = LayTiles(ShoreWithSea(sea))[1 * 3 + 1];
            const Sides water = {WaterAt(bank, middle, 0.08, 0.5), WaterAt(bank, middle, 0.5, 0.08),
                                 WaterAt(bank, middle, 0.92, 0.5),
                                 WaterAt(bank, middle, 0.5, 0.92)};
            EXPECT_EQ(water, sea) << "sides -x -y +x +y, tile " << middle.tile;
        }
    }
}

} // namespace
} // namespace scrivel
