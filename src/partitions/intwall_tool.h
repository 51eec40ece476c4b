#pragma once
// TIntwallobjtool, the internal-wall tool: runs of internal walls (double lines a wall's thickness
// apart) that join the walls they meet. The fixed-room tool builds on it.

#include "model/drawing_objects.h"
#include "tools/line_tool.h"

class TIntwallobjtool : public TLineobjtool {
  public:
    // Its states: 1500 turns design rooms into internal walls (Step (0, 0, 1) those of the current
    // view, Step (0, 0, 2) those of the layout the closed corner marks came from).
    static constexpr int FinishingDesignRooms = 1500;
    // Y1 after Step (direction) when the direction is not allowed for the second line position.
    static constexpr int DirectionRefused = 30001;
    // Amount after a run's last segment: closed back to its start, or ended against a wall.
    static constexpr int RunClosed = 30000;
    static constexpr int RunEndedAtWall = 30001;

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

// Appends an internal wall made from a wall tool's gesture and wall in progress, without any test,
// and saves the drawing; nothing is painted. The wall takes the tool's Number as object number.
void MakeIntwallObject(TIntwallobjtool& tool);
