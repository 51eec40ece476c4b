#pragma once
// The entry points that put one drawing object on a device context: the view's TObject::Paint and
// TObject::PaintMapped (declared with the objects), the printer's PrintObject and the bitmap export's
// PaintObjectScaled. Each chooses the pen from the object's type code, pen width and style, the
// overlay flag and the display mode, then runs the object's own drawing operation. Also the two point
// copies that the polygon and wall makers share.

#include "model/drawing_objects.h"
#include "platform/gdi_types.h"

#include <string_view>

namespace platform {
class DeviceContext;
}

// The font every text and room label is drawn with: the face, height (logical units), escapement
// (tenths of a degree) and weight given, variable pitch, proof quality, the ANSI set.
platform::Font TextFont(std::string_view face, int height, int escapement, int weight);

// Type codes that take part in the choice of pen and operation.
bool IsTextType(int type);            // 4, 24, 34 to 37: they choose their own font and colour
bool IsWallType(int type);            // 1000 external, 1500 internal
bool IsDottedOutlineType(int type);   // 131 to 149 and 500: drawn dotted
bool IsDimensionOrTextType(int type); // texts and both kinds of dimension arrow (25000, 26000)

// Prints one object on a page the printer has prepared: as TObject::Paint with flag 0, but with pen
// width 2 for thick objects and 1 for every other width (times PenWidthFactor, the print line weight),
// the object's own colour, and no special pen for rooms.
void PrintObject(const TObject& object, platform::DeviceContext& dc);

// Paints one object into the exported bitmap through its DrawScaled operations, with x mapped to
// x / divisor - BitmapLeft and y to (height - y) / divisor + offset. Pens take the object's own
// width (widths above 2 divided by Scale) and colour. `unused` is accepted and ignored.
void PaintObjectScaled(const TObject& object, platform::DeviceContext& dc, int unused, int divisor,
                       int height, int offset);

// Sets all MaxPoints destination values to 0, then copies the first `count` source values (at most
// MaxPoints). The object is not used.
void CopyPoints(const TObject* object, const int* source, int count, int (&destination)[TPolyobj::MaxPoints]);
// Copies the four values of an end-point set (x1, y1, x2, y2). The object is not used.
void CopyQuad(const TObject* object, const int* source, int* destination);
