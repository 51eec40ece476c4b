// A drawing view on real Qt widgets: what its input carries (buttons, keypad keys, the wheel), how a
// drag waits for input, the image in device pixels, the keyboard focus and the size it restores to.
#include "platform/device_context.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/qt_view.h"
#include "platform/qt/text_renderer_factory.h"
#include "test_support.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using platform::InputEvent;
using platform::InputKind;
namespace MouseFlag = platform::MouseFlag;

namespace {

// Records what the view hears; a test adds what the program would do.
class RecordingHandler : public platform::ViewHandler {
  public:
    void OnPaint(platform::DeviceContext& dc, const platform::Rect&) override {
        if (paint) paint(dc);
    }
    void OnInput(const InputEvent& event) override {
        inputs.push_back(event);
        if (input) input(event);
    }
    void OnSize(int, int) override {}
    void OnScroll(platform::ScrollBar bar, platform::ScrollCode code, int) override {
        scrolls.push_back({bar, code});
        if (scroll) scroll();
    }
    void OnDestroyed() override {}

    std::vector<InputEvent> inputs;
    std::vector<std::pair<platform::ScrollBar, platform::ScrollCode>> scrolls;
    std::function<void(const InputEvent&)> input;
    std::function<void(platform::DeviceContext&)> paint;
    std::function<void()> scroll;
};

class QtViewWindow : public testing::Test {
  protected:
    void SetUp() override {
        frame =
            std::make_unique<platform::qt::QtFrame>(platform::FrameDescription{}, commands, desktop, *text);
        frame->resize(800, 600);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        view = static_cast<platform::qt::QtView*>(frame->CreateView(handler, "VIEW.PLN"));
        QApplication::processEvents();
        canvas = view->Canvas();
    }
    void TearDown() override { frame.reset(); }

    // Mouse input as the window system gives it, so the application knows which buttons are down.
    QPoint InFrame(QPoint onCanvas) const { return canvas->mapTo(frame.get(), onCanvas); }
    QWindow* Window() const { return frame->windowHandle(); }

    test_support::NullFrameHandler commands;
    platform::qt::QtDesktop desktop;
    std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
    RecordingHandler handler;
    std::unique_ptr<platform::qt::QtFrame> frame;
    platform::qt::QtView* view = nullptr;
    QWidget* canvas = nullptr;
};

} // namespace

TEST_F(QtViewWindow, MouseInputCarriesItsButtonsAndShiftKeys) {
    QTest::mousePress(Window(), Qt::LeftButton, Qt::ShiftModifier, InFrame({30, 40}));
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, InFrame({30, 40}));
    std::vector<InputEvent> clicks;
    for (const InputEvent& event : handler.inputs)
        if (event.kind != InputKind::MouseMove) clicks.push_back(event);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].kind, InputKind::LeftDown);
    EXPECT_EQ(clicks[0].held, MouseFlag::Left | MouseFlag::Shift);
    EXPECT_EQ(clicks[1].kind, InputKind::LeftUp);
    EXPECT_EQ(clicks[1].held, 0u);
    const double ratio = canvas->devicePixelRatioF();
    EXPECT_EQ(clicks[0].point.x, static_cast<int>(30 * ratio));
    EXPECT_EQ(clicks[0].point.y, static_cast<int>(40 * ratio));
}

TEST_F(QtViewWindow, ADragWaitsWhileTheButtonIsHeldAndEndsWhenADialogTookTheRelease) {
    std::vector<platform::InputWait> waits;
    InputEvent heard;
    handler.input = [&](const InputEvent& event) {
        if (event.kind != InputKind::LeftDown) return;
        // The button is still down: nothing comes, and the wait ends in time.
        InputEvent none;
        waits.push_back(view->NextInput(none, 20));
        // The press opens a dialog, and the release goes to it.
        QDialog dialog(frame.get());
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            dialog.accept();
        });
        dialog.exec();
        waits.push_back(view->NextInput(heard, 5000));
    };
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, InFrame({30, 40}));
    ASSERT_EQ(waits.size(), 2u);
    EXPECT_EQ(waits[0], platform::InputWait::Idle);
    // The drag hears at once what the platform would report: a move without the left button.
    EXPECT_EQ(waits[1], platform::InputWait::Input);
    EXPECT_EQ(heard.kind, InputKind::MouseMove);
    EXPECT_EQ(heard.held & MouseFlag::Left, 0u);
}

