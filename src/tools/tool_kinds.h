#pragma once
// The tool kinds: the code every tool carries, from which the client rebuilds it (RestoreTool) and by
// which the view routes its input. A drawing tool's kind is the type code of the objects it makes;
// the others are command codes. Each tool's states are named beside its class.

#include "model/object_codes.h"

#include <array>

namespace tool_kind {

// Drawing tools: the type code of what they make.
constexpr int Line = type_code::Line;
constexpr int Arc = type_code::Arc;
constexpr int Text = type_code::Text; // a text placed by a click
constexpr int Ellipse = type_code::Ellipse;
constexpr int Circle = type_code::Circle;
constexpr int Rectangle = type_code::Rectangle;
constexpr int RoundedRectangle = type_code::RoundedRectangle;
constexpr int CornerMarks = type_code::CornerMark; // marking the external-wall corners on the layout
constexpr int TypedText = type_code::TypedText;
constexpr int ExternalWall = type_code::ExternalWall;
constexpr int InternalWall = type_code::InternalWall;
constexpr int DesignRoom = type_code::DesignRoom;
constexpr int Window = 2000;
constexpr int Door = 3000;
// The other kinds.
constexpr int KeysPlain = 2; // no command installs it; its keys always act in plain mode
constexpr int Move = 14;
constexpr int Copy = 15;
constexpr int SegmentAtEnter = 9;    // Enter makes the keyboard segment at once
constexpr int ThickSmallCircle = 18; // a keyboard circle of radius 10 with a thick pen; Enter leaves
                                     // it in plain mode
constexpr int Erase = 19;
constexpr int TextAtRest = 20; // the text tool after a typed text ended; acts as the pick tool
constexpr int Pick = 21;
constexpr int LineRebuilt = 22; // the line tool rebuilt from this kind
constexpr int ChangeText = 25;
constexpr int LineType41 = 41; // a line type code whose presses reach no tool
constexpr int Stairs = 57;
constexpr int HingedDoor = 60;
constexpr int DoorPair = 62;    // double doors or a sliding pair
constexpr int WallOpening = 64; // an opening in an internal wall
constexpr int SlidingDoor = 65; // one sliding door; also deleting an internal wall
constexpr int FixedRoom = 71;
constexpr int MoveRebuilt = 78; // rebuilt as the move tool, kind 14
constexpr int AfterAreaStep = 79;
constexpr int LineRebuiltAsLine = 85; // rebuilt as the line tool, kind 1
constexpr int AreaStep = 87;          // its second Enter reports the floor area
constexpr int WallEdit = 999;         // the external-wall edits; the edit is the tool's state
constexpr int UpperFloorWalls = 1001; // an upper floor whose outline comes from the floor below
constexpr int FloorPlanResize = 1100; // enlarging or shrinking the floor plan

// The kinds whose outline is taken off while a line's centre is found and put back at the centre.
constexpr std::array<int, 5> CarryOutline{LineType41, HingedDoor, DoorPair, WallOpening, Window};
// The kinds that show their outline at the centre found and stay in the centre step. No command of
// this program installs them.
constexpr std::array<int, 6> OutlineAtCentre{72, 73, 80, 81, 83, 93};

} // namespace tool_kind
