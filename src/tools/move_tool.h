#pragma once
// TMoveobjtool, the move tool: a rectangle dragged over objects selects them, then a click takes the
// reference point, each further click or arrow key moves the selection, and the right button or the
// numeric-pad + and - keys turn it; Enter (the view) stores the result. With ZoomRectangle the
// dragged rectangle becomes the view's window instead. The copy and erase tools build on it. The
// selection itself lives in CFG\COPY.CFG and CFG\TEMP.CFG (settings/selection_files.h), not here.

#include "tools/tool_framework.h"

class TMoveobjtool : public TDrawingtool {
  public:
    // Its states.
    static constexpr int PlaceSelection = 2;     // selected: the next press takes the reference point
    static constexpr int MovingSelection = 3;    // clicks and arrows move, the right button and +/- turn
    static constexpr int RectangleDone = 5;      // the selecting rectangle is being dragged
    static constexpr int Erased = 9;             // the erase tool after it erased
    static constexpr int ZoomRectangle = 10;     // the press starts the zoom rectangle
    static constexpr int ZoomRectangleDone = 15; // the zoom rectangle is being dragged

    TMoveobjtool();

    // State 0 or 10: starts the rectangle. State 2: the reference point (move tool with a selection
    // only). State 3: the selection moves to the click.
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // Ends the rectangle of state 5 (the selection) or 15 (the zoom window); the copy and erase tools
    // then apply themselves to the selection.
    void LButtonUp(platform::DeviceContext& dc, const platform::Rect& client,
                   platform::Point& point) override;
    // The click becomes the pivot, and the selection turns by RotationStep degrees (the view sets it).
    void RButtonDown(platform::DeviceContext& dc, const platform::Rect& client,
                     platform::Point& point) override;
    // The rubber-band rectangle of states 5 and 15.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // Arrows nudge the selection by one pixel (one logical unit when zoomed in); numeric-pad + and -
    // turn it by 5 degrees either way. `cursor` is where the cursor was when the key went down.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;
    // The objects from list index `firstIndex` to the end become the selection (a paste, a symbol).
    void AddLineText(platform::DeviceContext& dc, const platform::Rect& client, int firstIndex,
                     int unused) override;
    // What the copy and erase tools do with a new selection; nothing here.
    virtual void ApplyToSelection(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);

    // The selection's own members, drawing units.
    int SelectionCount = 0; // objects selected; 0 when a rectangle starts
    // The rectangle's press point; after the selection, the offset point written with every object.
    int AnchorX = 0;
    int AnchorY = 0;
    // The moving corner of the rectangle while it is dragged; then the reference point (the pivot).
    int RefX = 0;
    int RefY = 0;
    // Where the selection is being moved to.
    int TargetX = 0;
    int TargetY = 0;

    // The roles of base members in this family. The selection rectangle, normalised: it is also the
    // box (x from, x to, y from, y to) the view repaints after an erase.
    int& SelLeft() { return Extra1; }
    int& SelRight() { return Extra2; }
    int& SelBottom() { return Extra3; }
    int& SelTop() { return Extra4; }
    int SelLeft() const { return Extra1; }
    int SelRight() const { return Extra2; }
    int SelBottom() const { return Extra3; }
    int SelTop() const { return Extra4; }
    // How a selected polygon is filled when drawn: 0 not, 1 with the background, 2 with its colour.
    int& FillMode() { return Angle; }
    int FillMode() const { return Angle; }
    // The angle of the next turn, whole degrees clockwise.
    int& RotationStep() { return X2; }

  protected:
    // The rectangle's corners, the reference point, the target and the selection rectangle; the gesture
    // only in the find-centre steps, as X2 is otherwise the turn's angle.
    void MoveHeldPoints(int dx, int dy) override;

  private:
    // The rubber band, drawn and taken off with one exclusive-or pen.
    void DrawBand(platform::DeviceContext& dc);
    void TakeBandOff(platform::DeviceContext& dc);
    bool bandShown_ = false; // a band from the anchor to (RefX, RefY) is on the screen
};

// The window a zoom rectangle dragged from `from` to `to` (logical units) asks for on a client area
// of `client`: ClientWidth and ClientHeight take the rectangle, widened on one axis to the client's
// aspect, ScrollX and ScrollY its lower-left corner, and Zoom shrinks with the width. A rectangle
// less than one logical unit wide or high, or an empty client area, changes nothing.
void SetZoomWindow(platform::Point from, platform::Point to, const platform::Rect& client);
