#pragma once
// What the tools share besides their base class: turning client pixels into drawing units and back,
// putting the system cursor on a drawing point, the exclusive-or pen of rubber bands and outlines, and
// the last steps of making an object (common fields, show, append, save).

#include "model/drawing_objects.h"
#include "platform/device_context.h"
#include "platform/geometry.h"

#include <memory>

class TDrawingtool;

namespace tool_support {

// Scale as a divisor: drawing units per logical unit, 1 while no drawing has set it.
int ScaleDivisor();

// A value held inside the int range (coordinates moved by a typed length or doubled for a box).
int Clamped(long long value);

// A coordinate a tool or the view holds, moved with the drawing to another sheet centre; 0, the mark
// of a coordinate not set, stays 0. MoveBox moves a box held as x from, x to, y from, y to.
void MoveCoordinate(int& value, long long by);
void MoveBox(int* box, long long dx, long long dy);

// A client pixel in logical units, with the view mapping set on dc.
platform::Point ToLogical(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
// A client pixel in drawing units (logical units times Scale), with the view mapping set on dc.
platform::Point ToDrawingUnits(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);

// Puts the system cursor on a point in drawing units of the tool's view: divided by Scale, mapped to
// client pixels, then to the screen. Nothing moves while the tool knows no view.
void PutCursorOn(const TDrawingtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                 int y);

// The exclusive-or pen of a rubber band or outline for as long as the object lives: the pen shows its
// colour over the view's background, and drawing a figure twice leaves every pixel as it was. The
// gaps of a styled pen leave the drawing alone. The pen selected before comes back at the end; the
// raster operation stays exclusive-or.
class ExclusiveOrPen {
  public:
    ExclusiveOrPen(platform::DeviceContext& dc, platform::ColourRef colour,
                   platform::PenStyle style = platform::PenStyle::Dot, int width = 1);
    ~ExclusiveOrPen();
    ExclusiveOrPen(const ExclusiveOrPen&) = delete;
    ExclusiveOrPen& operator=(const ExclusiveOrPen&) = delete;

  private:
    platform::DeviceContext& dc_;
    platform::Pen previous_;
};

// The fields every object takes from the tool that makes it: view code, group, number, type (the
// tool's kind), pen, gesture and colour.
void FillCommonFields(TObject& object, const TDrawingtool& tool);

// A new object shown at once on the view, appended to the drawing list and saved with the drawing.
void ShowAndKeep(std::unique_ptr<TObject> object, platform::DeviceContext& dc, const platform::Rect& client);

// The tool's start and end differ in x or y.
bool StartDiffersFromEnd(const TDrawingtool& tool);

// The bearing of a slanting segment in tenths of a degree from its run dx and rise dy (both above 0):
// the angle off the vertical in thousandths of a degree, truncated, then rounded to tenths.
int SlantBearing(long long dx, long long dy);

} // namespace tool_support
