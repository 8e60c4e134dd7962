#pragma once

#include "platform/bitmap.h"

// The scenery's texture bank, Graphics/texbank1_64.bmp: 6 x 6 tiles of 64 x 64 pixels laid out as
// platform::kTextureBankSheet says.
//
// The landscape cuts a tile's picture transposed: its texture coordinate s runs down the picture's
// rows and t along its columns, and it flips tiles at random without ever turning them a quarter.
// So in every tile the picture's vertical axis lies along the map's x axis, and the sea side of
// each shore tile is fixed by the neighbour rule: tile 9 has its water along the top, tile 10 along
// the right, tiles 5 and 11 along both (a headland), tiles 6 to 8 are beach without open water.
// Tiles of one kind share the same picture along their edges, which read the same both ways, so
// they join without seams however they are flipped.
namespace scrivel::graphics {

// 0-1 open sea, 5-11 shore, 12-17 plain, 18-23 mountain, 30-31 feathers, the rest filler.
platform::Bitmap MakeTextureBank();

// A top view of the island of a height map tiled by the landscape's own rule (tile and flip by
// height and by neighbouring sea), so that a person can check that shores face the sea.
platform::Bitmap MakeTerrainPreview(const platform::Bitmap& bank, const platform::Bitmap& heights);

} // namespace scrivel::graphics
