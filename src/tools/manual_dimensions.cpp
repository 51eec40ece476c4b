// Manual dimensions: two points marked with Enter, each snapped to a nearby wall face or room edge, the
// arrows shown at once, and the length the user confirms or gives.
#include "tools/dimensions.h"

#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "settings/feet_dialog.h"
#include "settings/length_format.h"
#include "tools/drawing_view.h"
#include "tools/line_tool.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;
using tool_support::Clamped;

namespace {

// How near a face must be to catch a point, drawing units whatever the units of the drawing.
constexpr long long SnapDistance = 30;
// What NearestWallPoint leaves in an output it does not write.
constexpr int NoSnap = 300000;
// The most characters typed into the "Measurement" box.
constexpr int MeasurementLimit = 7;

bool Near(long long coordinate, long long value) {
    return value - SnapDistance < coordinate && coordinate < value + SnapDistance;
}

bool Within(long long coordinate, long long low, long long high) {
    return low - SnapDistance < coordinate && coordinate < high + SnapDistance;
}

// A face line with its ends ordered so that x1 <= x2 and y1 >= y2.
struct Face {
    long long x1, y1, x2, y2;
};

Face Ordered(int xa, int ya, int xb, int yb) {
    return {std::min(xa, xb), std::max(ya, yb), std::max(xa, xb), std::min(ya, yb)};
}

// A vertical face catches the point's x, a horizontal one its y; a slanting face catches nothing.
bool SnapToFace(const Face& face, long long px, long long py, int& snappedX, int& snappedY) {
    if (face.x1 == face.x2) {
        if (Near(px, face.x1) && Within(py, face.y2, face.y1)) {
            snappedX = Clamped(face.x1);
            return true;
        }
    } else if (face.y1 == face.y2) {
        if (Near(py, face.y1) && Within(px, face.x1, face.x2)) {
            snappedY = Clamped(face.y1);
            return true;
        }
    }
    return false;
}

bool SnapToExternalWall(const TExtwallobj& wall, long long px, long long py, int& snappedX, int& snappedY) {
    if (SnapToFace(Ordered(wall.x1, wall.y1, wall.x2, wall.y2), px, py, snappedX, snappedY)) return true;
    // The inner face: face 1 of a solid wall, face 3 of a cavity wall.
    const Face inner = wall.ewall2 < 1 ? Ordered(wall.f1x1, wall.f1y1, wall.f1x2, wall.f1y2)
                                       : Ordered(wall.f3x1, wall.f3y1, wall.f3x2, wall.f3y2);
    return SnapToFace(inner, px, py, snappedX, snappedY);
}

// An internal wall along an axis: its line, then its other face.
bool SnapToInternalWall(const TIntwallobj& wall, long long px, long long py, int& snappedX, int& snappedY) {
    if (wall.x1 != wall.x2 && wall.y1 != wall.y2) return false;
    return SnapToFace(Ordered(wall.x1, wall.y1, wall.x2, wall.y2), px, py, snappedX, snappedY) ||
           SnapToFace(Ordered(wall.fx1, wall.fy1, wall.fx2, wall.fy2), px, py, snappedX, snappedY);
}

// A room's edges as stored (x1 left, x2 right, y1 top, y2 bottom): its sides first, then its top and
// bottom.
bool SnapToRoom(const TObject& room, long long px, long long py, int& snappedX, int& snappedY) {
    if (Within(py, room.y2, room.y1)) {
        if (Near(px, room.x1)) {
            snappedX = room.x1;
            return true;
        }
        if (Near(px, room.x2)) {
            snappedX = room.x2;
            return true;
        }
    }
    if (Within(px, room.x1, room.x2)) {
        if (Near(py, room.y1)) {
            snappedY = room.y1;
            return true;
        }
        if (Near(py, room.y2)) {
            snappedY = room.y2;
            return true;
        }
    }
    return false;
}

// A pressed point in drawing units, moved onto the face near it: its x when the face is vertical, else
// its y.
Point SnappedPoint(DeviceContext& dc, const Rect& client, int x, int y) {
    Point point = tool_support::ToDrawingUnits(dc, client, x, y);
    int snappedX = NoSnap;
    int snappedY = NoSnap;
    NearestWallPoint(point.x, point.y, snappedX, snappedY);
    if (snappedX < NoSnap)
        point.x = snappedX;
    else if (snappedY < NoSnap)
        point.y = snappedY;
    return point;
}

// The second point: the arrows at both ends of a horizontal or vertical dimension line through the
// first point; the tool keeps the text's anchor in X1, Y1, the length in Extra1, the direction in Angle
// and the vertical flag in CrossMode.
void MarkSecondPoint(TDrawingtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    tool.CrossMode = 0;
    tool.Number = NewObjectSerial();
    const Point second = SnappedPoint(dc, client, x, y);
    tool.X2 = second.x;
    tool.Y2 = second.y;
    const long long x1 = tool.X1, y1 = tool.Y1, x2 = tool.X2, y2 = tool.Y2;
    Point anchor;
    // A tie goes horizontal.
    if (std::llabs(y2 - y1) <= std::llabs(x2 - x1)) {
        const int lineY = tool.Y1;
        const long long left = std::min(x1, x2);
        const long long right = std::max(x1, x2);
        tool.Extra1 = Clamped(right - left);
        tool.Angle = x2 <= x1 ? 2700 : 900;
        AddManualDimensionArrow(tool, dc, client, Clamped(left), lineY, arrow_side::Left);
        AddManualDimensionArrow(tool, dc, client, Clamped(right), lineY, arrow_side::Right);
        anchor = {Clamped(left + (right - left) / 2), lineY};
    } else {
        const int lineX = tool.X1;
        const long long low = std::min(y1, y2);
        const long long high = std::max(y1, y2);
        tool.Extra1 = Clamped(high - low);
        tool.Angle = y2 >= y1 ? 0 : 1800;
        AddManualDimensionArrow(tool, dc, client, lineX, Clamped(high), arrow_side::Top);
        AddManualDimensionArrow(tool, dc, client, lineX, Clamped(low), arrow_side::Bottom);
        anchor = {lineX, Clamped(low + (high - low) / 2)};
        tool.CrossMode = 1;
    }
    tool.X1 = anchor.x;
    tool.Y1 = anchor.y;
}

// The text of the length at the anchor, painted, and the dimension saved with its arrows.
void AddManualText(TDrawingtool& tool, DeviceContext& dc, const Rect& client, int orientation, int textSize) {
    const int turned = orientation == 2700 && tool.CrossMode == 1 ? 2700 : 0;
    DrawingList.Add(MakeDimensionText(type_code::SizeText, tool.Number, {tool.X1, tool.Y1}, tool.Angle, 6,
                                      turned, LengthText(tool.Extra1, Shared.Units), textSize));
    DrawingList[DrawingList.count - 1]->PaintMapped(dc, client, 0);
    DrawingList.WriteDrawing();
}

// The length of the dimension as the user confirms or gives it; nothing when the box is cancelled or,
// in feet and inches, when the length comes to less than one unit.
bool AskMeasuredLength(int measured, int& length) {
    if (Shared.Units == 1) {
        std::string text = std::to_string(measured);
        if (!platform::TheDesktop().InputBox("Measurement", "", text, MeasurementLimit)) return false;
        // Text that is no number gives 0, which is shown as it is.
        length = ParseDecimal(text);
        return true;
    }
    TFeetdlg dialog(TFeetdlg::Resource, measured);
    if (dialog.Execute() != platform::IdOk) return false;
    length = dialog.LengthUnits(FractionRule::Proper);
    return length >= 1;
}

} // namespace

