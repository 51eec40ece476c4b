#include "model/view_mapping.h"

#include "model/shared_state.h"

using platform::DeviceContext;
using platform::Point;
using platform::Rect;

void SetViewMapping(DeviceContext& dc, const Rect& client) {
    // The extents come before the origins and the window extent before the viewport extent: the
    // isotropic equalisation works on the extents as they are set.
    dc.SetMapMode(platform::MapMode::Isotropic);
    dc.SetWindowExt(Shared.ClientWidth, Shared.ClientHeight);
    dc.SetViewportExt(client.right, -client.bottom);
    dc.SetWindowOrg(Shared.ScrollX, Shared.ScrollY);
    dc.SetViewportOrg(0, client.bottom);
}

void DeviceToLogical(DeviceContext& dc, const Rect& client, int x, int y, int& logicalX, int& logicalY) {
    SetViewMapping(dc, client);
    Point point{x, y};
    dc.DPtoLP(point); // a failed conversion leaves the point as it was; the outputs are written anyway
    logicalX = point.x;
    logicalY = point.y;
}

void LogicalToDevice(DeviceContext& dc, const Rect& client, int logicalX, int logicalY, int& x, int& y) {
    SetViewMapping(dc, client);
    Point point{logicalX, logicalY};
    dc.LPtoDP(point);
    x = point.x;
    y = point.y;
}

void SetScreenScale() {
    if (Shared.Units == 1) {
        Shared.Scale = 5;
        Shared.Zoom = 5.0f;
        Shared.PenWidthFactor = 5;
    } else {
        Shared.Scale = 6;
        Shared.Zoom = 6.0f;
        Shared.PenWidthFactor = 4;
    }
}
