#pragma once
// The parts of a drawing view's key handling, shared by the files that hold them: plain keys, Enter per
// tool kind, and the keyboard entry of lengths and directions.

#include "platform/geometry.h"

class TChild;

// What one key press works with.
struct KeyPress {
    int key = 0;            // virtual-key code
    int kind = 0;           // the tool kind when the key came
    platform::Rect client;  // the view's client rectangle
    platform::Point cursor; // the mouse cursor in client pixels, taken before any cursor step
    int countAtEntry = 0;   // objects in the drawing list when the key came
    int value = 0;          // the length or value handed to the tool, drawing units
};

// Enter in plain mode: the click of the tool's current step at the cursor.
void EnterKey(TChild& view, KeyPress& press);
// Any key while the tool takes lengths and directions from the keyboard (its KeyMode 1 or 4).
void KeyEntryModeKey(TChild& view, KeyPress& press);
// Moves the mouse cursor one screen pixel in the direction of an arrow key; other keys do nothing.
void MoveCursorByKey(TChild& view, int key);
