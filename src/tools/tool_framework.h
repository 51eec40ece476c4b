#pragma once
// TDrawingtool, the base of every tool. Every gesture in a view goes to the one active tool,
// CurrentTool of the client; the view calls the tool's operations for each mouse and key message and
// reads the results the tool leaves in its members. A tool is rebuilt from its kind code whenever it is
// replaced. Points handed in are client pixels; the tools work in drawing units (logical units of the
// view mapping times Scale).
//
// The points a tool holds are sheet-absolute drawing units, as the drawing list's are: the drawing
// file stores them from the sheet's centre, and a window that changes shape refits the sheet and reads
// the drawing back against the new centre. The view then calls FollowSheetCentre, and every point the
// tool holds moves with the drawing.

#include "model/record_codec.h"
#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/window.h"

#include <string>

class TDrawingtool {
  public:
    TDrawingtool();
    virtual ~TDrawingtool() = default;
    TDrawingtool(const TDrawingtool&) = delete;
    TDrawingtool& operator=(const TDrawingtool&) = delete;

    // Operations, in the order the view and the tools know them. The base versions do nothing, but
    // for the two find-centre steps every tool shares.
    virtual void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void LButtonUp(platform::DeviceContext& dc, const platform::Rect& client, platform::Point& point);
    virtual void RButtonDown(platform::DeviceContext& dc, const platform::Rect& client,
                             platform::Point& point);
    virtual void RButtonUp(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    // Draws the outline of the shape in progress with the pen and raster operation the caller chose.
    virtual void DrawShape(platform::DeviceContext& dc, int code);
    virtual void Execute(platform::DeviceContext& dc, const platform::Rect& client);
    // A key of a step: Enter (13) or an arrow (37 to 40), the cursor in client pixels and, for an
    // arrow, the length the view asked for (drawing units).
    virtual void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key,
                         platform::Point cursor, int value);
    virtual void PlaceText(platform::DeviceContext& dc, const platform::Rect& client, platform::Point& point,
                           const std::string& text);
    virtual void CharTyped(platform::DeviceContext& dc, const platform::Rect& client, char character);
    // Turns the finished gesture into drawing objects: shown at once, appended and saved.
    virtual void CreateObject(platform::DeviceContext& dc, const platform::Rect& client);
    // Dimensions: a point (x, y) in client pixels for the manual ones, then a code and a side
    // character that only some tools read.
    virtual void AddDimension(platform::DeviceContext& dc, const platform::Rect& client, int x, int y,
                              int code, int side);
    virtual void AddLineText(platform::DeviceContext& dc, const platform::Rect& client, int firstIndex,
                             int unused);
    virtual void Action(int code);
    virtual void Step(int code, int x, int y);
    // The centre of a line (states 30 and 31: two clicks on its ends) and of a rectangle (states 35 to
    // 37: three corners clicked in turn). The cursor goes to the centre, which becomes the start point,
    // and the tool returns to SavedState. Clicks within 3 pixels of the left or top edge are ignored.
    virtual void FindLineCentre(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void FindRectCentre(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);

    // The drawing is read back against the sheet centre `centre` (drawing units): the points the tool
    // holds move by the difference from the centre they were taken against, TakenPoint with them.
    void FollowSheetCentre(RecordOrigin centre);

    // States every tool may be in: the two find-centre steps the centre commands start, and states the
    // view routes whatever the tool (what it does with them is in the view's handlers).
    static constexpr int Selected = 1;         // a press in it prompts "Selected"
    static constexpr int RebuiltOnRelease = 7; // the release repaints and rebuilds the tool
    static constexpr int RebuiltAsLine = 9;    // the press ends in the Line command again
    static constexpr int RebuiltSaved = 11;    // 11 and 12: the release rebuilds the view's saved kind
    static constexpr int RebuiltSavedToo = 12;
    static constexpr int FindingLineCentre = 30; // 30 to 34: clicks on a line's two ends
    static constexpr int LineCentreFound = 31;   // the second end: the cursor goes to the centre
    static constexpr int LastLineCentreState = 34;
    static constexpr int FindingRectCentre = 35; // 35 to 38: clicks on three corners
    static constexpr int RectCentreSecond = 36;
    static constexpr int RectCentreFound = 37; // the third corner
    static constexpr int LastRectCentreState = 38;

    // The members, in order. Other names the program uses for them are the accessors below.
    platform::ViewWindow* ViewWindow = nullptr; // the view making the current call
    platform::ColourRef Colour = 0;             // colour of new objects and of the rubber band
    // 0 nothing under way; 1 a line start is set or a run of segments goes on; 4 the view's opening entry.
    int Pending = 0;
    // x of the cross-hair, logical units; text tools: the position code of the text (1 to 6).
    int CursorX = 0;
    // Text tools: the orientation of the text, tenths of a degree (0 or 2700).
    int Aux = 0;
    int State = 0;      // step state: 30, 31 line centre, 35 to 37 rectangle centre, 40 to 42 multilines,
                        // 50, 51 line with text
    int Kind = 0;       // the type code of the objects made, or a command code (21 pick tool, 24 typed text)
    int SavedState = 0; // the state a find-centre step returns to
    int Width = 1;      // pen width of new objects: 1 thin, 2 thick
    int Style = 0;      // pen style: 0 solid, 1 dash, 2 dot, 3 dot-dash
    int Dragging = 0;   // 1 while a rubber band follows the mouse
    // Multilines: the number of lines; keyboard circles and rounded corners: the radius; texts: the line
    // height (drawing units).
    int Count = 0;
    int Angle = 0;      // bearing of the last keyboard segment, tenths of a degree clockwise from up
    int CursorY = 0;    // y of the cross-hair, logical units
    int CrossMode = 0;  // guide lines of the cross-hair: 1 vertical, 2 horizontal, 3 both
    int Group = 0;      // copied into the object field after the view code
    int Number = 0;     // copied into the object number; a keyboard segment's length
    int CrossShown = 0; // 2 while the guide lines are on the screen
    // The gesture, drawing units: start (X1, Y1), end (X2, Y2) and their third values.
    int X1 = 0;
    int Z1 = 0;
    int X2 = 0;
    int Z2 = 0;
    int Y1 = 0;
    int Y2 = 0;
    int Extra1 = 0;
    int Extra2 = 0;
    int Extra3 = 0;
    int Extra4 = 0;
    // 1: the next Enter of a keyboard run sets a start point; 2: it sets an end point and draws.
    int KeyboardStep = 1;
    // The point of a key or press that the view took before asking, in a box, what the step needs
    // (drawing units; 0, 0 for none). Held here it moves with the drawing when a window reshaped behind
    // the box refits the sheet, where the pixel handed in afterwards would show another point.
    platform::Point TakenPoint;

    // Other names of the same members. One member, several roles: the names say which role a caller
    // means.
    platform::ViewWindow*& Hwnd() { return ViewWindow; }
    int& KeyMode() { return Pending; }
    int& Started() { return Pending; }
    int& Aux1() { return CursorX; }
    int& SecondLineSide() { return CursorX; }
    int& Aux2() { return Aux; }
    int& SideInUse() { return Aux; }
    int& LineWidth() { return Width; }
    int& PenWidth() { return Width; }
    int& LineStyle() { return Style; }
    int& PenStyle() { return Style; }
    int& DragActive() { return Dragging; }
    int& Amount() { return Count; }
    int& FreeDistance() { return Count; }
    int& WallAngle() { return Angle; }
    int& Amount2() { return CursorY; }
    int& LastWallSide() { return CursorY; }
    int& Counter() { return CrossMode; }
    int& WallDirection() { return CrossShown; }
    int& RunNumber() { return Group; }
    int& ObjectNumber() { return Number; }
    // The area last drawn or selected (x from, x to, y from, y to, drawing units).
    int* PrevBox() { return &Extra1; }
    int* CapBox() { return &Extra1; }

  protected:
    // Moves every point the tool holds by (dx, dy) drawing units, and nothing that is a length, an
    // angle, an index, a code or a logical or client position. The base moves the gesture (X1, Y1),
    // (X2, Y2); a tool whose members hold other points, or use these for something else, overrides it.
    virtual void MoveHeldPoints(int dx, int dy);
    // The drawing point of the pixel a step hands in: TakenPoint when the view took one before its box.
    platform::Point StepPoint(platform::DeviceContext& dc, const platform::Rect& client,
                              platform::Point pixel) const;

  private:
    RecordOrigin heldCentre_; // the sheet centre the points were taken against
};
