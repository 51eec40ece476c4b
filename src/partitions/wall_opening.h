#pragma once
// The opening in an external wall, built once the window tool has found the wall and the insertion
// point. The wall itself is never changed: the opening is a four-cornered polygon filled with the
// background colour, stored after the wall so that it is painted over it, with a glazing or
// garage-door line, the size label and the door joinery by type, all under one new object number.

#include "platform/device_context.h"
#include "platform/geometry.h"

class TWindowobjtool;

// Builds the opening of the tool's type at (InsertX, InsertY) in the wall at WallIndex (mode 0), then
// saves the drawing. The tool takes the wall's thickness and angle and a new object number; its kind
// is 1 while the objects are made and comes back afterwards.
void PrepareWallOpening(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client,
                        int mode);

// The objects of the opening: the background polygon between the opening's ends and the inner face
// (its outer corners a quarter of the thickness outside the wall for a cill), the glazing line at
// mid-wall of a window or the line of a garage door a third into the wall, the size label of a window,
// and the leaves and swings of the doors. Shown at once and appended; the caller saves.
void BuildWallOpening(TWindowobjtool& tool, platform::DeviceContext& dc, const platform::Rect& client);

// The type the building steps act on: the dialog's codes as they are, 2 as a window, and 11, 12, 16
// to 19 as 1, 2, 6 to 9.
int BuildingType(int openingType);
