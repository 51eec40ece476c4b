#pragma once
// The line branch of the tools. TLinetool holds the bodies that the shape, wall, opening and room tools
// keep: the press and drag with an exclusive-or rubber band, the release that makes the object, the
// cross-hair guide lines, keyboard drawing with Enter and the arrow keys, and the parallel copies of
// multilines. TLineobjtool makes line objects; it is also the pick tool (kind 21).

#include "tools/tool_framework.h"

class TLinetool : public TDrawingtool {
  public:
    // Its states besides those of every tool.
    static constexpr int LengthenLine = 2;           // Step moves an end of the line away from the other
    static constexpr int ShortenLine = 3;            // and towards it
    static constexpr int ManualDimension = 20;       // the manual dimension's first point
    static constexpr int ManualDimensionSecond = 21; // and its second
    static constexpr int ManualDimensionText = 22;   // its text, once the length is given
    static constexpr int FirstMultilineState = 39;   // 39 to 42: multilines
    static constexpr int Multilines = 40;            // the number of lines given
    static constexpr int MultilineRun = 41;          // the first line being drawn
    static constexpr int MultilineCopies = 42;       // the next key makes the parallel copies
    static constexpr int LineWithText = 50;          // a line that gets a text beside it
    static constexpr int LineWithTextDrawn = 51;     // its press came
    // Y1 of a line with text when no line (or no text) was made.
    static constexpr int NoLineText = 125000;

    TLinetool();

    // Kinds 1 and 5 start a drag: the press point becomes start and end. States 30, 31 and 35 to 37
    // go to the find-centre steps; other kinds do nothing.
    void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // Ends a drag: the band goes, the release point becomes the end and the object is made. In state
    // 51 Y1 is then 125000 when the drag was too short to carry a text, else 0.
    void LButtonUp(platform::DeviceContext& dc, const platform::Rect& client,
                   platform::Point& point) override;
    // While dragging: the rubber band follows the pointer; kinds 11 and 1100 track the cross-hair.
    void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y) override;
    // The straight line from start to end.
    void DrawShape(platform::DeviceContext& dc, int code) override;
    // Keyboard drawing: Enter sets the start (KeyboardStep 1) or the end of a segment (2); an arrow
    // draws a segment of the given length from the start. The cursor follows the end. In state 42 any
    // key makes the parallel copies of multilines.
    void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key, platform::Point cursor,
                 int value) override;
    // The guide lines through (CursorX, CursorY), logical units, on a context that has the view mapping:
    // mode 1 vertical, 2 horizontal, 3 both. Drawn in not-exclusive-or, so drawing them twice removes
    // them.
    virtual void CrossHair(platform::DeviceContext& dc, int mode);

  protected:
    // The external-wall tool keeps the end point of its wall apart from the gesture; keyboard drawing
    // hands it over and, for that kind, puts the cursor there.
    virtual void KeepWallEnd(int x, int y);
    virtual platform::Point KeptWallEnd() const;

  private:
    void TrackCrossHair(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    void EndKeyboardSegment(platform::DeviceContext& dc, const platform::Rect& client, platform::Point end);
    void MakeParallelCopies(platform::DeviceContext& dc, const platform::Rect& client,
                            platform::Point cursor);
    void EraseBand(platform::DeviceContext& dc, const platform::Rect& client);
};

class TLineobjtool : public TLinetool {
  public:
    TLineobjtool();

    // Dimensions the current floor (dimensions.h) with the settings of the offsets file: in the
    // manual-dimension states 20 to 22 one step of a manual dimension at the point (x, y), client pixels;
    // in any other state the floor's automatic dimensions are made again from its external walls and the
    // drawing saved, and the tool's kind becomes 31. The last two arguments are not used here.
    void AddDimension(platform::DeviceContext& dc, const platform::Rect& client, int x, int y, int code,
                      int side) override;
    // The text of the line-text settings beside the last object when it is a plain line: centred on
    // its middle, a quarter of a text line off it on the side chosen, turned with it; painted at once
    // and appended, not saved. The state becomes 50 (also when the text is empty). The last two
    // arguments are not used.
    void AddLineText(platform::DeviceContext& dc, const platform::Rect& client, int firstIndex,
                     int unused) override;
    // Lengthen (State 2) or shorten (3) the horizontal or vertical line at the list index Aux2() by
    // `amount` drawing units, at the end nearer the cursor (x, y), drawing units; other lines and
    // states are left alone. Neither painted nor saved.
    void Step(int amount, int x, int y) override;
    // A line from start to end when all four coordinates are set (0 is an unset value), the line
    // has a length and the kind is a line's type code (the pick tool and the other command kinds make
    // none); it carries Angle and CursorY. A keyboard run goes on afterwards (Pending 1) for kinds 1
    // and 11.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
    // The finishing action of a floor plan (1): on the ground floor the plan is centred on the sheet
    // and saved; on every floor its area is measured. Other actions do nothing.
    void Action(int code) override;
};
