#include "platform/qt/qt_view.h"

#include "platform/device_context.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/text_encoding.h"
#include "platform/raster_surface.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

namespace platform::qt {

namespace {

struct SurfaceHolder {
    SurfaceHolder(PixelBuffer& image, TextRenderer& text) : surface(image, text) {}
    RasterSurface surface;
};

// A device context for one call: what it draws goes into the view's image and is shown when it goes.
class CanvasDeviceContext : private SurfaceHolder, public DeviceContext {
  public:
    CanvasDeviceContext(PixelBuffer& image, TextRenderer& text, QWidget* canvas)
        : SurfaceHolder(image, text), DeviceContext(SurfaceHolder::surface), canvas_(canvas) {}
    ~CanvasDeviceContext() override {
        if (canvas_) canvas_->update();
    }

  private:
    QPointer<QWidget> canvas_;
};

QImage Wrap(const PixelBuffer& image) {
    return QImage(reinterpret_cast<const uchar*>(image.Data()), image.Width(), image.Height(),
                  image.BytesPerLine(), QImage::Format_RGB32);
}

// The view's client area inside its MDI window: the canvas and both scroll bars.
class ViewFrameWidget : public QWidget {
  public:
    ViewFrameWidget() = default;
};

} // namespace

// The MDI window of a view: asks the program before it closes and tells it when it is gone.
class ViewSubWindow : public QMdiSubWindow {
  public:
    explicit ViewSubWindow(QtView& view) : view_(view) { setAttribute(Qt::WA_DeleteOnClose); }
    ~ViewSubWindow() override { view_.Destroyed(); }

  protected:
    void closeEvent(QCloseEvent* event) override {
        if (view_.CloseQuery())
            event->accept();
        else
            event->ignore();
    }

  private:
    QtView& view_;
};

namespace {} // namespace

int VirtualKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VirtualKey::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VirtualKey::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VirtualKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VirtualKey::Return;
    case Qt::Key_Shift:
        return VirtualKey::Shift;
    case Qt::Key_Control:
        return VirtualKey::Control;
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_PageUp:
        return VirtualKey::Prior;
    case Qt::Key_PageDown:
        return VirtualKey::Next;
    case Qt::Key_End:
        return VirtualKey::End;
    case Qt::Key_Home:
        return VirtualKey::Home;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Down:
        return VirtualKey::Down;
    case Qt::Key_Insert:
        return VirtualKey::Insert;
    case Qt::Key_Delete:
        return VirtualKey::Delete;
    case Qt::Key_Space:
        return ' ';
    case Qt::Key_Plus:
        return VirtualKey::Add;
    case Qt::Key_Minus:
        return VirtualKey::Subtract;
    case Qt::Key_Asterisk:
        return VirtualKey::Multiply;
    case Qt::Key_Slash:
        return VirtualKey::Divide;
    default:
        return 0;
    }
}

QtView::QtView(QtFrame& frame, ViewHandler& handler, const std::string& title)
    : frame_(frame), handler_(&handler) {
    auto* client = new ViewFrameWidget();
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    canvas_ = new QtCanvas(*this);
    bars_[0] = new QScrollBar(Qt::Horizontal, client);
    bars_[1] = new QScrollBar(Qt::Vertical, client);
    for (int i = 0; i < 2; ++i) {
        bars_[i]->setRange(0, 100);
        bars_[i]->setPageStep(10);
        ScrollBar bar = i == 0 ? ScrollBar::Horizontal : ScrollBar::Vertical;
        QObject::connect(bars_[i], &QScrollBar::actionTriggered, canvas_,
                         [this, bar](int action) { Scrolled(bar, action); });
    }
    grid->addWidget(canvas_, 0, 0);
    grid->addWidget(bars_[1], 0, 1);
    grid->addWidget(bars_[0], 1, 0);
    window_ = new ViewSubWindow(*this);
    window_->setWidget(client);
    frame.Area()->addSubWindow(window_);
    window_->setWindowTitle(ToQString(title));
    window_->setWindowIcon(frame.windowIcon());
    blink_ = new QTimer(canvas_);
    blink_->setInterval(500);
    QObject::connect(blink_, &QTimer::timeout, canvas_, [this] {
        caret_.on = !caret_.on;
        canvas_->update(caret_.position.x, caret_.position.y, caret_.size.cx + 1, caret_.size.cy + 1);
    });
    window_->showMaximized();
    canvas_->setFocus();
    QSize size = canvas_->size();
    image_.Resize({size.width(), size.height()});
    image_.Invalidate(nullptr, true);
}

