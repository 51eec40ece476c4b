#include "partitions/window_tool.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "partitions/opening_geometry.h"
#include "partitions/wall_opening.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "settings/cfg_files.h"
#include "tools/object_creation.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/tool_support.h"

#include <cmath>
#include <cstdlib>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

long long StoreyHeightsBelow(int view) {
    long long sum = 0;
    const int scale = tool_support::ScaleDivisor();
    for (int floor = view_code::GroundFloor; floor < view && floor < view_code::FourthPlan; ++floor) {
        const int index = DrawingList.FindType(type_code::FloorRecordBase + floor);
        if (index != NoObjectIndex) sum += DrawingList[index]->z2 / scale;
    }
    return sum;
}

namespace {

bool Between(long long low, long long value, long long high) {
    return low <= value && value <= high;
}

} // namespace

TWindowobjtool::TWindowobjtool() {
    Kind = tool_kind::Window;
}

void TWindowobjtool::SetLeafOffsets() {
    const DoorSwingSettings swing = ReadDoorSwing();
    InsertX = Clamped(static_cast<long long>(std::trunc(OpeningWidth * swing.sine)));
    InsertY = Clamped(static_cast<long long>(std::trunc(OpeningWidth * swing.cosine)));
}

void TWindowobjtool::Step(int width, int /*unused1*/, int /*unused2*/) {
    WindowSettings settings = ReadWindowSettings(Shared.Units);
    OpeningType = settings.type;
    OpeningWidth = settings.width;
    Height = settings.height;
    Elevation = settings.baseElevation;
    ShowSizes = settings.showSizes;
    ShowCill = settings.showCill;
    if (OpeningType == ExternalDoorType) {
        // The door dialog's width replaces the window dialog's.
        OpeningWidth = width;
        settings.width = width;
        WriteWindowSettings(settings, CfgLineEnd::Newline);
    }
    if (Shared.CurrentView > view_code::GroundFloor)
        Elevation = Clamped(Elevation + StoreyHeightsBelow(Shared.CurrentView));
    if (OpeningType == ExternalDoorType || OpeningType == MainEntryType) {
        SetLeafOffsets();
        OutlineHanding = Handing();
    }
    DragActive() = 1;
}

void TWindowobjtool::MouseMove(DeviceContext& dc, const Rect& client, int x, int y) {
    if (DragActive() != 1 || Kind != tool_kind::Window) return;
    const Point at = tool_support::ToDrawingUnits(dc, client, x, y);
    if (OutlineShown >= 1) {
        if (at.x == X1 && at.y == Y1) return;
        DrawShape(dc, 1);
    }
    X1 = at.x;
    Y1 = at.y;
    DrawShape(dc, 1);
    OutlineShown = 1;
}

void TWindowobjtool::DrawShape(DeviceContext& dc, int /*code*/) {
    const int scale = tool_support::ScaleDivisor();
    tool_support::ExclusiveOrPen outline(dc, Shared.DrawingColour);
    if (Kind == tool_kind::HingedDoor || OpeningType == ExternalDoorType) {
        DrawLeafOutline(dc, scale);
        return;
    }
    const bool internalDoor =
        Kind == tool_kind::DoorPair || Kind == tool_kind::WallOpening || Kind == tool_kind::SlidingDoor;
    DrawCircleOutline(dc, scale, !internalDoor);
}

// The leaf from the hinge at (X1, Y1) and a tick of 50 logical units each way across the closing
// jamb, one width along the wall.
void TWindowobjtool::DrawLeafOutline(DeviceContext& dc, int scale) const {
    const long long x = X1;
    const long long y = Y1;
    const long long sx = InsertX;
    const long long sy = InsertY;
    const long long w = OpeningWidth;
    long long leafX = 0;
    long long leafY = 0;
    long long tickAt = 0; // the jamb's y (handings 1 to 4) or x (5 to 8)
    switch (OutlineHanding) {
    case 1:
        leafX = x - sx, leafY = y - sy, tickAt = y - w;
        break;
    case 2:
        leafX = x - sx, leafY = y + sy, tickAt = y + w;
        break;
    case 3:
        leafX = x + sx, leafY = y - sy, tickAt = y - w;
        break;
    case 4:
        leafX = x + sx, leafY = y + sy, tickAt = y + w;
        break;
    case 5:
        leafX = x + sy, leafY = y + sx, tickAt = x + w;
        break;
    case 6:
        leafX = x + sy, leafY = y - sx, tickAt = x + w;
        break;
    case 7:
        leafX = x - sy, leafY = y + sx, tickAt = x - w;
        break;
    case 8:
        leafX = x - sy, leafY = y - sx, tickAt = x - w;
        break;
    default:
        return;
    }
    const int ix = X1 / scale;
    const int iy = Y1 / scale;
    dc.MoveTo(ix, iy);
    dc.LineTo(Clamped(leafX / scale), Clamped(leafY / scale));
    const int tick = Clamped(tickAt / scale);
    if (OutlineHanding <= 4) {
        dc.MoveTo(Clamped(ix - 50LL), tick);
        dc.LineTo(Clamped(ix + 50LL), tick);
    } else {
        dc.MoveTo(tick, Clamped(iy - 50LL));
        dc.LineTo(tick, Clamped(iy + 50LL));
    }
}

