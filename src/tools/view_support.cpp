#include "tools/view_support.h"

#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "tools/status_texts.h"
#include "tools/tool_framework.h"
#include "tools/tool_support.h"

using platform::Point;
using platform::Rect;

ToolCallDC::ToolCallDC(DrawingView& view)
    : view_(view), previous_(view.TempDC), dc_(view.Window()->ClientDC()) {
    dc_->SetXorBackground(Shared.BackgroundColour);
    view_.TempDC = dc_.get();
}

ToolCallDC::~ToolCallDC() {
    view_.TempDC = previous_;
}

TDrawingtool& CallingTool(DrawingView& view) {
    TDrawingtool& tool = view.Tool();
    tool.Hwnd() = view.Window();
    return tool;
}

Point ClientToLogical(DrawingView& view, Point client) {
    Point logical;
    if (!view.Window()) return logical;
    auto dc = view.Window()->ClientDC();
    DeviceToLogical(*dc, view.ClientRect(), client.x, client.y, logical.x, logical.y);
    return logical;
}

Point LogicalToClient(DrawingView& view, Point logical) {
    Point client;
    if (!view.Window()) return client;
    auto dc = view.Window()->ClientDC();
    LogicalToDevice(*dc, view.ClientRect(), logical.x, logical.y, client.x, client.y);
    return client;
}

PointTakenForStep::PointTakenForStep(DrawingView& view, Point client) : view_(view) {
    if (!view.Window()) return;
    auto dc = view.Window()->ClientDC();
    view.Tool().TakenPoint = tool_support::ToDrawingUnits(*dc, view.ClientRect(), client.x, client.y);
}

PointTakenForStep::~PointTakenForStep() {
    view_.Tool().TakenPoint = {};
}

Point PointTakenForStep::Now() const {
    return view_.Tool().TakenPoint;
}

void InvalidateWholeView(DrawingView& view) {
    view.Invalidate(nullptr, true);
}

void InvalidateViewArea(DrawingView& view, Rect area) {
    area = area.Normalized();
    view.Invalidate(&area, true);
}

void SetDatum(DrawingView& view, int code) {
    // The room-layout views keep their own datum.
    if (Shared.CurrentView < view_code::GroundFloor) return;
    if (code == 1) {
        view.DatumX = 0;
        view.DatumY = 0;
        view.DatumState = 1;
        ShowReadout("0");
    } else if (code == 4) {
        DrawingList.GetPlanCorner(&view.DatumX, &view.DatumY);
        view.DatumState = 4;
    }
}

void RefreshView(DrawingView& view, int mode) {
    platform::ViewWindow* window = view.Window();
    if (!window) return;
    const Rect client = view.ClientRect();
    switch (mode) {
    case 0:
        window->Invalidate(nullptr, true);
        break;
    case 3: {
        Rect preview{0, client.bottom / 3, client.right / 4, client.bottom};
        window->Invalidate(&preview, true);
        break;
    }
    case 9:
        window->Invalidate(nullptr, true);
        window->UpdateNow();
        break;
    case 15: {
        int* box = view.Tool().PrevBox();
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int scale = Shared.Scale != 0 ? Shared.Scale : 1;
        {
            auto dc = window->ClientDC();
            LogicalToDevice(*dc, client, box[0] / scale, box[2] / scale, x1, y1);
        }
        {
            auto dc = window->ClientDC();
            LogicalToDevice(*dc, client, box[1] / scale, box[3] / scale, x2, y2);
        }
        Rect area = Rect{x1, y1, x2, y2}.Normalized();
        window->Invalidate(&area, true);
        break;
    }
    default:
        break;
    }
}
