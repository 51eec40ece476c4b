#pragma once
// A drawing view on Qt: an MDI child holding the canvas that shows the view's image and both scroll
// bars. The canvas turns Qt's input into the program's input events; a drag loop waits for them in a
// nested event loop. The view's image and every point the program sees are in device pixels, so a thin
// line is one pixel of the screen at any screen scale.

#include "platform/pixel_buffer.h"
#include "platform/view_image.h"
#include "platform/window.h"

#include <QWidget>

#include <deque>
#include <optional>

class QEventLoop;
class QMdiSubWindow;
class QScrollBar;
class QTimer;

namespace platform::qt {

class QtFrame;
class QtCanvas;
class ViewSubWindow;

class QtView : public ViewWindow {
  public:
    QtView(QtFrame& frame, ViewHandler& handler, const std::string& title);
    ~QtView() override;

    void SetTitle(const std::string& title) override;
    std::string Title() const override;
    Rect ClientRect() const override { return image_.Client(); }
    void SetBackground(ColourRef colour) override { image_.SetBackground(colour); }
    std::unique_ptr<DeviceContext> ClientDC() override;
    std::unique_ptr<DeviceContext> MemoryDC(PixelBuffer& image) override;
    void Invalidate(const Rect* area, bool erase) override;
    void UpdateNow() override;
    void ScrollPixels(int dx, int dy) override;
    void SetThumb(ScrollBar bar, int position) override;
    int Thumb(ScrollBar bar) const override;
    void SetThumbSize(ScrollBar bar, int page) override;
    int ThumbSize(ScrollBar bar) const override;
    InputWait NextInput(InputEvent& event, int idleMilliseconds) override;
    void SetCapture(bool captured) override;
    Point ClientToScreen(Point client) const override;
    Point ScreenToClient(Point screen) const override;
    void SetCursorShape(CursorShape shape) override;
    CursorShape GetCursorShape() const override { return cursorShape_; }
    void CreateCaret(int width, int height) override;
    void SetCaretPos(Point client) override;
    void ShowCaret(bool shown) override;
    void DestroyCaret() override;
    const PixelBuffer& Image() const override { return image_.Image(); }
    void Close() override;

    // Device pixels per pixel of the canvas's own coordinates, and points between the two.
    double Ratio() const;
    QPoint ToDevice(QPointF logical) const;
    QPointF ToLogical(Point device) const;

    QMdiSubWindow* SubWindow() const { return window_; }
    QtCanvas* Canvas() const { return canvas_; }

  private:
    friend class QtCanvas;
    friend class QtFrame;
    friend class ViewSubWindow;
    void Deliver(const InputEvent& event);
    void Resized(QSize logical);
    void PaintPending();
    void Scrolled(ScrollBar bar, int action);
    // A turn of the mouse wheel, in eighths of a degree: the scroll bars' line steps.
    void Wheeled(QPoint angle, bool shift);
    // The part of the canvas that covers an area of device pixels.
    QRect LogicalArea(const Rect& device) const;
    // A move at the pointer with the buttons held now, when the left button went up where the view did
    // not see it (a dialog opened by the press took the release); nothing otherwise.
    std::optional<InputEvent> ReleasedElsewhere() const;
    bool CloseQuery();
    void Destroyed();

    QtFrame& frame_;
    ViewHandler* handler_;
    QMdiSubWindow* window_ = nullptr;
    QtCanvas* canvas_ = nullptr;
    QScrollBar* bars_[2] = {nullptr, nullptr};
    int thumbs_[2] = {0, 0};
    ViewImage image_{{1, 1}, Rgb(255, 255, 255)};
    std::deque<InputEvent> pending_;
    QEventLoop* dragLoop_ = nullptr;
    bool destroyed_ = false;
    bool painting_ = false;
    CursorShape cursorShape_ = CursorShape::Cross;
    struct {
        bool exists = false;
        bool shown = false;
        bool on = false;
        Size size;
        Point position;
    } caret_;
    QTimer* blink_ = nullptr;
    QPoint wheelRest_;      // wheel turns not yet worth a line step
    bool wheeling_ = false; // the line steps of a wheel turn run: they paint when they are done
};

// The widget that shows a view's image and takes its input.
class QtCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit QtCanvas(QtView& view);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent* event) override;

  private:
    QtView& view_;
};

// The virtual-key code of a Qt key, 0 when the program has none for it; the keypad's digits have codes
// of their own.
int VirtualKeyOf(int qtKey, bool keypad = false);
// What a Qt mouse input says is held: MouseFlag bits.
unsigned HeldFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

} // namespace platform::qt
