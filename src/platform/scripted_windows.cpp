#include "platform/scripted_windows.h"

#include "platform/raster_surface.h"
#include "platform/scripted_desktop.h"

#include <algorithm>

namespace platform {

namespace {

// A device context that owns the raster surface it draws through.
struct SurfaceHolder {
    SurfaceHolder(PixelBuffer& image, TextRenderer& text) : surface(image, text) {}
    RasterSurface surface;
};

class ImageDeviceContext : private SurfaceHolder, public DeviceContext {
  public:
    ImageDeviceContext(PixelBuffer& image, TextRenderer& text)
        : SurfaceHolder(image, text), DeviceContext(SurfaceHolder::surface) {}
};

} // namespace

ScriptedView::ScriptedView(ScriptedFrame& frame, ViewHandler& handler, const std::string& title, Size client)
    : frame_(frame), handler_(&handler), title_(title), image_(client, Rgb(255, 255, 255)) {
    // A new window shows nothing until its first paint, which erases it.
    image_.Invalidate(nullptr, true);
}

ScriptedView::~ScriptedView() = default;

std::unique_ptr<DeviceContext> ScriptedView::ClientDC() {
    return std::make_unique<ImageDeviceContext>(image_.Image(), frame_.Text());
}

void ScriptedView::Invalidate(const Rect* area, bool erase) {
    image_.Invalidate(area, erase);
}

void ScriptedView::UpdateNow() {
    if (frame_.ActiveScriptedView() == this) PaintPending();
}

void ScriptedView::PaintPending() {
    image_.Paint(*handler_, frame_.Text(), frame_.RecordsPaints());
}

void ScriptedView::ScrollPixels(int dx, int dy) {
    image_.Scroll(dx, dy);
}

void ScriptedView::SetThumb(ScrollBar bar, int position) {
    thumbs_[bar == ScrollBar::Vertical ? 1 : 0] = std::clamp(position, 0, 100);
}

int ScriptedView::Thumb(ScrollBar bar) const {
    return thumbs_[bar == ScrollBar::Vertical ? 1 : 0];
}

InputWait ScriptedView::NextInput(InputEvent& event, int /*idleMilliseconds*/) {
    frame_.RunPendingPaints();
    return frame_.inputSource ? frame_.inputSource(event) : InputWait::Closed;
}

Point ScriptedView::ClientToScreen(Point client) const {
    return {client.x + ScriptedFrame::ClientOrigin.x, client.y + ScriptedFrame::ClientOrigin.y};
}

Point ScriptedView::ScreenToClient(Point screen) const {
    return {screen.x - ScriptedFrame::ClientOrigin.x, screen.y - ScriptedFrame::ClientOrigin.y};
}

void ScriptedView::CreateCaret(int width, int height) {
    caret_.exists = true;
    caret_.shown = false;
    caret_.size = {width, height};
}

void ScriptedView::Close() {
    frame_.Destroyed(this);
}

void ScriptedView::Resize(Size client) {
    if (client == image_.Image().PixelSize()) return;
    image_.Resize(client);
    handler_->OnSize(client.cx, client.cy);
}

ScriptedFrame::ScriptedFrame(const FrameDescription& description, FrameHandler& handler,
                             ScriptedDesktop& desktop, TextRenderer& text)
    : description_(description), handler_(handler), desktop_(desktop), text_(text) {}

ScriptedFrame::~ScriptedFrame() {
    // Views still open go with the frame; their handlers hear it first.
    while (!views_.empty()) {
        std::unique_ptr<ScriptedView> view = std::move(views_.back());
        views_.pop_back();
        view->Handler().OnDestroyed();
    }
}

ViewWindow* ScriptedFrame::CreateView(ViewHandler& handler, const std::string& title) {
    views_.push_back(std::make_unique<ScriptedView>(*this, handler, title, viewClient_));
    return views_.back().get();
}

ScriptedView* ScriptedFrame::ActiveScriptedView() const {
    return views_.empty() ? nullptr : views_.back().get();
}

ViewWindow* ScriptedFrame::ActiveView() const {
    return ActiveScriptedView();
}

std::vector<ViewWindow*> ScriptedFrame::Views() const {
    std::vector<ViewWindow*> out;
    for (const auto& view : views_)
        out.push_back(view.get());
    return out;
}

bool ScriptedFrame::CloseAllViews() {
    while (!views_.empty()) {
        ScriptedView* view = views_.back().get();
        if (!view->Handler().OnCloseQuery()) return false;
        Destroyed(view);
    }
    return true;
}

void ScriptedFrame::Destroyed(ScriptedView* view) {
    auto it = std::find_if(views_.begin(), views_.end(), [view](const auto& v) { return v.get() == view; });
    if (it == views_.end()) return;
    std::unique_ptr<ScriptedView> gone = std::move(*it);
    views_.erase(it);
    gone->Handler().OnDestroyed();
    // The view that comes to the front shows again: its window is repainted whole.
    if (ScriptedView* front = ActiveScriptedView()) front->Invalidate(nullptr, true);
}

void ScriptedFrame::Activate(ScriptedView* view) {
    auto it = std::find_if(views_.begin(), views_.end(), [view](const auto& v) { return v.get() == view; });
    if (it == views_.end() || it + 1 == views_.end()) return;
    std::unique_ptr<ScriptedView> moving = std::move(*it);
    views_.erase(it);
    views_.push_back(std::move(moving));
    view->Invalidate(nullptr, true);
}

void ScriptedFrame::RunPendingPaints() {
    if (ScriptedView* view = ActiveScriptedView()) view->PaintPending();
}

bool ScriptedFrame::Choose(int command) {
    if (!handler_.IsCommandEnabled(command)) return false;
    handler_.OnCommand(command);
    return true;
}

} // namespace platform
