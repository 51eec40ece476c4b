#include "tools/tool_support.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/desktop.h"
#include "tools/tool_framework.h"

#include <climits>
#include <cmath>

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

namespace tool_support {

int ScaleDivisor() {
    return Shared.Scale > 0 ? Shared.Scale : 1;
}

int Clamped(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void MoveCoordinate(int& value, long long by) {
    if (value != 0) value = Clamped(value + by);
}

void MoveBox(int* box, long long dx, long long dy) {
    MoveCoordinate(box[0], dx);
    MoveCoordinate(box[1], dx);
    MoveCoordinate(box[2], dy);
    MoveCoordinate(box[3], dy);
}

Point ToLogical(DeviceContext& dc, const Rect& client, int x, int y) {
    Point logical;
    DeviceToLogical(dc, client, x, y, logical.x, logical.y);
    return logical;
}

Point ToDrawingUnits(DeviceContext& dc, const Rect& client, int x, int y) {
    const Point logical = ToLogical(dc, client, x, y);
    const long long scale = ScaleDivisor();
    return {Clamped(logical.x * scale), Clamped(logical.y * scale)};
}

void PutCursorOn(const TDrawingtool& tool, DeviceContext& dc, const Rect& client, int x, int y) {
    const int scale = ScaleDivisor();
    Point device;
    LogicalToDevice(dc, client, x / scale, y / scale, device.x, device.y);
    if (!tool.ViewWindow) return;
    platform::TheDesktop().SetCursorPos(tool.ViewWindow->ClientToScreen(device));
}

ExclusiveOrPen::ExclusiveOrPen(DeviceContext& dc, platform::ColourRef colour, platform::PenStyle style,
                               int width)
    : dc_(dc) {
    dc.SetROP2(platform::RasterOp::XorPen);
    dc.SetXorBackground(Shared.BackgroundColour);
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    previous_ = dc.SelectPen(platform::Pen{colour, width, style});
}

ExclusiveOrPen::~ExclusiveOrPen() {
    dc_.SelectPen(previous_);
}

void FillCommonFields(TObject& object, const TDrawingtool& tool) {
    object.view = Shared.CurrentView;
    object.aux = tool.Group;
    object.number = tool.Number;
    object.type = tool.Kind;
    object.penWidth = tool.Width;
    object.penStyle = tool.Style;
    object.x1 = tool.X1;
    object.z1 = tool.Z1;
    object.x2 = tool.X2;
    object.z2 = tool.Z2;
    object.y1 = tool.Y1;
    object.y2 = tool.Y2;
    object.colour = static_cast<int>(tool.Colour);
}

void ShowAndKeep(std::unique_ptr<TObject> object, DeviceContext& dc, const Rect& client) {
    object->PaintMapped(dc, client, 0);
    DrawingList.Add(std::move(object));
    DrawingList.WriteDrawing();
}

bool StartDiffersFromEnd(const TDrawingtool& tool) {
    return tool.X1 != tool.X2 || tool.Y1 != tool.Y2;
}

int SlantBearing(long long dx, long long dy) {
    const long long thousandths =
        static_cast<long long>(std::atan(static_cast<double>(dx) / static_cast<double>(dy)) * 57295.78);
    return static_cast<int>(thousandths / 100 + (thousandths % 100 >= 50 ? 1 : 0));
}

} // namespace tool_support
