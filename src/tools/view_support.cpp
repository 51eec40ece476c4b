#include "tools/view_support.h"

#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/desktop.h"
#include "tools/drawing_tool.h"
#include "view/view_owner.h"

using platform::Point;
using platform::Rect;

ToolCallDC::ToolCallDC(TChild& view) : view_(view), previous_(view.TempDC), dc_(view.Window()->ClientDC()) {
    dc_->SetXorBackground(Shared.BackgroundColour);
    view_.TempDC = dc_.get();
}

ToolCallDC::~ToolCallDC() {
    view_.TempDC = previous_;
}

TDrawingtool& CallingTool(TChild& view) {
    TDrawingtool& tool = view.Owner().Tool();
    tool.Hwnd() = view.Window();
    return tool;
}

Point ClientToLogical(TChild& view, Point client) {
    Point logical;
    if (!view.Window()) return logical;
    auto dc = view.Window()->ClientDC();
    DeviceToLogical(*dc, view.ClientRect(), client.x, client.y, logical.x, logical.y);
    return logical;
}

Point LogicalToClient(TChild& view, Point logical) {
    Point client;
    if (!view.Window()) return client;
    auto dc = view.Window()->ClientDC();
    LogicalToDevice(*dc, view.ClientRect(), logical.x, logical.y, client.x, client.y);
    return client;
}

Point CursorInClient(TChild& view) {
    Point screen = platform::TheDesktop().GetCursorPos();
    return view.Window() ? view.Window()->ScreenToClient(screen) : screen;
}

void PutCursorOnClientPoint(TChild& view, Point client) {
    if (!view.Window()) return;
    platform::TheDesktop().SetCursorPos(view.Window()->ClientToScreen(client));
}

int ViewMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    platform::Desktop& desktop = platform::TheDesktop();
    Point cursor = desktop.GetCursorPos();
    int answer = desktop.MessageBox(text, caption, style);
    desktop.SetCursorPos(cursor);
    return answer;
}

void InvalidateWholeView(TChild& view) {
    if (view.Window()) view.Window()->Invalidate(nullptr, true);
}

void InvalidateViewArea(TChild& view, Rect area) {
    area = area.Normalized();
    if (view.Window()) view.Window()->Invalidate(&area, true);
}

void ShowPrompt(std::string_view text) {
    platform::TheDesktop().SetStatusText(text);
}

void ShowReadout(std::string_view text) {
    platform::TheDesktop().SetReadoutText(text);
}

void ShowCaption(std::string_view text) {
    platform::TheDesktop().SetToolCaption(text);
}
