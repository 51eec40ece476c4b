#pragma once
// The chain of units of a drawing view: drawing units, logical units (drawing units / Scale) and the
// device pixels of the client area. The mapping lives in the shared globals Scale, Zoom, ClientWidth,
// ClientHeight, ScrollX and ScrollY; these operations apply it to a device context and convert single
// points with it.

#include "platform/device_context.h"
#include "platform/geometry.h"

// Makes dc draw in logical units with y growing upwards: isotropic mapping of the window
// (ClientWidth x ClientHeight at ScrollX, ScrollY) onto the client rectangle, its origin at the
// client's lower-left corner.
void SetViewMapping(platform::DeviceContext& dc, const platform::Rect& client);

// A client pixel to logical units. The mapping is applied to dc first, so a fresh context needs no
// preparation. The outputs are always written.
void DeviceToLogical(platform::DeviceContext& dc, const platform::Rect& client, int x, int y, int& logicalX,
                     int& logicalY);

// A logical point to client pixels, with the mapping applied to dc first. The outputs are always written.
void LogicalToDevice(platform::DeviceContext& dc, const platform::Rect& client, int logicalX, int logicalY,
                     int& x, int& y);

// Scale, Zoom and PenWidthFactor of the screen for the drawing's units: 5, 5.0 and 5 when metric,
// 6, 6.0 and 4 in feet and inches.
void SetScreenScale();
