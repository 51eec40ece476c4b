#pragma once
// The pictures of the door types 1 to 8 that the door dialogs offer as radio buttons. Types 1 to 4 are
// doors in walls that run up the screen (1 and 2 on the wall's left face, 3 and 4 on its right face),
// 5 to 8 doors in walls that run across it (5 and 7 on the upper face, 6 and 8 on the lower face). The
// gap runs down from the hinge or jamb for types 1 and 3, up for 2 and 4, right for 5 and 6 and left
// for 7 and 8: each picture shows its door as the door tools draw it.

#include "platform/pixel_buffer.h"

// A hinged door: the leaf open at a right angle from its hinge and the dotted swing back to the wall.
// An empty image for a type outside 1 to 8 or a size below one pixel.
platform::PixelBuffer HingedDoorPicture(int type, int width, int height);
// A sliding door: the leaf beside the gap on the door's face, centred on the jamb it slides from,
// and an arrow along the wall it slides over.
platform::PixelBuffer SlidingDoorPicture(int type, int width, int height);

// The pictures' size in pixels on a screen at 100 %.
constexpr int DoorPictureSize = 48;

// The colours the pictures are drawn in, and no others: they are drawn without antialiasing.
namespace door_picture {
constexpr platform::ColourRef Paper = platform::Rgb(255, 255, 255);
constexpr platform::ColourRef WallFill = platform::Rgb(190, 190, 190);
constexpr platform::ColourRef Ink = platform::Rgb(32, 32, 32); // the wall's outline and the leaf
constexpr platform::ColourRef Swing =
    platform::Rgb(200, 40, 40); // a hinged leaf's swing, a sliding one's arrow
} // namespace door_picture
