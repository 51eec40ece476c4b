#pragma once
// Which drawing-object class a type code belongs to. The drawing file, the symbol libraries and the
// paste buffer all choose the class of a record this way, and the writer chooses the record layout
// by it, so the ranges here decide what a stored file can hold.

#include "model/drawing_objects.h"

#include <memory>

enum class ObjectClass {
    None, // no class: such a code is dropped when a file is read
    Line,
    ExternalWall,
    InternalWall,
    Arrow,
    Opening,
    Room,
    Polygon,
    Info,
    Text,
    Arc,
    Ellipse,
    Circle,
    Rectangle,
    RoundedRectangle,
};

// The class of a type code. The ranges are tested in the order the file writer uses, which matters
// only where they overlap: 1000 and 1500 lie inside the polygon range but are walls.
ObjectClass ClassOfType(int type);

// A new object of the class with its construction defaults; nullptr for ObjectClass::None.
std::unique_ptr<TObject> NewObjectOfClass(ObjectClass objectClass);
