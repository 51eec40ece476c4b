#pragma once
// Helpers of object making shared with the wall and room tools.

class TIntwallobjtool;

// A value rounded to a whole number: to the nearest hundredth first (truncating), then up from a half.
// Negative values are never raised: -2.7 gives -2.
int RoundToLong(double value);

// Appends an internal wall made from a wall tool's gesture and wall in progress, without any test,
// and saves the drawing; nothing is painted. The wall takes the tool's Number as object number.
void MakeIntwallObject(TIntwallobjtool& tool);
