#pragma once
// The two ways the drawing operations turn drawing units into the coordinates they hand the device
// context: the view and the printer divide by Scale (the device context maps the rest); the bitmap
// export divides by its own divisor, flips y about a height reference and moves both axes so the
// drawing lands inside the image. Integer divisions truncate toward zero, as every stored drawing
// was painted that way.

#include "model/shared_state.h"

#include <climits>

namespace paint_mapping {

// A result past the int range (only a damaged drawing holds such coordinates) is held at its end.
inline int Saturate(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// A product of a stored value and a factor of the target (a pen width times the line weight, a text
// size times Scale), held inside the int range: a damaged drawing may hold any value.
inline int Product(int value, int factor) {
    return Saturate(static_cast<long long>(value) * factor);
}

// A divisor below 1 would divide by zero or mirror the drawing; 1 draws it unscaled instead.
inline int UsableDivisor(int divisor) {
    return divisor > 0 ? divisor : 1;
}

// View and printer: logical units are drawing units divided by Scale, y upwards.
struct ViewMap {
    int scale = UsableDivisor(Shared.Scale);
    int X(int v) const { return v / scale; }
    int Y(int v) const { return v / scale; }
    // A length may be a product worked out wider than an int (a doubled radius).
    int Length(long long v) const { return Saturate(v / scale); }
};

// Bitmap export: x / divisor - BitmapLeft, (height - y) / divisor + offset, y downwards.
struct BitmapMap {
    BitmapMap(int divisor, int height, int offset)
        : divisor(UsableDivisor(divisor)), height(height), offset(offset), left(Shared.BitmapLeft) {}
    int X(int v) const { return Saturate(static_cast<long long>(v / divisor) - left); }
    int Y(int v) const { return Saturate((static_cast<long long>(height) - v) / divisor + offset); }
    int Length(long long v) const { return Saturate(v / divisor); }

    int divisor;
    int height;
    int offset;
    int left;
};

} // namespace paint_mapping
