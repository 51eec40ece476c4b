#include "model/object_class.h"

ObjectClass ClassOfType(int type) {
    if (type == 1 || type == 11 || (type >= 41 && type <= 99) || (type > 27000 && type < 27005))
        return ObjectClass::Line;
    if (type == 1000) return ObjectClass::ExternalWall;
    if (type == 1500) return ObjectClass::InternalWall;
    if (type == 25000 || type == 26000) return ObjectClass::Arrow;
    if (type == 28000) return ObjectClass::Opening;
    if (type == 29000) return ObjectClass::Room;
    if ((type >= 100 && type < 25000) || type == 27000) return ObjectClass::Polygon;
    if (type >= 32000) return ObjectClass::Info;
    if (type == 4 || type == 24 || (type >= 34 && type <= 37)) return ObjectClass::Text;
    switch (type) {
    case 3:
        return ObjectClass::Arc;
    case 5:
        return ObjectClass::Ellipse;
    case 6:
        return ObjectClass::Circle;
    case 7:
        return ObjectClass::Rectangle;
    case 8:
        return ObjectClass::RoundedRectangle;
    default:
        return ObjectClass::None;
    }
}

std::unique_ptr<TObject> NewObjectOfClass(ObjectClass objectClass) {
    switch (objectClass) {
    case ObjectClass::None:
        return nullptr;
    case ObjectClass::Line:
        return std::make_unique<TLineobj>();
    case ObjectClass::ExternalWall:
        return std::make_unique<TExtwallobj>();
    case ObjectClass::InternalWall:
        return std::make_unique<TIntwallobj>();
    case ObjectClass::Arrow:
        return std::make_unique<TArrowobj>();
    case ObjectClass::Opening:
        return std::make_unique<TOpeningobj>();
    case ObjectClass::Room:
        return std::make_unique<TRoomobj>();
    case ObjectClass::Polygon:
        return std::make_unique<TPolyobj>();
    case ObjectClass::Info:
        return std::make_unique<TInfoobj>();
    case ObjectClass::Text:
        return std::make_unique<TTextobj>();
    case ObjectClass::Arc:
        return std::make_unique<TArcobj>();
    case ObjectClass::Ellipse:
        return std::make_unique<TEllipseobj>();
    case ObjectClass::Circle:
        return std::make_unique<TCircleobj>();
    case ObjectClass::Rectangle:
        return std::make_unique<TRectangleobj>();
    case ObjectClass::RoundedRectangle:
        return std::make_unique<TRndrectobj>();
    }
    return nullptr;
}