// A hollow circle the opening wide centred on (X1, Y1); marked, with a tick of 80 logical units
// touching it at its top, bottom, left and right and a cross through its centre.
void TWindowobjtool::DrawCircleOutline(DeviceContext& dc, int scale, bool marked) const {
    const long long ix = X1 / scale;
    const long long iy = Y1 / scale;
    const long long r = OpeningWidth / 2 / scale;
    const platform::Brush previous = dc.SelectBrush(platform::Brush::NullBrush());
    dc.Ellipse(Clamped(ix - r), Clamped(iy + r), Clamped(ix + r), Clamped(iy - r));
    dc.SelectBrush(previous);
    if (!marked) return;
    auto line = [&dc](long long x1, long long y1, long long x2, long long y2) {
        dc.MoveTo(Clamped(x1), Clamped(y1));
        dc.LineTo(Clamped(x2), Clamped(y2));
    };
    line(ix - 40, iy + r, ix + 40, iy + r);
    line(ix - 40, iy - r, ix + 40, iy - r);
    line(ix - r, iy - 40, ix - r, iy + 40);
    line(ix + r, iy - 40, ix + r, iy + 40);
    line(ix - r, iy, ix + r, iy);
    line(ix, iy - r, ix, iy + r);
}

void TWindowobjtool::LButtonDown(DeviceContext& /*dc*/, const Rect& /*client*/, int /*x*/, int /*y*/) {}

bool TWindowobjtool::AxisWallSuits(const TObject& wall) {
    const long long x = InsertX;
    const long long y = InsertY;
    const long long w = OpeningWidth;
    const long long half = OpeningWidth / 2;
    const long long reach = WallLayers(wall) + 10LL * Shared.Scale;
    const int handing = Handing();
    const bool door = OpeningType == ExternalDoorType;
    if (wall.y1 == wall.y2) {
        if (!(wall.y1 - reach < y && y < wall.y1 + reach)) return false;
        const long long left = std::min(wall.x1, wall.x2);
        const long long right = std::max(wall.x1, wall.x2);
        bool fits = false;
        if (door)
            // A door along x hangs by a handing of 5 to 8; 5 and 6 extend from the hinge towards +x.
            fits = handing > 4 &&
                   (handing == 5 || handing == 6 ? Between(left, x, right - w) : Between(left + w, x, right));
        else
            fits = Between(left + half, x, right - half);
        if (!fits) return false;
        WallDirection() = wall.x1 < wall.x2 ? RunsRight : RunsLeft;
        InsertY = wall.y1;
        return true;
    }
    if (wall.x1 != wall.x2) return false;
    if (!(wall.x1 - reach < x && x < wall.x1 + reach)) return false;
    const long long bottom = std::min(wall.y1, wall.y2);
    const long long top = std::max(wall.y1, wall.y2);
    bool fits = false;
    if (door)
        // A door along y hangs by a handing of 1 to 4; 1 and 3 extend from the hinge towards -y.
        fits = handing < 5 &&
               (handing == 1 || handing == 3 ? Between(bottom + w, y, top) : Between(bottom, y, top - w));
    else
        // Strict along y, where the test along x includes the ends: stored plans were placed so.
        fits = bottom + half < y && y < top - half;
    if (!fits) return false;
    WallDirection() = wall.y1 < wall.y2 ? RunsUp : RunsDown;
    InsertX = wall.x1;
    return true;
}

bool TWindowobjtool::FindWall() {
    bool angledSearched = false;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (wall.type != type_code::ExternalWall || wall.view != Shared.CurrentView) continue;
        if (wall.y1 == wall.y2 || wall.x1 == wall.x2) {
            if (AxisWallSuits(wall)) {
                WallIndex = i;
                return true;
            }
            continue;
        }
        // The angled walls are searched all at once, at the first of them; a search that found none
        // would find none again.
        if (angledSearched || WallAngleOf(wall) <= 0) continue;
        angledSearched = true;
        SnapToAngledExtWall();
        if (WallDirection() > 0) return true;
    }
    return false;
}

