#include "partitions/main_entry.h"

#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/door_swings.h"
#include "partitions/opening_geometry.h"
#include "partitions/window_tool.h"
#include "settings/cfg_files.h"
#include "tools/tool_support.h"

#include <optional>

using platform::DeviceContext;
using platform::Rect;
using tool_support::Clamped;

namespace {

// A wall direction seen from outside the house: the viewer's left is the way the wall runs (positions
// s along the wall grow towards it), and the door handings that hinge a door at the left end of the
// door area (as 8 does on a wall running towards +x) or at its right end (as 6).
struct EntrySide {
    long long alongX, alongY;   // unit vector to the viewer's left
    long long inwardX, inwardY; // unit vector into the house
    int hingedLeft;             // the handing of a door hinged at its left end
    int hingedRight;
};

EntrySide SideOf(int direction) {
    switch (direction) {
    case TWindowobjtool::RunsRight:
        return {1, 0, 0, -1, 8, 6};
    case TWindowobjtool::RunsLeft:
        return {-1, 0, 0, 1, 5, 7};
    case TWindowobjtool::RunsDown:
        return {0, -1, -1, 0, 2, 1};
    default:
        return {0, 1, 1, 0, 3, 4};
    }
}

} // namespace

void AddMainEntry(TWindowobjtool& tool, DeviceContext& dc, const Rect& client) {
    const EntrySettings entry = ReadEntrySettings(Shared.Units);
    const int savedX = tool.InsertX;
    const int savedY = tool.InsertY;
    const int savedWidth = tool.OpeningWidth;
    const int handing = tool.Handing();
    tool.LeafHanding() = handing;
    tool.Handing() = 0;

    const long long w = tool.OpeningWidth;
    const long long doors = entry.doors;
    long long doorArea = doors * entry.width;
    long long leafWidth = entry.width;
    if (w < doorArea) {
        doorArea = w;
        leafWidth = w / 2;
    }
    const long long frame = w - doorArea;
    tool.OpeningWidth = Clamped(leafWidth);
    tool.Kind = type_code::OpeningLine;
    tool.PenWidth() = 1;
    tool.Colour = Shared.DrawingColour;
    tool.PenStyle() = 0;

    const EntrySide side = SideOf(tool.WallDirection());
    const long long t = tool.WallThickness();
    const long long px = tool.InsertX;
    const long long py = tool.InsertY;
    // Positions along the wall (s) from the insertion point towards the viewer's left: panels on the
    // centre line, mullions across the whole wall.
    const long long centreX = px + side.inwardX * (t / 2);
    const long long centreY = py + side.inwardY * (t / 2);
    auto panel = [&](long long from, long long to) {
        MakeToolLine(tool, dc, client, centreX + side.alongX * from, centreY + side.alongY * from,
                     centreX + side.alongX * to, centreY + side.alongY * to);
    };
    auto mullion = [&](long long s) {
        const long long x = px + side.alongX * s;
        const long long y = py + side.alongY * s;
        MakeToolLine(tool, dc, client, x, y, x + side.inwardX * t, y + side.inwardY * t);
    };
    const long long half = w / 2;
    const bool twoDoors = doors == 2;
    std::optional<long long> hinge;
    switch (entry.position) {
    case 'r': { // the doors on the viewer's left, the panel at the right end
        const long long post = -half + frame;
        panel(-half, post);
        mullion(post);
        if (twoDoors)
            hinge = post + doorArea / 2;
        else if (handing == side.hingedRight)
            hinge = post;
        else if (handing == side.hingedLeft)
            hinge = half;
        break;
    }
    case 'b': { // the doors in the middle, a panel at each end
        const long long rightPost = -half + frame / 2;
        const long long leftPost = half - frame / 2;
        panel(-half, rightPost);
        panel(half, leftPost);
        mullion(rightPost);
        mullion(leftPost);
        if (twoDoors)
            hinge = 0;
        else if (handing == side.hingedRight)
            hinge = rightPost;
        else if (handing == side.hingedLeft)
            hinge = leftPost;
        break;
    }
    default: { // 'l': the doors on the viewer's right, the panel at the left end
        const long long post = half - frame;
        panel(half, post);
        mullion(post);
        if (twoDoors)
            hinge = post - doorArea / 2;
        else if (handing == side.hingedLeft)
            hinge = post;
        else if (handing == side.hingedRight)
            hinge = -half;
        break;
    }
    }
    // The hinge lies on the wall line.
    const long long hingeX = px + side.alongX * hinge.value_or(0);
    const long long hingeY = py + side.alongY * hinge.value_or(0);
    if (!twoDoors) {
        tool.InsertX = Clamped(hingeX);
        tool.InsertY = Clamped(hingeY);
        AddDoorSwing(tool, dc, client);
    } else {
        // Two leaves from the ends of the door area meeting at the hinge point.
        const bool alongX = side.alongX != 0;
        const long long stepX = alongX ? leafWidth : 0;
        const long long stepY = alongX ? 0 : leafWidth;
        struct Door {
            long long x, y;
            int handing;
        };
        Door first{};
        Door second{};
        switch (tool.WallDirection()) {
        case TWindowobjtool::RunsRight:
            first = {hingeX - stepX, hingeY, 6};
            second = {hingeX + stepX, hingeY, 8};
            break;
        case TWindowobjtool::RunsLeft:
            first = {hingeX - stepX, hingeY, 5};
            second = {hingeX + stepX, hingeY, 7};
            break;
        case TWindowobjtool::RunsDown:
            first = {hingeX, hingeY + stepY, 1};
            second = {hingeX, hingeY - stepY, 2};
            break;
        default:
            first = {hingeX, hingeY + stepY, 3};
            second = {hingeX, hingeY - stepY, 4};
            break;
        }
        for (const Door& door : {first, second}) {
            tool.InsertX = Clamped(door.x);
            tool.InsertY = Clamped(door.y);
            tool.LeafHanding() = door.handing;
            AddDoorSwing(tool, dc, client);
        }
    }
    tool.InsertX = savedX;
    tool.InsertY = savedY;
    tool.OpeningWidth = savedWidth;
    tool.Handing() = twoDoors ? 0 : handing;
}
