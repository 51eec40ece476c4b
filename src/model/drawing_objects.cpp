#include "model/drawing_objects.h"

#include "model/shared_state.h"

TObject::TObject() : colour(static_cast<int>(Shared.DrawingColour)) {}