QtView::~QtView() = default;

void QtView::SetTitle(const std::string& title) {
    window_->setWindowTitle(ToQString(title));
}

std::string QtView::Title() const {
    return FromQString(window_->windowTitle());
}

std::unique_ptr<DeviceContext> QtView::ClientDC() {
    return std::make_unique<CanvasDeviceContext>(image_.Image(), frame_.Text(), canvas_);
}

void QtView::Invalidate(const Rect* area, bool erase) {
    image_.Invalidate(area, erase);
    canvas_->update();
}

void QtView::UpdateNow() {
    PaintPending();
    canvas_->repaint();
}

void QtView::PaintPending() {
    // A view hidden behind the active one does not paint; it is painted when it comes to the front.
    if (!image_.HasDirty() || painting_ || destroyed_ || frame_.ActiveView() != this) return;
    painting_ = true;
    Rect area = image_.Paint(*handler_, frame_.Text(), false);
    painting_ = false;
    canvas_->update(area.left, area.top, area.Width(), area.Height());
}

void QtView::ScrollPixels(int dx, int dy) {
    image_.Scroll(dx, dy);
    canvas_->update();
}

void QtView::SetThumb(ScrollBar bar, int position) {
    int i = bar == ScrollBar::Vertical ? 1 : 0;
    thumbs_[i] = std::clamp(position, 0, 100);
    bars_[i]->blockSignals(true);
    bars_[i]->setValue(thumbs_[i]);
    bars_[i]->blockSignals(false);
}

int QtView::Thumb(ScrollBar bar) const {
    return thumbs_[bar == ScrollBar::Vertical ? 1 : 0];
}

void QtView::Scrolled(ScrollBar bar, int action) {
    int i = bar == ScrollBar::Vertical ? 1 : 0;
    ScrollCode code;
    int thumb = bars_[i]->sliderPosition();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = ScrollCode::LineDown;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = ScrollCode::LineUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = ScrollCode::PageDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = ScrollCode::PageUp;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = ScrollCode::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = ScrollCode::Bottom;
        break;
    case QAbstractSlider::SliderMove:
        code = ScrollCode::ThumbTrack;
        break;
    default:
        return;
    }
    handler_->OnScroll(bar, code, thumb);
    // The bar shows what the program set, not where Qt would have moved it.
    QTimer::singleShot(0, canvas_, [this, i] {
        SetThumb(i == 1 ? ScrollBar::Vertical : ScrollBar::Horizontal, thumbs_[i]);
    });
}

bool QtView::NextInput(InputEvent& event) {
    while (pending_.empty() && !destroyed_) {
        QEventLoop loop;
        dragLoop_ = &loop;
        loop.exec();
        dragLoop_ = nullptr;
    }
    if (pending_.empty()) return false;
    event = pending_.front();
    pending_.pop_front();
    return true;
}

void QtView::Deliver(const InputEvent& event) {
    if (dragLoop_) {
        pending_.push_back(event);
        dragLoop_->quit();
        return;
    }
    handler_->OnInput(event);
    PaintPending();
}

void QtView::SetCapture(bool captured) {
    if (captured)
        canvas_->grabMouse();
    else
        canvas_->releaseMouse();
}

Point QtView::ClientToScreen(Point client) const {
    QPoint p = canvas_->mapToGlobal(QPoint(client.x, client.y));
    return {p.x(), p.y()};
}

Point QtView::ScreenToClient(Point screen) const {
    QPoint p = canvas_->mapFromGlobal(QPoint(screen.x, screen.y));
    return {p.x(), p.y()};
}

void QtView::SetCursorShape(CursorShape shape) {
    cursorShape_ = shape;
    switch (shape) {
    case CursorShape::Arrow:
        canvas_->setCursor(Qt::ArrowCursor);
        break;
    case CursorShape::Cross:
        canvas_->setCursor(Qt::CrossCursor);
        break;
    case CursorShape::IBeam:
        canvas_->setCursor(Qt::IBeamCursor);
        break;
    }
}

