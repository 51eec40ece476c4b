#pragma once
// Helpers of object making shared with the wall and room tools.

// A value rounded to a whole number: to the nearest hundredth first (truncating), then up from a half.
// Negative values are never raised: -2.7 gives -2.
int RoundToLong(double value);
