#pragma once
// The extents of a drawing as it is read, from which the bitmap export places what it paints. Only the
// outline-making objects count: lines, external walls, dimensions, arcs, shapes, texts (their anchor)
// and polygons; internal walls, openings, rooms and information records do not.

#include "model/drawing_objects.h"
#include "model/object_class.h"

struct DrawingExtents {
    // The starting values.
    int leastX = 30000;
    int greatestX = 0;
    int leastY = 30000;
    int greatestY = 0;

    // Widens the extents by the points of an object read as `objectClass` (absolute coordinates).
    void Include(const TObject& object, ObjectClass objectClass);
};

// Sets BitmapLeft, BitmapRight and BitmapHeight from the extents, in bitmap pixels of 24 drawing units
// (feet and inches, `units` 0) or 25 (metric), with a margin of 10 pixels; keeps the least and greatest y
// beside them (BitmapLeastY, BitmapGreatestY).
void SetBitmapExtents(const DrawingExtents& extents, int units);