void QtView::CreateCaret(int width, int height) {
    caret_.exists = true;
    caret_.shown = false;
    caret_.size = {std::max(width, 1), std::max(height, 1)};
}

void QtView::SetCaretPos(Point client) {
    caret_.position = client;
    canvas_->update();
}

void QtView::ShowCaret(bool shown) {
    caret_.shown = shown && caret_.exists;
    caret_.on = caret_.shown;
    if (caret_.shown)
        blink_->start();
    else
        blink_->stop();
    canvas_->update();
}

void QtView::DestroyCaret() {
    caret_.exists = false;
    caret_.shown = false;
    blink_->stop();
    canvas_->update();
}

void QtView::Close() {
    window_->close();
}

void QtView::Resized(int width, int height) {
    if (Size{width, height} == image_.Image().PixelSize()) return;
    image_.Resize({width, height});
    handler_->OnSize(width, height);
}

bool QtView::CloseQuery() {
    return destroyed_ || handler_->OnCloseQuery();
}

void QtView::Destroyed() {
    if (destroyed_) return;
    destroyed_ = true;
    if (dragLoop_) dragLoop_->quit();
    handler_->OnDestroyed();
    frame_.ViewGone(this);
}

QtCanvas::QtCanvas(QtView& view) : view_(view) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setMinimumSize(1, 1);
}

void QtCanvas::paintEvent(QPaintEvent* event) {
    view_.PaintPending();
    QPainter painter(this);
    painter.drawImage(event->rect(), Wrap(view_.image_.Image()), event->rect());
    if (view_.caret_.shown && view_.caret_.on) {
        QRect caret(view_.caret_.position.x, view_.caret_.position.y, view_.caret_.size.cx,
                    view_.caret_.size.cy);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(caret, Qt::white);
    }
}

void QtCanvas::resizeEvent(QResizeEvent* event) {
    view_.Resized(event->size().width(), event->size().height());
}

namespace {
InputEvent MouseEvent(InputKind kind, const QMouseEvent* event) {
    InputEvent input;
    input.kind = kind;
    QPoint p = event->position().toPoint();
    input.point = {p.x(), p.y()};
    return input;
}
} // namespace

void QtCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() == Qt::LeftButton) view_.Deliver(MouseEvent(InputKind::LeftDown, event));
    if (event->button() == Qt::RightButton) view_.Deliver(MouseEvent(InputKind::RightDown, event));
}

void QtCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) view_.Deliver(MouseEvent(InputKind::LeftUp, event));
    if (event->button() == Qt::RightButton) view_.Deliver(MouseEvent(InputKind::RightUp, event));
}

void QtCanvas::mouseMoveEvent(QMouseEvent* event) {
    view_.Deliver(MouseEvent(InputKind::MouseMove, event));
}

void QtCanvas::keyPressEvent(QKeyEvent* event) {
    int key = VirtualKeyOf(event->key());
    if (event->key() == Qt::Key_Plus && !(event->modifiers() & Qt::KeypadModifier)) key = 0;
    if (event->key() == Qt::Key_Minus && !(event->modifiers() & Qt::KeypadModifier)) key = 0;
    if (key != 0) {
        InputEvent down;
        down.kind = InputKind::KeyDown;
        down.key = key;
        view_.Deliver(down);
    }
    std::string text = FromQString(event->text());
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 32 && c != '\r' && c != '\b') continue;
        InputEvent typed;
        typed.kind = InputKind::Char;
        typed.character = c;
        view_.Deliver(typed);
    }
}

void QtCanvas::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    int key = VirtualKeyOf(event->key());
    if (key == 0) return;
    InputEvent up;
    up.kind = InputKind::KeyUp;
    up.key = key;
    view_.Deliver(up);
}

bool QtCanvas::focusNextPrevChild(bool) {
    return false;
} // Tab belongs to the view

bool QtCanvas::event(QEvent* event) {
    // F1 and Tab reach the view rather than the window's shortcuts and focus chain.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 || key->key() == Qt::Key_Tab) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

} // namespace platform::qt
