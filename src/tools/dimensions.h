#pragma once
// Dimensions. The automatic ones of a floor (type-25000 arrows and type-34 texts) are thrown away and
// built again from its external walls whenever the floor is dimensioned; a manual dimension (two
// type-26000 arrows and a type-35 text) measures between two points the user marks with Enter. The
// arrows and the text of one dimension share one number, ObjectSerial taken without a floor base.
// TLineobjtool::AddDimension (line_tool.h) runs either by the tool's state.

#include "model/drawing_objects.h"
#include "platform/device_context.h"
#include "platform/geometry.h"
#include "settings/cfg_files.h"

#include <memory>
#include <string_view>

class DrawingView;
class TDrawingtool;

// Arrow sides: the tip is the left or right end of a horizontal dimension line, or the top or bottom
// end of a vertical one.
namespace arrow_side {
constexpr int Left = 'l';
constexpr int Right = 'r';
constexpr int Top = 't';
constexpr int Bottom = 'b';
} // namespace arrow_side

namespace dimension_geometry {
// Radians per tenth of a degree, as every stored dimension and line text was placed with it.
constexpr double RadiansPerTenth = 0.001745;
} // namespace dimension_geometry

// The dimension offsets and text sizes of the drawing's units; any Units but metric reads the
// feet-and-inches file.
DimensionSettings ReadDimensionOffsets();

// A dimension text (34 automatic, 35 manual, room size or line text) of the current view in the drawing
// colour, font and weight: `number` its object number, (anchor) its position and `alignment` its
// position code about it, `direction` the direction of the line it measures (tenths of a degree, kept
// in x2), `orientation` its escapement, `size` its points.
std::unique_ptr<TTextobj> MakeDimensionText(int type, int number, platform::Point anchor, int direction,
                                            int alignment, int orientation, std::string_view text, int size);
// Appends one axis-parallel arrow of a type (25000 automatic, 26000 manual and room dimensions) with
// its tip at (x, y), drawing units, on a side; it carries the tool's Number. The shaft is left in the
// tool's X1, Y1, X2, Y2 and its line style set to 0. Neither painted nor saved.
void AddDimensionArrow(TDrawingtool& tool, int type, int x, int y, int side);
// Appends the type-25000 arrow of one end of a slanting wall: (x, y) the wall's end (`end` 1 its
// first, 2 its second), `bearing` the wall's bearing and `quadrant` (1 to 4) its quarter of the compass,
// the tip `offset` units out on the wall's left. Side effects as AddDimensionArrow.
void AddAngledDimensionArrow(TDrawingtool& tool, int x, int y, int bearing, int quadrant, int end,
                             int offset);
// Deletes every automatic dimension arrow and text (25000, 34) of the current view in one pass; the
// other objects keep their order. Does not save.
void DeleteAutoDimensions();
// The overall dimensions of the current floor: one for each side of the house (top, right, bottom,
// left) along which two or more external walls step, `overallOffset` units out, showing the sum of
// their lengths. `orientation` 2700 turns the right and left texts; texts are `textSize` points.
void AddExtWallDimensionTexts(TDrawingtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                              int overallOffset, int orientation, int textSize);
// The manual dimension by the tool's state: 20 takes the first point (client pixels, snapped to a wall
// face or room edge), 21 the second with both arrows, painted at once and kept in the list, 22 makes the
// text of the tool's measured length (Extra1), paints it and saves the drawing. `orientation` 2700 turns
// a vertical dimension's text; the text is `textSize` points.
void AddManualDimension(TDrawingtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                        int y, int orientation, int textSize);
// The first external-wall face, internal-wall face or design-room edge of the current view, in list
// order, that lies within 30 units of (x, y): a vertical one's x goes to snappedX, a horizontal one's y
// to snappedY. Nothing is written when none is near.
void NearestWallPoint(int x, int y, int& snappedX, int& snappedY);
// Appends a type-26000 arrow as AddDimensionArrow does and paints it at once.
void AddManualDimensionArrow(TDrawingtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                             int x, int y, int side);

// Enter at the cursor (client pixels) while a manual dimension is under way: the point goes to the tool;
// after the second one the user confirms or gives the length ("Measurement" in millimetres, the
// feet-and-inches dialog otherwise), the text is made and the pick tool comes back.
void EnterMeasurement(DrawingView& view, int x, int y);
