#pragma once
// The image behind a view window and the part of it waiting to be painted. Painting is clipped to the
// invalid area, erased to the background first when asked; the image keeps what was painted, so a
// window that is merely uncovered is shown again without painting.

#include "platform/pixel_buffer.h"
#include "platform/text_renderer.h"
#include "platform/window.h"

#include <optional>
#include <string>

namespace platform {

class ViewImage {
  public:
    ViewImage(Size size, ColourRef background);

    PixelBuffer& Image() { return image_; }
    const PixelBuffer& Image() const { return image_; }
    Rect Client() const { return {0, 0, image_.Width(), image_.Height()}; }
    void SetBackground(ColourRef colour) { background_ = colour; }
    ColourRef Background() const { return background_; }

    // Marks an area (nullptr: all) for painting; erase asks for the background first.
    void Invalidate(const Rect* area, bool erase);
    bool HasDirty() const { return dirty_.has_value(); }
    std::optional<Rect> Dirty() const { return dirty_; }
    // Whether the next paint erases its area to the background first.
    bool ErasePending() const { return dirty_.has_value() && erase_; }
    // Paints the invalid area through the handler and clears it. With `record` the calls of the paint
    // are kept, one line each (LastPaint); without, LastPaint is empty. Returns the area painted (empty
    // when there was none).
    Rect Paint(ViewHandler& handler, TextRenderer& text, bool record);
    const std::string& LastPaint() const { return lastPaint_; }
    // The area the last paint covered.
    Rect LastPaintedArea() const { return lastArea_; }
    // Moves the pixels by (dx, dy), marking the uncovered strips (erased) and moving the invalid area.
    void Scroll(int dx, int dy);
    // A new size: the shared part keeps its pixels; nothing is left marked.
    void Resize(Size size);

  private:
    PixelBuffer image_;
    PixelBuffer scratch_; // the copy a part of the image is painted on
    ColourRef background_;
    std::optional<Rect> dirty_;
    bool erase_ = false;
    std::string lastPaint_;
    Rect lastArea_;
};

} // namespace platform
