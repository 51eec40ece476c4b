#pragma once
// The text renderer gives a raster surface the pixels and measures of text, so the surface itself
// stays portable. The Qt backend supplies one over the system's fonts; tests may supply their own.

#include "platform/gdi_types.h"
#include "platform/surface.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

// A text's pixels, on or off (never antialiased), drawn along its baseline at the font's angle.
// Mask pixel (x, y) lands on device pixel (originX' + x - originX, originY' + y - originY) when the
// start of the baseline is at device pixel (originX', originY'): for upright text the rows above
// originY hold the ascent and the rows from originY down the descent.
struct TextMask {
    int width = 0;
    int height = 0;
    int originX = 0;
    int originY = 0;
    int advance = 0; // the text's width along its baseline, pixels

    // The ink, as runs of one row, [x0, x1) within the width: row by row from the top, left to right
    // in a row, each as long as it goes (two runs of a row never touch).
    struct Run {
        int y = 0;
        int x0 = 0;
        int x1 = 0;
    };
    std::vector<Run> runs;
};

class TextRenderer {
  public:
    virtual ~TextRenderer() = default;

    // Cell height (ascent + descent, equal to font.cellHeight), ascent, descent, leading and character
    // widths in pixels.
    virtual TextMetrics Metrics(const DeviceFont& font) = 0;
    // The width in pixels of a text along its baseline.
    virtual int Advance(const DeviceFont& font, std::string_view text) = 0;
    // The text's pixels with its baseline at font.angleTenths, counter-clockwise as seen. The text is
    // single bytes in the Windows-1252 code page. The mask stays valid while the caller holds it.
    virtual std::shared_ptr<const TextMask> Render(const DeviceFont& font, std::string_view text) = 0;
    // A distance in pixels from the start of the baseline that holds every pixel the text can light and
    // its advance, at any angle: what a surface may skip the text by without rendering it. By default
    // three character cells a character, as no glyph is wider.
    virtual int Reach(const DeviceFont& font, std::string_view text);
};

} // namespace platform
