#pragma once
// The tool family: include this header to use any tool. TDrawingtool itself, with its members and
// operations, is in tool_framework.h; each tool has a header of its own. The move, copy and erase tools
// and the wall, opening and room tools below are still empty shells that their own subsystems fill.

#include "model/drawing_objects.h"
#include "tools/arc_tool.h"
#include "tools/circle_tool.h"
#include "tools/ellipse_tool.h"
#include "tools/line_tool.h"
#include "tools/rectangle_tool.h"
#include "tools/text_tool.h"
#include "tools/tool_framework.h"

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
    // An internal wall from the gesture and the wall in progress, once the wall is completed by
    // PlaceInternalWall: made when its start is set and it has a length, then saved and shown. The run
    // goes on afterwards.
    void CreateObject(platform::DeviceContext& dc, const platform::Rect& client) override;
    // Completes the wall in progress before it is made (mode 1): end snapping, colours, face joins.
    virtual void PlaceInternalWall(int mode);

    // The wall in progress: its faces, thickness and the rest of an internal wall's own values, copied
    // into every wall the tool makes.
    TIntwallobj Wall;
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
