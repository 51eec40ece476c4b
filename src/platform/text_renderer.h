#pragma once
// The text renderer gives a raster surface the pixels and measures of text, so the surface itself
// stays portable. The Qt backend supplies one over the system's fonts; tests may supply their own.

#include "platform/gdi_types.h"
#include "platform/surface.h"

#include <cstddef>
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

// A text's ink in pieces, for a surface that paints every ink pixel in one colour: each piece a run
// list whose (0, 0) lies (x, y) pixels from the start of the baseline. Pieces may overlap; together
// they light the pixels of the text's mask. The box [left, right) x [top, bottom), from the start of
// the baseline too, is the mask's.
struct TextInk {
    struct Piece {
        const TextMask::Run* runs = nullptr;
        std::size_t count = 0;
        int x = 0;
        int y = 0;
    };
    int advance = 0; // as the mask's
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    std::vector<Piece> pieces;
    std::shared_ptr<const TextMask> mask; // holds the runs of a piece that is a whole mask
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
    // single bytes in the Windows-1252 code page. The mask (never null) stays valid while the caller
    // holds it.
    virtual std::shared_ptr<const TextMask> Render(const DeviceFont& font, std::string_view text) = 0;
    // A distance in pixels from the start of the baseline that holds every pixel the text can light and
    // its advance, at any angle: what a surface may skip the text by without rendering it. By default
    // three character cells a character, as no glyph is wider.
    virtual int Reach(const DeviceFont& font, std::string_view text);
    // The text's pixels as Render gives them, in pieces that may cost less to make than the mask; valid
    // until the next call on the renderer. By default the mask of Render as one piece.
    virtual const TextInk& Ink(const DeviceFont& font, std::string_view text);

  protected:
    TextInk ink_; // what Ink last gave
};

} // namespace platform