TEST_F(QtViewWindow, AModalWindowEndsTheViewsMouseCapture) {
    // A view holds the mouse through a drag or a keyboard step; a box or dialog that opens then must
    // take the user's clicks.
    std::vector<bool> capturedWhileUp;
    const auto closeWhenUp = [&] {
        QTimer::singleShot(0, [&] {
            capturedWhileUp.push_back(QWidget::mouseGrabber() != nullptr);
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
        });
    };
    view->SetCapture(true);
    ASSERT_EQ(QWidget::mouseGrabber(), canvas);
    closeWhenUp();
    desktop.MessageBox("text", "CAPTION", 0);
    view->SetCapture(true);
    closeWhenUp();
    std::string text = "8550";
    EXPECT_FALSE(desktop.InputBox("Measurement", "", text, 7));
    EXPECT_EQ(capturedWhileUp, (std::vector<bool>{false, false}));
    // The view lets go of a capture the box already ended: nothing changes.
    view->SetCapture(false);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(QtViewWindow, KeypadDigitsArriveAsTheirOwnVirtualKeys) {
    canvas->setFocus();
    QTest::keyClick(canvas, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(canvas, Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(canvas, Qt::Key_9, Qt::KeypadModifier);
    QTest::keyClick(canvas, Qt::Key_5);
    std::vector<int> downs;
    for (const InputEvent& event : handler.inputs)
        if (event.kind == InputKind::KeyDown) downs.push_back(event.key);
    EXPECT_EQ(downs, (std::vector<int>{101, 96, 105, '5'}));
}

TEST_F(QtViewWindow, TheWheelScrollsByTheBarsLineSteps) {
    const QPointF at(50, 50);
    QWheelEvent down(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &down);
    const int lines = QApplication::wheelScrollLines();
    ASSERT_EQ(handler.scrolls.size(), static_cast<std::size_t>(lines));
    EXPECT_EQ(handler.scrolls[0],
              std::make_pair(platform::ScrollBar::Vertical, platform::ScrollCode::LineDown));
    // Half a notch does nothing yet; with shift the wheel turns the horizontal bar.
    handler.scrolls.clear();
    QWheelEvent half(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, 60), Qt::NoButton, Qt::ShiftModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &half);
    EXPECT_TRUE(handler.scrolls.empty());
    QApplication::sendEvent(canvas, &half);
    ASSERT_EQ(handler.scrolls.size(), static_cast<std::size_t>(lines));
    EXPECT_EQ(handler.scrolls[0],
              std::make_pair(platform::ScrollBar::Horizontal, platform::ScrollCode::LineUp));
}

TEST_F(QtViewWindow, AWheelTurnPaintsOnceWhenAllItsLinesAreScrolled) {
    // The handler scrolls as the view's scroller does: each line moves the picture by 7 pixels and
    // asks for the uncovered strip at once; its picture is a ruled sheet that moves with the scroll.
    int scrolled = 0;
    int paints = 0;
    handler.paint = [&](platform::DeviceContext& dc) {
        ++paints;
        for (int y = -scrolled % 20; y < 4000; y += 20) {
            dc.MoveTo(0, y);
            dc.LineTo(4000, y);
        }
    };
    view->Invalidate(nullptr, true);
    view->UpdateNow();
    paints = 0;
    handler.scroll = [&] {
        scrolled += 7;
        view->ScrollPixels(0, -7);
        view->UpdateNow();
    };
    auto notch = [&] {
        const QPointF at(50, 50);
        return new QWheelEvent(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
    };
    // The canvas paints when the window system asks for it: wait for a paint, then a while longer for
    // any that would follow.
    auto settle = [&] {
        const int before = paints;
        (void)QTest::qWaitFor([&] { return paints > before; }, 2000);
        QTest::qWait(50);
    };
    const int lines = QApplication::wheelScrollLines();
    QApplication::postEvent(canvas, notch());
    settle();
    EXPECT_EQ(scrolled, 7 * lines);
    EXPECT_EQ(paints, 1);
    // Three notches arriving together: one paint for all.
    for (int i = 0; i < 3; ++i)
        QApplication::postEvent(canvas, notch());
    settle();
    EXPECT_EQ(scrolled, 7 * 4 * lines);
    EXPECT_EQ(paints, 2);
    // The picture is the one a whole paint at the final position gives.
    const platform::PixelBuffer shown = view->Image();
    view->Invalidate(nullptr, true);
    view->UpdateNow();
    EXPECT_TRUE(shown == view->Image());
}

TEST_F(QtViewWindow, TheImageIsInDevicePixelsSoAThinLineIsOnePixelAtAnyScale) {
    const double ratio = canvas->devicePixelRatioF();
    EXPECT_EQ(view->ClientRect().Width(), static_cast<int>(std::ceil(canvas->width() * ratio)));
    EXPECT_EQ(view->ClientRect().Height(), static_cast<int>(std::ceil(canvas->height() * ratio)));
    handler.paint = [](platform::DeviceContext& dc) {
        for (int y = 10; y < 30; y += 3) {
            dc.MoveTo(5, y);
            dc.LineTo(200, y);
        }
    };
    view->Invalidate(nullptr, true);
    view->UpdateNow();
    QImage shown = canvas->grab().toImage();
    ASSERT_EQ(shown.width(), view->ClientRect().Width());
    // Down one column of the screen: each line one pixel, where it was drawn.
    std::vector<int> rows;
    for (int y = 0; y < 40; ++y)
        if (qGray(shown.pixel(100, y)) < 128) rows.push_back(y);
    EXPECT_EQ(rows, (std::vector<int>{10, 13, 16, 19, 22, 25, 28}));
}

TEST_F(QtViewWindow, ANewViewHasTheKeyboardAndRestoresToMostOfTheClientArea) {
    QApplication::processEvents();
    EXPECT_TRUE(canvas->hasFocus());
    // Another window took the keyboard; activating the view gives it back to the canvas.
    QWidget* bar = frame->findChild<QWidget*>("prompt");
    ASSERT_NE(bar, nullptr);
    frame->Area()->setFocus();
    frame->Area()->setActiveSubWindow(nullptr);
    frame->Area()->setActiveSubWindow(view->SubWindow());
    EXPECT_TRUE(canvas->hasFocus());
    view->SubWindow()->showNormal();
    const QSize area = frame->Area()->size();
    const QSize restored = view->SubWindow()->size();
    EXPECT_GE(restored.width(), area.width() / 2);
    EXPECT_GE(restored.height(), area.height() / 2);
    EXPECT_LE(restored.width(), area.width());
    EXPECT_LE(restored.height(), area.height());
}
