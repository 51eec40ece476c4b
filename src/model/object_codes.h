#pragma once
// The type codes of drawing objects and the codes of the views they belong to. Both are stored in every
// drawing file, so their values never change.

namespace type_code {

constexpr int Line = 1;
constexpr int Arc = 3;
constexpr int Text = 4;
constexpr int Ellipse = 5;
constexpr int Circle = 6;
constexpr int Rectangle = 7;
constexpr int RoundedRectangle = 8;
// A mark of an external-wall corner on the room layout; also the window and door lines in external
// walls.
constexpr int CornerMark = 11;
constexpr int TypedText = 24; // a text typed line by line at the caret
constexpr int DimensionText = 34;
constexpr int SizeText = 35; // a room's size
constexpr int RoomName = 36;
constexpr int FloorTitle = 37;
constexpr int Polygon = 100; // 100 up to 25000 are polygons, but for the walls
constexpr int ExternalWall = 1000;
constexpr int InternalWall = 1500;
constexpr int AutomaticDimension = 25000; // a dimension arrow
constexpr int ManualDimension = 26000;    // a dimension arrow
constexpr int PastedLine = 27001;         // a line of a symbol just taken from a library
constexpr int Opening = 28000;
constexpr int DesignRoom = 29000; // design rooms and fixed-room records
// The floor records (information objects) of views 50 to 53 are 32000 to 32003: this plus the view.
constexpr int FloorRecordBase = 31950;
constexpr int FirstInformation = 32000; // from here on, data never painted

} // namespace type_code

namespace view_code {

constexpr int BeingOpened = 0; // while File/Open reads a drawing, before its view is known
constexpr int NoneOpen = 8;    // before any drawing is opened
constexpr int RoomLayout = 40;
constexpr int MarkingCorners = 45; // the room layout while the external-wall corners are marked
constexpr int LastLayout = 49;     // 40 to 49 are room-layout views
constexpr int GroundFloor = 50;
constexpr int FirstFloor = 51;
constexpr int SecondFloor = 52;
constexpr int FourthPlan = 53; // a plan code that no command selects
constexpr int LastPlan = 54;   // 50 to 54 are plan codes
constexpr int LastFloor = 99;  // 50 to 99 are floor views
constexpr int Printing = 100;
constexpr int PrintingFloorBase = 1000; // a floor being printed: this plus the floor's code
// A floor's design rooms are stored under its code less DesignRoomOffset, its corner marks under its
// code less CornerMarkOffset.
constexpr int DesignRoomOffset = 10;
constexpr int CornerMarkOffset = 5;

} // namespace view_code