void AddManualDimension(TDrawingtool& tool, DeviceContext& dc, const Rect& client, int x, int y,
                        int orientation, int textSize) {
    switch (tool.State) {
    case TLinetool::ManualDimension: {
        const Point first = SnappedPoint(dc, client, x, y);
        tool.X1 = first.x;
        tool.Y1 = first.y;
        break;
    }
    case TLinetool::ManualDimensionSecond:
        MarkSecondPoint(tool, dc, client, x, y);
        break;
    case TLinetool::ManualDimensionText:
        AddManualText(tool, dc, client, orientation, textSize);
        break;
    default:
        break;
    }
}

void NearestWallPoint(int x, int y, int& snappedX, int& snappedY) {
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& object = *DrawingList[i];
        if (object.view != Shared.CurrentView) continue;
        bool snapped = false;
        if (object.type == type_code::ExternalWall)
            snapped = SnapToExternalWall(static_cast<const TExtwallobj&>(object), x, y, snappedX, snappedY);
        else if (object.type == type_code::InternalWall)
            snapped = SnapToInternalWall(static_cast<const TIntwallobj&>(object), x, y, snappedX, snappedY);
        else if (object.type == type_code::DesignRoom)
            snapped = SnapToRoom(object, x, y, snappedX, snappedY);
        if (snapped) return;
    }
}

void AddManualDimensionArrow(TDrawingtool& tool, DeviceContext& dc, const Rect& client, int x, int y,
                             int side) {
    const int before = DrawingList.count;
    AddDimensionArrow(tool, type_code::ManualDimension, x, y, side);
    if (DrawingList.count > before) DrawingList[DrawingList.count - 1]->PaintMapped(dc, client, 0);
}

void EnterMeasurement(DrawingView& view, int x, int y) {
    const int before = DrawingList.count;
    CallTool(view, [&](TDrawingtool& tool, DeviceContext& dc, const Rect& client) {
        tool.AddDimension(dc, client, x, y, 1, 'z');
    });
    TDrawingtool& tool = view.Tool();
    if (tool.State != TLinetool::ManualDimensionSecond) return;
    // The arrows are saved with the text, once the length is given. Until then they wait outside the
    // list: a repaint while the box is open reads the drawing back, and would take them with it.
    std::vector<std::unique_ptr<TObject>> arrows = DrawingList.TakeFrom(before);
    const RecordOrigin readAt = SheetCentreInForce();
    int length = 0;
    if (!AskMeasuredLength(tool.Extra1, length)) {
        // The arrows were never saved: the repaint asked for here takes them off the screen.
        view.SelectPickTool();
        InvalidateWholeView(view);
        return;
    }
    // A window resized behind the box fitted the sheet anew, and the drawing read back since lies
    // against its new centre: the arrows go with it, as the text's anchor the tool holds has.
    const RecordOrigin centre = SheetCentreInForce();
    tool.Extra1 = length;
    tool.State = TLinetool::ManualDimensionText;
    CallTool(view, [&](TDrawingtool& calling, DeviceContext& dc, const Rect& client) {
        for (std::unique_ptr<TObject>& arrow : arrows) {
            MoveRecordOrigin(*arrow, readAt, centre);
            arrow->PaintMapped(dc, client, 0); // gone from the view if it repainted behind the box
            DrawingList.Add(std::move(arrow));
        }
        calling.AddDimension(dc, client, 0, 0, 0, 'z');
    });
    view.SelectPickTool();
}
