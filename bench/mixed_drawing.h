#pragma once
// The generated drawing of the drawing-file benchmarks: one object of each class in turn, with
// coordinates and strings of a realistic size.

#include "model/drawing_objects.h"

#include <memory>
#include <string>

// Object `i` of the drawing, on floor view 50 + i % floors.
std::unique_ptr<TObject> MixedObject(int i, int floors);

// The sheet the drawing is written on: scale 1:5 of an 8400 x 5940 sheet, so stored coordinates are
// measured from (21000, 14850) and most of them are negative numbers of five digits.
void UseBenchSheet();

// Writes objects 0 to count - 1 of the drawing, on `floors` floors, as the drawing file `path`, on the
// bench sheet (which it makes the sheet in force); false when the file cannot be written.
bool WriteMixedDrawing(const std::string& path, int count, int floors);
