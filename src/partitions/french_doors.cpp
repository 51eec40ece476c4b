#include "partitions/french_doors.h"

#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_swings.h"
#include "partitions/opening_geometry.h"
#include "partitions/window_tool.h"
#include "settings/cfg_files.h"
#include "tools/tool_support.h"

#include <cmath>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

struct Leaf {
    long long hingeX, hingeY, endX, endY;
};

// The arc of a leaf around its hinge, between the meeting point and the leaf's end, counter-clockwise
// the short way.
void AddLeafArc(const TWindowobjtool& tool, const Leaf& leaf, long long radius, long long meetX,
                long long meetY, DeviceContext& dc, const Rect& client) {
    const long long cross =
        (meetX - leaf.hingeX) * (leaf.endY - leaf.hingeY) - (meetY - leaf.hingeY) * (leaf.endX - leaf.hingeX);
    const bool fromMeeting = cross >= 0;
    const long long left = leaf.hingeX - radius;
    const long long top = leaf.hingeY + radius;
    const long long right = leaf.hingeX + radius;
    const long long bottom = leaf.hingeY - radius;
    auto arc = fromMeeting ? SwingArc(tool, left, top, right, bottom, meetX, meetY, leaf.endX, leaf.endY)
                           : SwingArc(tool, left, top, right, bottom, leaf.endX, leaf.endY, meetX, meetY);
    ShowAndAppend(std::move(arc), dc, client);
}

} // namespace

void AddFrenchDoorSwings(TWindowobjtool& tool, DeviceContext& dc, const Rect& client, int mode) {
    const int direction = tool.WallDirection();
    if (direction > 0) {
        AddFrenchDoorLeaf(tool, dc, client, mode);
        return;
    }
    const DoorSwingSettings swing = ReadDoorSwing();
    const long long h = tool.OpeningWidth / 2;
    const long long hs = static_cast<long long>(std::trunc(static_cast<double>(h) * swing.sine));
    const long long hc = static_cast<long long>(std::trunc(static_cast<double>(h) * swing.cosine));
    const long long t = tool.WallThickness();
    const long long px = tool.InsertX;
    const long long py = tool.InsertY;
    const bool out = mode == FrenchDoorsOut;
    tool.Kind = type_code::OpeningLine;
    tool.PenStyle() = 0;
    tool.PenWidth() = swing.thickness;
    tool.Colour = Shared.DrawingColour;

    // The face the leaves hang on (f) and their offset across the wall (o), by direction.
    Leaf first{};
    Leaf second{};
    long long meetX = px;
    long long meetY = py;
    if (direction == TWindowobjtool::RunsRight || direction == TWindowobjtool::RunsLeft) {
        const bool right = direction == TWindowobjtool::RunsRight;
        const long long f = out ? py : (right ? py - t : py + t);
        const long long o = (out == right) ? hs : -hs;
        first = {px - h, f, px - h + hc, f + o};
        second = {px + h, f, px + h - hc, f + o};
        meetY = f;
    } else {
        const bool down = direction == TWindowobjtool::RunsDown;
        const long long f = out ? px : (down ? px - t : px + t);
        const long long o = (out == down) ? hs : -hs;
        first = {f, py + h, f + o, py + h - hc};
        second = {f, py - h, f + o, py - h + hc};
        meetX = f;
    }
    MakeToolLine(tool, dc, client, first.hingeX, first.hingeY, first.endX, first.endY);
    MakeToolLine(tool, dc, client, second.hingeX, second.hingeY, second.endX, second.endY);
    AddLeafArc(tool, first, h, meetX, meetY, dc, client);
    AddLeafArc(tool, second, h, meetX, meetY, dc, client);
}

void AddFrenchDoorLeaf(TWindowobjtool& tool, DeviceContext& dc, const Rect& client, int mode) {
    const DoorSwingSettings swing = ReadDoorSwing();
    tool.Kind = type_code::OpeningLine;
    tool.PenWidth() = 1;
    tool.PenStyle() = 0;
    const int angle = tool.WallDirection();
    const int h = tool.OpeningWidth / 2;
    const AngledOpening g = AngledOpeningOf(angle, h, tool.WallThickness());
    const OpeningEnds ends = CentredEnds(g, tool.InsertX, tool.InsertY);
    MakeToolLine(tool, dc, client, ends.x1, ends.y1, ends.x1 + g.stepX, ends.y1 + g.stepY);
    MakeToolLine(tool, dc, client, ends.x2, ends.y2, ends.x2 + g.stepX, ends.y2 + g.stepY);

    // Each leaf from its jamb's outer end (opening out) or inner end (opening in).
    const bool out = mode == FrenchDoorsOut;
    const long long a = static_cast<long long>(swing.angle) * 10;
    const long long wallAngle = angle;
    const bool firstHalf = g.quadrant.quadrant <= 2;
    const long long atSecond = firstHalf ? (out ? wallAngle + a + 1800 : wallAngle - a + 1800)
                                         : (out ? wallAngle - a : wallAngle + a);
    const long long atFirst = firstHalf ? (out ? wallAngle - a : wallAngle + a)
                                        : (out ? wallAngle + a - 1800 : wallAngle - a - 1800);
    tool.PenWidth() = swing.thickness;
    tool.X1 = Clamped(out ? ends.x2 : ends.x2 + g.stepX);
    tool.Y1 = Clamped(out ? ends.y2 : ends.y2 + g.stepY);
    PolarEndPoint(tool, Clamped(atSecond), h);
    tool.CreateObject(dc, client);
    tool.X1 = Clamped(out ? ends.x1 : ends.x1 + g.stepX);
    tool.Y1 = Clamped(out ? ends.y1 : ends.y1 + g.stepY);
    PolarEndPoint(tool, Clamped(atFirst), h);
    tool.CreateObject(dc, client);
}
