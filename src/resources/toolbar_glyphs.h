#pragma once
// The toolbar glyphs and the program icon, drawn as figures on a 32-unit grid so they stay crisp at any
// size. Pure magenta marks transparent pixels.

#include "platform/pixel_buffer.h"

// The glyph of a bitmap resource id (1001 to 1029) or the icon (1) at size x size pixels; an empty
// image for ids without a glyph.
platform::PixelBuffer ToolbarGlyph(int id, int size);

constexpr platform::ColourRef GlyphTransparent = platform::Rgb(255, 0, 255);
