#pragma once
// Which objects of the drawing list a view shows, in which order and whether as an overlay.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TList;

// Paints the objects of the current view (and, in the overlay display modes, of the floors flagged in
// the overlay settings) into a view's device context, after giving it the view's mapping. May change
// CurrentView in the overlay modes.
void PaintAll(const TList& list, platform::DeviceContext& dc, const platform::Rect& client);
