#include "platform/qt/qt_view.h"

#include "platform/device_context.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/text_encoding.h"
#include "platform/raster_surface.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
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
#include <QWheelEvent>

#include <cmath>

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

QImage Wrap(const PixelBuffer& image, double ratio) {
    QImage wrapped(reinterpret_cast<const uchar*>(image.Data()), image.Width(), image.Height(),
                   image.BytesPerLine(), QImage::Format_RGB32);
    wrapped.setDevicePixelRatio(ratio);
    return wrapped;
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

int VirtualKeyOf(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? VirtualKey::Numpad0 : '0') + (qtKey - Qt::Key_0);
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

unsigned HeldFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned held = 0;
    if (buttons & Qt::LeftButton) held |= MouseFlag::Left;
    if (buttons & Qt::RightButton) held |= MouseFlag::Right;
    if (buttons & Qt::MiddleButton) held |= MouseFlag::Middle;
    if (modifiers & Qt::ShiftModifier) held |= MouseFlag::Shift;
    if (modifiers & Qt::ControlModifier) held |= MouseFlag::Control;
    return held;
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
    // Whoever gives the view's window the keyboard (the MDI area activating it) gives it to the canvas.
    client->setFocusProxy(canvas_);
    window_ = new ViewSubWindow(*this);
    window_->setWidget(client);
    frame.Area()->addSubWindow(window_);
    // The size the restore button gives back: most of the client area. A window shown maximised first
    // would otherwise restore to its smallest size.
    QSize area = frame.Area()->size();
    window_->resize(std::max(area.width() * 3 / 4, 320), std::max(area.height() * 3 / 4, 240));
    window_->setWindowTitle(ToQString(title));
    window_->setWindowIcon(frame.windowIcon());
    blink_ = new QTimer(canvas_);
    blink_->setInterval(500);
    QObject::connect(blink_, &QTimer::timeout, canvas_, [this] {
        caret_.on = !caret_.on;
        canvas_->update(
            LogicalArea(Rect{caret_.position.x, caret_.position.y, caret_.position.x + caret_.size.cx + 1,
                             caret_.position.y + caret_.size.cy + 1}));
    });
    // Shown maximised, the window sends the view that was maximised back to its restore size while the
    // area still counts that one active. Its paint then would run amid the opening of this view (with no
    // drawing open, a blank picture) and it would show white when the windows are rearranged; it keeps
    // its picture instead and is painted when it comes to the front again.
    frame.arriving_ = this;
    window_->showMaximized();
    frame.Area()->setActiveSubWindow(window_);
    frame.arriving_ = nullptr;
    canvas_->setFocus(Qt::OtherFocusReason);
    QSize size = (QSizeF(canvas_->size()) * Ratio()).toSize();
    image_.Resize({std::max(size.width(), 1), std::max(size.height(), 1)});
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

std::unique_ptr<DeviceContext> QtView::MemoryDC(PixelBuffer& image) {
    return std::make_unique<MemoryDeviceContext>(image, frame_.Text());
}

double QtView::Ratio() const {
    return canvas_->devicePixelRatioF();
}

QPoint QtView::ToDevice(QPointF logical) const {
    const double ratio = Ratio();
    return {static_cast<int>(std::floor(logical.x() * ratio)),
            static_cast<int>(std::floor(logical.y() * ratio))};
}

QPointF QtView::ToLogical(Point device) const {
    const double ratio = Ratio();
    return {device.x / ratio, device.y / ratio};
}

QRect QtView::LogicalArea(const Rect& device) const {
    const double ratio = Ratio();
    const int left = static_cast<int>(std::floor(device.left / ratio));
    const int top = static_cast<int>(std::floor(device.top / ratio));
    const int right = static_cast<int>(std::ceil(device.right / ratio));
    const int bottom = static_cast<int>(std::ceil(device.bottom / ratio));
    return QRect(left, top, right - left, bottom - top);
}

void QtView::Invalidate(const Rect* area, bool erase) {
    image_.Invalidate(area, erase);
    canvas_->update();
}

void QtView::UpdateNow() {
    // The paint runs now; the screen shows it with the next round of the event loop. Pushing it to the
    // screen from inside a resize would leave the rest of the main window unpainted. The line steps of a
    // wheel turn only gather what they uncover: the turn paints once, when its lines are done.
    if (!wheeling_) PaintPending();
    canvas_->update();
}

void QtView::PaintPending() {
    // A view behind the one in front does not paint (a paint sets the shared scroll origin and view state,
    // which belong to the view in front); it shows the picture it has and is painted when it comes to the
    // front.
    if (!image_.HasDirty() || painting_ || destroyed_ || !frame_.InFront(this)) return;
    painting_ = true;
    Rect area = image_.Paint(*handler_, frame_.Text(), false);
    painting_ = false;
    canvas_->update(LogicalArea(area));
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

void QtView::SetThumbSize(ScrollBar bar, int page) {
    QScrollBar* scrollBar = bars_[bar == ScrollBar::Vertical ? 1 : 0];
    scrollBar->setEnabled(page > 0);
    scrollBar->setPageStep(std::max(page, 1));
}

int QtView::ThumbSize(ScrollBar bar) const {
    QScrollBar* scrollBar = bars_[bar == ScrollBar::Vertical ? 1 : 0];
    return scrollBar->isEnabled() ? scrollBar->pageStep() : 0;
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

void QtView::Wheeled(QPoint angle, bool shift) {
    // Eighths of a degree: 120 are one notch, worth the desktop's lines per notch.
    if (shift && angle.x() == 0) angle = {angle.y(), 0};
    wheelRest_ += angle;
    const int lines = QApplication::wheelScrollLines();
    // Each line step moves the picture and marks the strip it uncovers; the paint of them all waits for
    // the canvas's next paint, after the turns that arrived with this one, since each paint reads the
    // whole drawing.
    wheeling_ = true;
    for (int i = 0; i < 2; ++i) {
        int& rest = i == 0 ? wheelRest_.rx() : wheelRest_.ry();
        const ScrollBar bar = i == 0 ? ScrollBar::Horizontal : ScrollBar::Vertical;
        while (std::abs(rest) >= 120 && !destroyed_) {
            // Turning the wheel away from the user shows what lies above (or to the left).
            const ScrollCode code = rest > 0 ? ScrollCode::LineUp : ScrollCode::LineDown;
            rest += rest > 0 ? -120 : 120;
            for (int line = 0; line < lines && !destroyed_; ++line)
                handler_->OnScroll(bar, code, 0);
        }
    }
    wheeling_ = false;
    if (!destroyed_) canvas_->update();
}

std::optional<InputEvent> QtView::ReleasedElsewhere() const {
    if (QGuiApplication::mouseButtons() & Qt::LeftButton) return std::nullopt;
    InputEvent move;
    move.kind = InputKind::MouseMove;
    QPoint device = ToDevice(canvas_->mapFromGlobal(QCursor::pos()));
    move.point = {device.x(), device.y()};
    move.held = HeldFlags(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers());
    return move;
}

InputWait QtView::NextInput(InputEvent& event, int idleMilliseconds) {
    if (pending_.empty() && !destroyed_) {
        // The platform reports a button's state with every move: a release the view never saw shows
        // as a move without the button, at once rather than when the mouse next moves.
        if (std::optional<InputEvent> move = ReleasedElsewhere()) pending_.push_back(*move);
    }
    if (pending_.empty() && !destroyed_) {
        QEventLoop loop;
        QTimer idle;
        idle.setSingleShot(true);
        QObject::connect(&idle, &QTimer::timeout, &loop, &QEventLoop::quit);
        idle.start(std::max(idleMilliseconds, 1));
        dragLoop_ = &loop;
        loop.exec();
        dragLoop_ = nullptr;
    }
    if (destroyed_) return InputWait::Closed;
    if (pending_.empty()) return InputWait::Idle;
    event = pending_.front();
    pending_.pop_front();
    return InputWait::Input;
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
    QPoint p = canvas_->mapToGlobal(ToLogical(client)).toPoint();
    return {p.x(), p.y()};
}

Point QtView::ScreenToClient(Point screen) const {
    QPoint p = ToDevice(canvas_->mapFromGlobal(QPointF(screen.x, screen.y)));
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

void QtView::Resized(QSize logical) {
    // The image covers the canvas's device pixels, a part pixel included.
    const double ratio = Ratio();
    const Size size{std::max(1, static_cast<int>(std::ceil(logical.width() * ratio))),
                    std::max(1, static_cast<int>(std::ceil(logical.height() * ratio)))};
    if (size == image_.Image().PixelSize()) return;
    image_.Resize(size);
    handler_->OnSize(size.cx, size.cy);
    // Whatever the handler did, the uncovered part shows the view, not what the image held before.
    if (image_.HasDirty()) PaintPending();
    canvas_->update();
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
    painter.setClipRegion(event->region());
    // The image is in device pixels: drawn at the canvas's ratio, each of its pixels is one of the screen.
    painter.drawImage(QPointF(0, 0), Wrap(view_.image_.Image(), view_.Ratio()));
    if (view_.caret_.shown && view_.caret_.on) {
        const Point at = view_.caret_.position;
        const Size size = view_.caret_.size;
        QRectF caret(view_.ToLogical(at), view_.ToLogical({at.x + size.cx, at.y + size.cy}));
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(caret, Qt::white);
    }
}

void QtCanvas::resizeEvent(QResizeEvent* event) {
    view_.Resized(event->size());
}

namespace {
InputEvent MouseEvent(const QtView& view, InputKind kind, const QMouseEvent* event) {
    InputEvent input;
    input.kind = kind;
    QPoint p = view.ToDevice(event->position());
    input.point = {p.x(), p.y()};
    input.held = HeldFlags(event->buttons(), event->modifiers());
    return input;
}
} // namespace

void QtCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() == Qt::LeftButton) view_.Deliver(MouseEvent(view_, InputKind::LeftDown, event));
    if (event->button() == Qt::RightButton) view_.Deliver(MouseEvent(view_, InputKind::RightDown, event));
}

void QtCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) view_.Deliver(MouseEvent(view_, InputKind::LeftUp, event));
    if (event->button() == Qt::RightButton) view_.Deliver(MouseEvent(view_, InputKind::RightUp, event));
}

void QtCanvas::mouseMoveEvent(QMouseEvent* event) {
    view_.Deliver(MouseEvent(view_, InputKind::MouseMove, event));
}

void QtCanvas::wheelEvent(QWheelEvent* event) {
    view_.Wheeled(event->angleDelta(), event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void QtCanvas::keyPressEvent(QKeyEvent* event) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    int key = VirtualKeyOf(event->key(), keypad);
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
    int key = VirtualKeyOf(event->key(), event->modifiers() & Qt::KeypadModifier);
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
