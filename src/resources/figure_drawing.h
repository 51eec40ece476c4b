#pragma once
// Small pictures drawn as figures on a grid of units stretched over the image, so the same figure is
// crisp at any pixel size: the toolbar glyphs and the pictures of the dialogs.

#include "platform/device_context.h"
#include "platform/pixel_buffer.h"

#include <functional>

namespace figure {

using Painter = std::function<void(platform::DeviceContext&)>;

// An image of width x height pixels filled with `background`, with `paint` drawn over it on a grid of
// gridWidth x gridHeight units. Drawing is not antialiased: every line is whole pixels.
platform::PixelBuffer DrawOnGrid(int width, int height, int gridWidth, int gridHeight,
                                 platform::ColourRef background, const Painter& paint);

void Line(platform::DeviceContext& dc, int x1, int y1, int x2, int y2);
// Selects a pen; the width is in grid units, so it grows with the image.
void Use(platform::DeviceContext& dc, platform::ColourRef colour, int width = 2,
         platform::PenStyle style = platform::PenStyle::Solid);
void Hollow(platform::DeviceContext& dc);
void Filled(platform::DeviceContext& dc, platform::ColourRef colour);
// A small head at (x, y) pointing along (dx, dy), one of the axes.
void ArrowHead(platform::DeviceContext& dc, int x, int y, int dx, int dy);

} // namespace figure
