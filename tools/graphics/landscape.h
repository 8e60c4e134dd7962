#pragma once

#include "platform/bitmap.h"

// The pictures of the background scenery: the island's height map, the sun, the plate under the
// board and the volcano's rock. Every texture is uploaded transposed (texture coordinate s runs
// down the picture's rows, t along its columns), so each picture is drawn with that in mind.
namespace scrivel::graphics {

// Graphics/heightfield2.bmp, 64 x 64: the blue channel is the height (0 sea, up to 64 shore, up to
// 192 plain, above that mountain); red and green only tint it for people. Pixel column x lies at
// scene x = 1.5 x - 48, pixel row y at scene z = 1.5 y - 48, and blue h at height 15 h / 256 - 7.5.
// Low ground lies under and in front of the board (the cameras look past it), a ridge and the
// volcano's lowland behind, mountains to the sides, sea at every border.
platform::Bitmap MakeHeightField();

// A shaded map of the island for people, with the board, its plate, the volcano and the cameras
// marked on it.
platform::Bitmap MakeHeightFieldPreview(const platform::Bitmap& heights);

// Graphics/sun.bmp, 64 x 64 of nearly one warm colour: the sphere has no texture coordinates, so
// it shows a single texel, whichever it is.
platform::Bitmap MakeSun();

// Graphics/ground4001.bmp, 400 x 400 flagstones with a kerb. The plate is 8 units along x and 4
// along z, so the picture's rows run along x at 50 pixels a unit and its columns along z at 100.
platform::Bitmap MakeGround();

// The plate as it lies in the scene (x to the right, z downwards), for people.
platform::Bitmap MakeGroundPreview(const platform::Bitmap& ground);

// Graphics/volcano.bmp, 400 x 400 rock. The cones take t = 0 at their apex and t = 1 at their
// foot, s round the ring: the picture's left edge is the summit, its right edge the foot, and its
// rows wrap round the cone, so it repeats from bottom to top. The crater fins read the left column.
platform::Bitmap MakeVolcano();

// A cone seen from above, apex in the middle, for people to judge the rock as it will lie.
platform::Bitmap MakeVolcanoPreview(const platform::Bitmap& rock);

} // namespace scrivel::graphics
