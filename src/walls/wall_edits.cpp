#include "walls/wall_edits.h"

#include "model/shared_state.h"
#include "tools/drawing_view.h"
#include "tools/view_support.h"
#include "walls/extwall_tool.h"

#include <algorithm>

void EditExternalWall(TExtwallobjtool& /*tool*/, int /*a*/, int /*b*/, int /*c*/) {
    // Will lengthen, shorten, delete, split or retype the wall once the wall edits are built.
}

void ResizeFloorPlan(TExtwallobjtool& /*tool*/, int /*amount*/, int /*x*/, int /*y*/) {
    // Will move a side of the floor plan once enlarging and shrinking are built.
}

void InvalidateWallEditArea(DrawingView& view, const platform::Rect& client, int mode) {
    if (mode != 1 && mode != 2) return;
    auto* tool = dynamic_cast<TExtwallobjtool*>(&view.Tool());
    if (!tool) return;
    int left = tool->EditLeft();
    int right = tool->EditRight();
    int top = tool->EditTop();
    int bottom = tool->EditBottom();
    if (mode == 1) {
        left = std::min({left, tool->X1, tool->X2});
        right = std::max({right, tool->X1, tool->X2});
        top = std::max({top, tool->Y1, tool->Y2});
        bottom = std::min({bottom, tool->Y1, tool->Y2});
    }
    const int scale = Shared.Scale > 0 ? Shared.Scale : 1;
    const long long margin = 10LL * scale;
    auto logical = [&](int units, long long by) {
        const long long value = units / scale + by;
        return static_cast<int>(std::clamp<long long>(value, -1000000000LL, 1000000000LL));
    };
    platform::Point from = LogicalToClient(view, {logical(left, -margin), logical(top, margin)});
    platform::Point to = LogicalToClient(view, {logical(right, margin), logical(bottom, -margin)});
    from.x = std::max(from.x, 0);
    from.y = std::max(from.y, 0);
    to.x = std::min(to.x, client.right);
    to.y = std::min(to.y, client.bottom);
    InvalidateViewArea(view, platform::Rect{from.x, from.y, to.x, to.y});
}
