#include "view/datum.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "tools/drawing_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"
#include "view/child.h"
#include "view/view_owner.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

float DatumBearing(const TChild& view, long long x, long long y) {
    const long long dx0 = view.DatumX;
    const long long dy0 = view.DatumY;
    if (dx0 - 24 < x && x < dx0 + 24 && dy0 - 24 < y && y < dy0 + 24) return 0.0f;
    const double ax = static_cast<double>(std::llabs(x - dx0));
    const double ay = static_cast<double>(std::llabs(y - dy0));
    const bool right = x > dx0;
    const bool above = y > dy0;
    if (ax == 0.0) return (ay == 0.0 || above) ? 0.0f : 180.0f;
    if (ay == 0.0) return right ? 90.0f : 270.0f;
    const double theta = std::atan(ax / ay) * 57.29578;
    double bearing = 0.0;
    if (right && above)
        bearing = theta;
    else if (right)
        bearing = 180.0 - theta;
    else if (!above)
        bearing = 180.0 + theta;
    else
        bearing = 360.0 - theta;
    return static_cast<float>(bearing);
}

std::string DatumReadoutText(int units, int datumState, long long h, long long v, float bearing) {
    if (datumState < 2 || datumState > 4) return {};
    char text[128];
    if (units == 1) {
        if (datumState == 4)
            std::snprintf(text, sizeof text, "h %lld: v %lld angle %.2f DATUM", h, v,
                          static_cast<double>(bearing));
        else
            std::snprintf(text, sizeof text, "h %lld: v %lld m.m DATUM", h, v);
        return text;
    }
    // Whole inches, then feet and inches; a negative offset keeps its sign in both.
    const long long hq = h / 24;
    const long long vq = v / 24;
    if (datumState == 4)
        std::snprintf(text, sizeof text, "%lld' %lld: %lld' %lld, angle %.2f DATUM", hq / 12, hq % 12,
                      vq / 12, vq % 12, static_cast<double>(bearing));
    else
        std::snprintf(text, sizeof text, "h %lld' %lld: v %lld' %lld DATUM", hq / 12, hq % 12, vq / 12,
                      vq % 12);
    return text;
}

void ShowCursorReadout(TChild& view, platform::Point client) {
    platform::Point logical = ClientToLogical(view, client);
    // A view zoomed far out puts the cursor beyond the int range of drawing units.
    const long long wx = static_cast<long long>(logical.x) * Shared.Scale;
    const long long wy = static_cast<long long>(logical.y) * Shared.Scale;
    // The snap distance: about half a pixel's worth of drawing units either way.
    const int d = Shared.Units == 1 ? static_cast<int>(Shared.Zoom * 5 * 0.5)
                                    : static_cast<int>(Shared.Zoom * 4 * 0.5 - 1);
    const long long datumX = view.DatumX;
    const long long datumY = view.DatumY;
    if (datumX - d < wx && wx < datumX + d) view.DatumX = tool_support::Clamped(wx);
    if (datumY - d < wy && wy < datumY + d) view.DatumY = tool_support::Clamped(wy);
    if (view.DatumState < 2 || view.DatumState > 4) return;
    const long long h = wx - view.DatumX;
    const long long v = wy - view.DatumY;
    const float bearing = view.DatumState == 4 ? DatumBearing(view, wx, wy) : 0.0f;
    ShowReadout(DatumReadoutText(Shared.Units, view.DatumState, h, v, bearing));
}

void ToggleDatumPlacement(TChild& view) {
    if (view.DatumState != 2) {
        ShowPrompt("DATUM ON - click reference point with Left Btn, click ICON or use TAB key to turn off");
        view.Owner().Tool().KeyMode() = 0;
        view.DatumX = 0;
        view.DatumY = 0;
        view.DatumState = 2;
    } else {
        ShowPrompt("press F1 for help");
        SetDatum(view, 4);
    }
}
