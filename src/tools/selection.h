#pragma once
// The selection of the move family and what it does to the drawing: selecting the objects inside the
// tool's rectangle, the reference point, drawing one selected object, and moving and turning the
// selection. The selection is the list indices of CFG\COPY.CFG (settings/selection_files.h); every
// step reads them again and stops at the first one that no longer names an object. Moves and turns
// change DrawingList only: the view stores them on Enter, and a repaint before that shows the stored
// drawing. The screen is updated object by object: each object drawn over in the background colour
// at its old place, then in its own colour at the new place.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TMoveobjtool;
class TObject;

// Selects the objects of the current view lying strictly inside the rectangle from (AnchorX, AnchorY)
// to (RefX, RefY), in list order, and writes them as the new selection with the offset point: the
// rectangle's lower-left corner, or its centre for the copy tool. Walls, rooms and information records
// are never selected, but the erase tool takes internal walls; openings count on every view. Leaves
// the normalised rectangle in SelLeft...SelTop, the tool in state 2, FillMode 1. Nothing while
// printing.
void SelectInRectangle(TMoveobjtool& tool);
// Whether one object is selected by the rectangle (SelLeft...SelTop, normalised), by the rules above.
bool SelectedByRectangle(const TMoveobjtool& tool, const TObject& object);

// The selection's objects take the tool's offset point (AnchorX, AnchorY) as their reference point
// again, where the tool has moved it with the drawing since the selection was written (a window
// reshaped behind a box). The selection files are written only when a point changed.
void KeepSelectionOffsetPoint(const TMoveobjtool& tool);

// The click (client pixels) becomes the reference point; the tool stops waiting for one.
void SetReferencePoint(TMoveobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                       int y);
// The click becomes the target, and the selection is drawn over in the background colour where it is.
void BlankSelection(TMoveobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                    int y);
// Draws the object at `index` of DrawingList as a selected object, on a context with the view mapping
// set: a pen of `colour`, the object's pen width times Scale, and `style`; texts in their own font;
// polygons filled by the tool's FillMode. Openings, rooms, walls and information records are not
// drawn.
void DrawSelectedObject(TMoveobjtool& tool, platform::DeviceContext& dc, int index,
                        platform::ColourRef colour, int style);
// Moves the selection by the distance from the reference point to the click and draws it there; the
// click becomes the reference point and the mouse cursor goes to it.
void MoveSelection(TMoveobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                   int y);
// Turns the selection clockwise about the reference point by RotationStep degrees, after blanking it
// (`x`, `y` go to BlankSelection), and draws it at its new place. Shapes stay axis-aligned between
// their turned corners; a text turns its direction and orientation.
void RotateSelection(TMoveobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client, int x,
                     int y);

// One point turned clockwise by `degrees` about `pivot`, as the selection turns: pi taken as 3.14159,
// and the results truncated, so 0 degrees still shifts a point by a unit while 360 leaves it alone.
platform::Point TurnPoint(platform::Point point, platform::Point pivot, int degrees);
// The orientation (tenths of a degree) a text takes when turned by `degrees`, and its direction (x2).
int TurnedTextOrientation(int orientation, int degrees);
int TurnedTextDirection(int direction, int degrees);
