#pragma once
// The walls round a room: internal walls stood outside a rectangle wherever no wall stands along it
// yet, so its edges become the walls' inner faces and the room keeps its size, with join lines in the
// background colour where a new wall meets an existing internal wall. Finishing a design room and
// building a fixed room both enclose their rectangle with it; each finds the existing faces its own way.

#include <array>

class TIntwallobjtool;

// The sides of a room, in the order their walls are built.
namespace room_side {
constexpr int Left = 0;
constexpr int Right = 1;
constexpr int Top = 2;
constexpr int Bottom = 3;
} // namespace room_side

// An existing wall face lying exactly on a side's edge: its extent along the side (lower and upper y
// for the left and right sides, left and right x for the top and bottom), in order.
struct FaceOnEdge {
    bool present = false;
    int low = 0;
    int high = 0;
    bool external = false; // the face is an external wall's
};

// A rectangle to enclose, drawing units (top the larger y), the thickness of its new walls and what
// lies on each edge (indexed by room_side).
struct RoomEnclosure {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int thickness = 0;
    std::array<FaceOnEdge, 4> faces{};
};

// What a side gets, by the face on its edge: 0 covered (no wall), 1 no face (a wall along the whole
// side), and for the stretches past the face's ends 2 / 22 (left, right: past its upper end; internal /
// external), 3 / 33 (past its lower end), 12 (past both), 4 / 44 (top, bottom: past its left end),
// 5 / 55 (past its right end), 14 (past both). A side ending exactly where the face ends is covered at
// that end. A face beside the side that overlaps none of it gets 1 as well.
int RoomSideCode(const RoomEnclosure& room, int side);

// How each wall piece is made: a finished design room's walls carry no z and no wall colours and have
// their trailing integers cleared; a fixed room's carry what the tool was set up with.
enum class RoomWalls { DesignRoom, FixedRoom };

// Builds the walls of the sides left, right, top, bottom, each piece followed by its join lines, with
// object numbers from the floor base of the current view and ObjectSerial (a side's second piece
// numbered on its own). Each piece is staged in the tool (faces, angle, numbers) with its faces at
// `z`, appended and saved; join lines are appended unsaved. `u` is how far a join line keeps off
// each face (25 mm, or 24, one inch). The tool keeps the numbers it used last.
void BuildRoomEnclosure(TIntwallobjtool& tool, const RoomEnclosure& room, RoomWalls walls, int z, int u);

// The number base of the objects a room makes on `view`: 10000, 11000, 12000 for the floors 50 to 52
// (and the layout), 13000 for the plan codes above.
int RoomNumberBase(int view);
// The thickness of a room's walls on `view` from the three of RMPTNM.CFG / RMPTNI.CFG: the first for
// the ground floor, the second for the first floor, the third for the second floor and the plan codes
// above it.
int RoomWallThickness(int view);
