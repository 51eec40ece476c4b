#pragma once
// TDRoomobjtool, the design-room tool: movable named rooms arranged on the room layout (and on a
// floor's plan) before they are finished into internal walls. Its state is the mode the design-room
// commands choose; the view reports and clears the refusals it leaves. The tool changes the picked
// room in the drawing list in place; the view saves and repaints after each gesture.

#include "platform/gdi_types.h"
#include "tools/line_tool.h"

#include <string>

class TRoomobj;

class TDRoomobjtool : public TLineobjtool {
  public:
    // Its states.
    static constexpr int PlaceNew = 0;      // idle: a press inside a room picks it and starts a drag
    static constexpr int DragAligned = 5;   // a drag that aligns the room on the release of either button
    static constexpr int DragUnaligned = 6; // a left drag picked on the room's centre: dropped as it is
    static constexpr int Expand = 20;
    static constexpr int Shrink = 21;
    static constexpr int Rotate = 30;
    static constexpr int Delete = 40;
    static constexpr int Move = 50;
    static constexpr int Adjusting = 55;       // moved by typed amounts; cleared by the view's next press
    static constexpr int KeyDrag = 65;         // moved by keys, ended on the key's release
    static constexpr int MaximumSize = 1000;   // measures the largest room that fits
    static constexpr int OutsideWalls = 10001; // refusal: the click was outside the external walls
    static constexpr int AngledWall = 10002;   // refusal: a measuring wall is angled (nothing sets it)

    // The picked-room index when no room is picked.
    static constexpr int NoRoom = 30001;
    // Drag phases: nothing drawn yet, an outline on the screen, the cursor left the view first.
    static constexpr int NotLifted = 0;
    static constexpr int OutlineDrawn = 1;
    static constexpr int LeftTheView = 10;
    // Which label RelabelDesignRoomSize rewrites.
    static constexpr int HeightLabelOnly = 1;
    static constexpr int WidthLabelOnly = 2;

    TDRoomobjtool();

    // Presses pick the room under the cursor and act on it by mode (drag, arm the arrow keys, rotate,
    // delete, measure).
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    void RButtonDown(platform::DeviceContext& dc, const platform::Rect& client,
                     platform::Point& point) override;
    // The end of a drag: the dragged rectangle goes into the room and is saved; a room dragged in
    // DragAligned is then aligned to its neighbours (left) or to the outer box of the others (right).
    void LButtonUp(platform::DeviceContext& dc, const platform::Rect& client,
                   platform::Point& point) override;
    void RButtonUp(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // While a picked room is dragged, its dotted outline follows the cursor.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // 1: the dotted outline of the current rectangle, drawn or taken off (exclusive-or); 0: the
    // current rectangle painted over with the background.
    void DrawShape(platform::DeviceContext& dc, int how) override;
    // An arrow key (37 to 40) expands, shrinks or moves the picked room by `amount` drawing units, or
    // by one unit (25 mm, 1 inch) in KeyDrag. Nothing is saved here.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int amount) override;
    // A new design room of the size given (drawing units) at the view's lower-left corner, named
    // after RoomName, with the size display and colour of NEWRM.CFG; appended and saved, not painted.
    void Step(int width, int height, int unused) override;
    // Rewrites one size label of the picked room from its size: HeightLabelOnly or WidthLabelOnly.
    void RelabelDesignRoomSize(int which);

    // The picked room; null when no room is picked or the index no longer names a design room of the
    // current view (the drawing changed since the pick).
    TRoomobj* PickedRoom() const;

    // Other names of the base members, as this tool uses them.
    int& KeyboardFlag() { return Pending; } // 1 while the arrow keys act on the picked room
    int& DragPhase() { return CursorX; }
    int& DragFlag() { return Dragging; } // 1 from a pick until the button is released
    // The previous rectangle: the picked room before the last change (left, right, top, bottom).
    int* PreviousRect() { return &Extra1; }

    // Its own members. Lengths in drawing units.
    int NameLength = 0;
    int WidthLabelLength = 0;
    int HeightLabelLength = 0;
    int PickedRoomIndex = NoRoom; // list index of the picked room
    int LabelMode = 0;            // 0 no sizes, 1 below the name, 2 both, 3 width, 4 height with arrows
    int RoomWidth = 0;
    int RoomHeight = 0;
    int RoomTextSize = 0; // points
    int LastMouseX = 0;   // the cursor at the last press or drag step
    int LastMouseY = 0;
    platform::ColourRef RoomColour = 0; // colour of the next design room
    std::string WidthLabel;
    std::string HeightLabel;

  protected:
    // The current and previous rectangles and the cursor of the last press or drag step.
    void MoveHeldPoints(int dx, int dy) override;

  private:
    // The room's rectangle as the current (and previous) rectangle.
    void TakeCurrentRect(const TRoomobj& room);
    void TakePreviousRect(const TRoomobj& room);
    // The previous rectangle widened to take in the current one.
    void WidenPreviousRect();
    void MoveCurrentRect(int dx, int dy);
    // The end of a drag: the dragged rectangle stored and saved. True when the room is then aligned
    // (DragAligned, now PlaceNew).
    bool EndDrag();
    void FollowCursor(platform::DeviceContext& dc, platform::Point at);
    // The change an arrow key makes to the room in this mode; false when it makes none.
    bool ChangeByKey(TRoomobj& room, int key, int amount);

    // The dotted outline is on the screen.
    bool outlineShown_ = false;
    // The view passes an arrow key of KeyDrag twice; the second call only keeps the outline.
    bool keyEchoExpected_ = false;
};

// The size label of a design room: the drawing's length text (millimetres, or feet, inches and whole
// eighths).
std::string DesignRoomSizeLabel(int size);
