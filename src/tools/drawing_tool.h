#pragma once
// The tool class family. Every gesture in a view goes to the one active tool, CurrentTool of the client;
// the view calls the tool's operations for each mouse and key message and reads the results the tool
// leaves in its members. A tool is rebuilt from its kind code whenever it is replaced.

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

    // Operations, in the order the view and the tools know them. The base versions do nothing.
    virtual void LButtonDown(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void LButtonUp(platform::DeviceContext& dc, const platform::Rect& client, platform::Point& point);
    virtual void RButtonDown(platform::DeviceContext& dc, const platform::Rect& client,
                             platform::Point& point);
    virtual void RButtonUp(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void MouseMove(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void DrawShape(platform::DeviceContext& dc, int code);
    virtual void Execute(platform::DeviceContext& dc, const platform::Rect& client);
    virtual void KeyDown(platform::DeviceContext& dc, const platform::Rect& client, int key,
                         platform::Point cursor, int value);
    virtual void PlaceText(platform::DeviceContext& dc, const platform::Rect& client, platform::Point& point,
                           const std::string& text);
    virtual void CharTyped(platform::DeviceContext& dc, const platform::Rect& client, char character);
    virtual void CreateObject(platform::DeviceContext& dc, const platform::Rect& client);
    virtual void AddDimension(platform::DeviceContext& dc, const platform::Rect& client, int a, int b, int c,
                              int side);
    virtual void AddLineText(platform::DeviceContext& dc, const platform::Rect& client, int firstIndex,
                             int unused);
    virtual void Action(int code);
    virtual void Step(int code, int x, int y);
    virtual void FindLineCentre(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);
    virtual void FindRectCentre(platform::DeviceContext& dc, const platform::Rect& client, int x, int y);

    // The members, in order. Other names the program uses for them are the accessors below.
    platform::ViewWindow* ViewWindow = nullptr; // the view making the current call
    platform::ColourRef Colour = 0;             // colour of new objects and of the rubber band
    int Pending = 0;
    int CursorX = 0;
    int Aux = 0;
    int State = 0;
    int Kind = 0;
    int SavedState = 0;
    int Width = 1;
    int Style = 0;
    int Dragging = 0;
    int Count = 0;
    int Angle = 0;
    int CursorY = 0;
    int CrossMode = 0;
    int Group = 0;
    int Number = 0;
    int CrossShown = 0;
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
};

class TLinetool : public TDrawingtool {
  public:
    TLinetool();
};

class TLineobjtool : public TLinetool {
  public:
    TLineobjtool();
};

class TArctool : public TLinetool {
  public:
    TArctool();
};
class TArcobjtool : public TArctool {
  public:
    TArcobjtool();
};

class TEllipsetool : public TLinetool {
  public:
    TEllipsetool();
};
class TEllipseobjtool : public TEllipsetool {
  public:
    TEllipseobjtool();
};

class TCircletool : public TLinetool {
  public:
    TCircletool();
};
class TCircleobjtool : public TCircletool {
  public:
    TCircleobjtool();
};

class TRectangletool : public TLinetool {
  public:
    TRectangletool();
};
class TRectangleobjtool : public TRectangletool {
  public:
    TRectangleobjtool();
};
class TRoundrecttool : public TRectangletool {
  public:
    TRoundrecttool();
};
class TRndrectobjtool : public TRoundrecttool {
  public:
    TRndrectobjtool();
};

class TTexttool : public TDrawingtool {
  public:
    TTexttool();
};
class TTextobjtool : public TTexttool {
  public:
    TTextobjtool();
};

class TMoveobjtool : public TDrawingtool {
  public:
    TMoveobjtool();
};
class TCopyobjtool : public TMoveobjtool {
  public:
    TCopyobjtool();
};
class TEraseobjtool : public TMoveobjtool {
  public:
    TEraseobjtool();
};

// Tools of the walls, openings and rooms.
class TExtwallobjtool : public TLineobjtool {
  public:
    TExtwallobjtool();
};
class TIntwallobjtool : public TLineobjtool {
  public:
    TIntwallobjtool();
};
class TRoomobjtool : public TIntwallobjtool {
  public:
    TRoomobjtool();
};
class TWindowobjtool : public TLineobjtool {
  public:
    TWindowobjtool();
};
class TDoorobjtool : public TWindowobjtool {
  public:
    TDoorobjtool();
};
class TStepobjtool : public TLineobjtool {
  public:
    TStepobjtool();
};
class TDRoomobjtool : public TLineobjtool {
  public:
    TDRoomobjtool();
    platform::ColourRef RoomColour = 0; // colour of the next design room
};
