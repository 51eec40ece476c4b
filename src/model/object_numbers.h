#pragma once
// Object numbers: a floor base (FloorNumberBase) plus the running serial Shared.ObjectSerial, which is
// advanced before each use and kept in the drawing, symbol and paste files. Every new number comes
// from here. The serial stops at LastObjectSerial, so that a floor base plus it is still an int: once
// there, new objects share the last number rather than wrap round onto the numbers of the drawing's
// first objects or below zero. Only a damaged or hand-made file header gets there; the record reader
// holds a stored serial to 0..LastObjectSerial (StoredObjectSerial).

#include <climits>

// The largest floor base, the fourth plan's.
constexpr int LargestNumberBase = 13000;
constexpr int LastObjectSerial = INT_MAX - LargestNumberBase;

// Object numbers of floor `view`: 10000 for the ground floor (and the room layout, views 40 and 45),
// 11000 for the first, 12000 for the second, 13000 for the fourth plan (53), each plus the serial.
int FloorNumberBase(int view);

// A serial read from a file header, as the program may count on from it: held to 0..LastObjectSerial.
int StoredObjectSerial(int stored);

// Advances `serial` by one, up to LastObjectSerial, and returns it.
int NextObjectSerial(int& serial);
// Advances `serial` and returns `base` plus it (held inside the int range whatever the base).
int NextObjectNumber(int base, int& serial);
// Advances Shared.ObjectSerial and returns it: the serial of a new object, which the objects numbered
// without a floor base (dimensions, design rooms, texts, stairs, an external wall's group) take bare.
int NewObjectSerial();
// A new object's number on the floor of `base` (FloorNumberBase or a base made from it): the base plus
// the advanced Shared.ObjectSerial.
int NewObjectNumber(int base);