void TWindowobjtool::SnapToAngledExtWall() {
    WallDirection() = 0;
    const long long x = InsertX;
    const long long y = InsertY;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (wall.type != type_code::ExternalWall || wall.view != Shared.CurrentView) continue;
        const int angle = WallAngleOf(wall);
        if (angle <= 0 || angle >= 3600 || angle == 900 || angle == 2700) continue;
        if (wall.x1 == wall.x2) continue;
        if (!Between(std::min(wall.x1, wall.x2), x, std::max(wall.x1, wall.x2)) ||
            !Between(std::min(wall.y1, wall.y2), y, std::max(wall.y1, wall.y2)))
            continue;
        WallDirection() = angle;
        WallIndex = i;
        break;
    }
    if (WallDirection() <= 0) return;

    const TObject& wall = *DrawingList[WallIndex];
    const WallQuadrant q = QuadrantOf(WallDirection());
    const bool odd = q.quadrant == 1 || q.quadrant == 3;
    long long dx = std::llabs(x - wall.x1);
    long long dy = std::llabs(y - wall.y1);
    if (dx == 0) dx = 1;
    if (dy == 0) dy = 1;
    // The point's own bearing within the quadrant, tenths of a degree.
    const double ratio = odd ? static_cast<double>(dy) / static_cast<double>(dx)
                             : static_cast<double>(dx) / static_cast<double>(dy);
    const long long bearing = 900 - static_cast<long long>(std::atan(ratio) * 572.9578);
    if (bearing == q.residue) return;
    // The foot of the perpendicular on the wall line.
    const double distance = std::sqrt(static_cast<double>(dx) * static_cast<double>(dx) +
                                      static_cast<double>(dy) * static_cast<double>(dy));
    const double along = std::cos(static_cast<double>(bearing - q.residue) * RadiansPerTenth) * distance;
    const long long px = RoundToLong((odd ? std::sin(q.radians) : std::cos(q.radians)) * along);
    const long long py = RoundToLong((odd ? std::cos(q.radians) : std::sin(q.radians)) * along);
    const long long x1 = wall.x1;
    const long long y1 = wall.y1;
    switch (q.quadrant) {
    case 1:
        InsertX = Clamped(x1 + px), InsertY = Clamped(y1 + py);
        break;
    case 2:
        InsertX = Clamped(x1 + px), InsertY = Clamped(y1 - py);
        break;
    case 3:
        InsertX = Clamped(x1 - px), InsertY = Clamped(y1 - py);
        break;
    default:
        InsertX = Clamped(x1 - px), InsertY = Clamped(y1 + py);
        break;
    }
}

bool TWindowobjtool::EntryHandingSuits() {
    const int handing = Handing();
    if (handing == 0) return true;
    switch (WallDirection()) {
    case RunsRight:
        return handing == 6 || handing == 8;
    case RunsLeft:
        return handing == 5 || handing == 7;
    case RunsDown:
        return handing == 1 || handing == 2;
    case RunsUp:
        return handing == 3 || handing == 4;
    default:
        return false; // an angled wall takes an entry without a door only
    }
}

void TWindowobjtool::KeyDown(DeviceContext& dc, const Rect& client, int key, Point cursor, int /*value*/) {
    if (key != platform::VirtualKey::Return) return;
    DragActive() = 0;
    WallDirection() = 0;
    const Point at = tool_support::ToDrawingUnits(dc, client, cursor.x, cursor.y);
    // The outline goes from where it is shown, with the pen it was drawn with.
    if (OutlineShown >= 1) DrawShape(dc, 1);
    X1 = at.x;
    Y1 = at.y;
    InsertX = X1;
    InsertY = Y1;
    dc.SetROP2(platform::RasterOp::CopyPen);
    WallIndex = 0;
    WallAngle() = 0;
    OutlineShown = 0;
    // A tool rebuilt without its settings (after a zoom) has no opening to place.
    if (OpeningWidth <= 0) {
        Y1 = UnsuitedPosition;
        return;
    }
    const unsigned ok = platform::MessageBoxStyle::Ok;
    if (!FindWall()) {
        if (OpeningType == ExternalDoorType) {
            ViewMessageBox("Unsuitable door type for this wall, or door was not marked on an external wall ",
                           "Door / Wall Error", ok);
        } else {
            Y1 = UnsuitedPosition;
            ViewMessageBox("No wall marked", "Marking Error - Please Retry", ok);
            SetLeafOffsets();
        }
        return;
    }
    if (WallDirection() < 0) Side() = -WallDirection();
    if (OpeningType == MainEntryType && !EntryHandingSuits()) {
        Y1 = UnsuitedPosition;
        ViewMessageBox("Unsuitable entry door type for this wall", "Entry Door Selection Error", ok);
        SetLeafOffsets();
        return;
    }
    RunNumber() = DrawingList[WallIndex]->aux;
    Z1 = Z2 = 0;
    PrepareWallOpening(*this, dc, client, 0);
    WallDirection() = 0;
    OutlineShown = 0;
    // Placed: Y1 holds the last line's end, which must not read as the refusal mark.
    Y1 = 0;
}
