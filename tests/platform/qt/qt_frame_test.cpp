// The main window on real Qt widgets: menu, toolbar, status bar and views, built from the program's
// own description.
#include "app/program.h"
#include "app/program_folder.h"
#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/qt_view.h"
#include "platform/qt/text_renderer_factory.h"
#include "tools/view_support.h"
#include "view/child.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

class QtMainWindow : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        std::string path = folder.path().toStdString() + "/";
        std::string error;
        ASSERT_TRUE(PrepareProgramFolder(path, error)) << error;
        platform::InstallDesktop(&desktop);
        program = std::make_unique<Program>(path);
        frame = std::make_unique<platform::qt::QtFrame>(program->Description(), program->Client(), desktop,
                                                        *text);
        program->Start(*frame);
        frame->resize(900, 600);
        frame->show();
    }
    void TearDown() override {
        frame.reset();
        program.reset();
        DrawingList.Flush();
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }

    QTemporaryDir folder;
    platform::qt::QtDesktop desktop;
    std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
    std::unique_ptr<Program> program;
    std::unique_ptr<platform::qt::QtFrame> frame;
};

} // namespace

TEST_F(QtMainWindow, ShowsTitleMenusPromptAndReadout) {
    EXPECT_EQ(frame->windowTitle(), "Korvane 5.0");
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles.join("|"),
              "File|View|Zoom|Edit|Tools|Walls && Base|Design Rooms|Other|Customise|Libraries|Help");
    EXPECT_EQ(frame->PromptLabel()->text(), "Press FILE/NEW or FILE/OPEN");
    // An ampersand in an item is shown as itself, not taken as a shortcut mark.
    QStringList windowItems;
    for (QAction* action : frame->ActionsOf(373))
        windowItems << action->iconText();
    EXPECT_TRUE(windowItems.contains("Window & Extnl Doors")) << windowItems.join("|").toStdString();
    EXPECT_EQ(frame->ReadoutLabel()->text(), "cursor distance");
    EXPECT_EQ(frame->CaptionLabel()->text(), "");
}

TEST_F(QtMainWindow, TheReadoutIsWideEnoughForTheLongestReadout) {
    QLabel* readout = frame->ReadoutLabel();
    const int room = readout->contentsRect().width();
    const QFontMetrics metrics(readout->font());
    EXPECT_LT(metrics.horizontalAdvance("h 625: v 21550 m.m DATUM"), room);
    EXPECT_LT(metrics.horizontalAdvance("h -123456: v -654321 angle 359.99 DATUM"), room);
    EXPECT_LT(metrics.horizontalAdvance("-999' -11: -999' -11, angle 359.99 DATUM"), room);
}

TEST_F(QtMainWindow, ButtonsHaveTooltipsAndShowTheirHintWhenTheMouseRestsOnThem) {
    std::vector<QAction*> grid = frame->ActionsOf(530);
    ASSERT_EQ(grid.size(), 2u); // the menu item and the button
    QToolBar* bar = frame->findChild<QToolBar*>("toolbar");
    ASSERT_NE(bar, nullptr);
    QAction* button = nullptr;
    for (QAction* action : grid)
        if (bar->actions().contains(action)) button = action;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), "Layout Grid Toggle");
    EXPECT_FALSE(button->icon().isNull());
    QWidget* toolButton = bar->widgetForAction(button);
    ASSERT_NE(toolButton, nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(toolButton, &enter);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "***LAYOUT GRID*** - Toggles ROOM LAYOUT grid on/off");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(toolButton, &leave);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "");
    EXPECT_EQ(frame->PromptLabel()->text(), "Press FILE/NEW or FILE/OPEN");
}

TEST_F(QtMainWindow, CommandsWithoutTheirWorkYetAreGreyed) {
    frame->RefreshCommands();
    // Every menu item and toolbar button is greyed exactly when its command has no work behind it.
    int items = 0;
    for (QAction* action : frame->findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (!name.startsWith("command-")) continue;
        const int command = name.mid(8).toInt();
        EXPECT_EQ(action->isEnabled(), program->Client().IsCommandEnabled(command)) << command;
        ++items;
    }
    EXPECT_GT(items, 80);
    for (int command : {230, 287}) // New..., Line + Text
        for (QAction* action : frame->ActionsOf(command))
            EXPECT_TRUE(action->isEnabled()) << command;
}

namespace {

// Cancels the next modal dialog titled `title` once it shows, looking every 10 ms for up to 5 s.
void CancelDialogWhenShown(const QString& title, int tries = 500) {
    QTimer::singleShot(10, [title, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->windowTitle() == title) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        if (tries > 0) CancelDialogWhenShown(title, tries - 1);
    });
}

} // namespace

TEST_F(QtMainWindow, NewOpensAMaximisedViewWithBothScrollBars) {
    // The new floor plan then asks its external-wall type; cancelled, it leaves the pick tool.
    CancelDialogWhenShown("external wall");
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        auto* name = modal->findChild<QLineEdit*>("control-2027");
        ASSERT_NE(name, nullptr);
        name->selectAll();
        QTest::keyClicks(name, "HOUSE");
        QTest::keyClick(modal, Qt::Key_Return);
    });
    for (QAction* action : frame->ActionsOf(230)) {
        action->trigger();
        break;
    }
    ASSERT_EQ(frame->Views().size(), 1u);
    platform::ViewWindow* view = frame->Views().front();
    EXPECT_EQ(view->Title(), "HOUSE.PLN");
    EXPECT_GT(view->ClientRect().Width(), 0);
    EXPECT_EQ(Shared.DrawingState, 2);
    EXPECT_TRUE(QFile::exists(folder.path() + "/DWGS/HOUSE.DB0"));
}

namespace {

// The pixels of a view's window that are not its white background.
int DrawnPixels(platform::ViewWindow* view) {
    const QImage shown = static_cast<platform::qt::QtView*>(view)->Canvas()->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if ((shown.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) ++drawn;
    return drawn;
}

} // namespace

TEST_F(QtMainWindow, AViewSentBehindKeepsItsPictureWhenTheWindowsAreRearranged) {
    // Two red lines on the ground floor.
    QFile drawing(folder.path() + "/DWGS/PLAN.DB0");
    ASSERT_TRUE(drawing.open(QIODevice::WriteOnly));
    drawing.write("6 0 0 0 1 7\n1\n1 50 3 10001 -4000 0 -2000 0 -2000 -2000 7 9 255 2 1\n1\n"
                  "1 50 0 10002 -3000 0 -1000 0 1000 1000 0 0 255 2 0\n"
                  "32000\n32000 50 0 0 -20000 0 -13332 -20000 0 -13332 0 0 1 0\n"
                  "32001\n32001 51 0 0 -20000 0 -13332 -20000 0 -13332 0 0 1 0\n"
                  "32002\n32002 52 0 0 -20000 0 -13332 -20000 0 -13332 0 0 1 0\n"
                  "32003\n32003 53 0 0 -20000 0 -13332 -20000 0 -13332 0 0 1 0\n");
    drawing.close();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    DrawingList.DrawingName = "PLAN";
    Shared.CurrentView = view_code::GroundFloor;
    program->Client().OpenView(0, ".PLN");
    QApplication::processEvents();
    ASSERT_EQ(frame->Views().size(), 1u);
    platform::ViewWindow* first = frame->Views().front();
    const int plan = DrawnPixels(first);
    ASSERT_GT(plan, 0);

    // Printing opens the ground floor again in a second view, in front of the first.
    program->Client().OpenView(0, ".PLN");
    QApplication::processEvents();
    ASSERT_EQ(frame->Views().size(), 2u);
    platform::ViewWindow* second = frame->Views().back();
    ASSERT_EQ(frame->ActiveView(), second);

    // The restore button shows the first view beside the second: it still shows the plan.
    static_cast<platform::qt::QtView*>(second)->SubWindow()->showNormal();
    QApplication::processEvents();
    EXPECT_GT(DrawnPixels(first), 0);
    EXPECT_GT(DrawnPixels(second), 0);
    // Minimised and restored, the view in front comes back with its picture; the one behind keeps its own.
    static_cast<platform::qt::QtView*>(second)->SubWindow()->showMinimized();
    QApplication::processEvents();
    static_cast<platform::qt::QtView*>(second)->SubWindow()->showNormal();
    frame->Area()->setActiveSubWindow(static_cast<platform::qt::QtView*>(second)->SubWindow());
    QApplication::processEvents();
    EXPECT_GT(DrawnPixels(first), 0);
    EXPECT_GT(DrawnPixels(second), 0);
    // A smaller main window leaves both pictures in place.
    frame->resize(700, 450);
    QApplication::processEvents();
    EXPECT_GT(DrawnPixels(first), 0);
    EXPECT_GT(DrawnPixels(second), 0);

    // Clicked, the first view comes to the front and is painted whole at its own size.
    frame->Area()->setActiveSubWindow(static_cast<platform::qt::QtView*>(first)->SubWindow());
    QApplication::processEvents();
    EXPECT_EQ(frame->ActiveView(), first);
    EXPECT_GT(DrawnPixels(first), 0);
}

namespace {

// Writes `bytes` to the file at `path`.
void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Answers the next file dialog with `name` once it shows, looking every 10 ms for up to 5 s.
void AnswerFileDialogWhenShown(const QString& name, int tries = 500) {
    QTimer::singleShot(10, [name, tries] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (tries > 0) AnswerFileDialogWhenShown(name, tries - 1);
            return;
        }
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

void Choose(platform::qt::QtFrame& frame, int command) {
    for (QAction* action : frame.ActionsOf(command)) {
        action->trigger();
        return;
    }
}

} // namespace

TEST_F(QtMainWindow, ATextChangedWhileTheWindowIsResizedBehindItsBoxIsKept) {
    WriteFile(folder.path() + "/DWGS/SEL.DB0",
              "7 0 0 0 1 4\n32000\n32000 50 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "32001\n32001 51 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "32002\n32002 52 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "32003\n32003 53 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "1\n1 50 10002 10002 -10000 0 -9000 0 -3850 -3850 0 0 0 1 0\n"
              "4\n4 50 0 10003 -9500 -3350 0 0 0 0 2 0 1 5 10 400 ArialAB\n"
              "7\n7 50 0 10004 -10400 0 -8000 0 -4250 -1850 0 1 0\n");
    WriteFile(folder.path() + "/CFG/SCROLL.CFG", "10 10");
    WriteFile(folder.path() + "/CFG/DWGSIZEM.CFG", "8400 5940");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    AnswerFileDialogWhenShown("SEL.DB0");
    Choose(*frame, 231);
    ASSERT_EQ(frame->Views().size(), 1u);
    // A zoom out and back saves the drawing as it was read, which the view then shows as read.
    Choose(*frame, 502);
    Choose(*frame, 501);
    QApplication::processEvents();
    Choose(*frame, 317);

    // A release on the text opens its box, in which the user drags the main window to `during`, then to
    // `after`, and types `typed`; what the box offered comes back.
    const auto changeText = [this](QSize during, QSize after, const QString& typed) {
        TChild* view = program->Client().ActiveView();
        const int index = DrawingList.FindType(4);
        if (!view || index >= DrawingList.count) return QString("no text");
        const platform::Point at = LogicalToClient(
            *view, {DrawingList[index]->x1 / Shared.Scale, DrawingList[index]->y1 / Shared.Scale});
        QWidget* canvas = static_cast<platform::qt::QtView*>(frame->Views().front())->Canvas();
        const double ratio = canvas->devicePixelRatioF();
        const QPoint click = canvas->mapTo(
            frame.get(), QPoint(static_cast<int>(at.x / ratio), static_cast<int>(at.y / ratio)));
        QString offered;
        std::function<void(int)> answer = [&](int tries) {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!box) {
                if (tries > 0) QTimer::singleShot(10, [&answer, tries] { answer(tries - 1); });
                return;
            }
            offered = box->textValue();
            frame->resize(during);
            QApplication::processEvents();
            frame->resize(after);
            QApplication::processEvents();
            box->setTextValue(typed);
            box->accept();
        };
        QTimer::singleShot(10, [&answer] { answer(500); });
        QTimer::singleShot(0, [this, click] {
            QTest::mouseRelease(frame->windowHandle(), Qt::LeftButton, Qt::NoModifier, click);
        });
        QTest::mousePress(frame->windowHandle(), Qt::LeftButton, Qt::NoModifier, click);
        QApplication::processEvents();
        return offered;
    };
    const auto saved = [this] {
        QFile file(folder.path() + "/DWGS/SEL.DB0");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    // Dragged bigger and back, the window repaints the view, which reads the drawing back.
    EXPECT_EQ(changeText({1100, 750}, {900, 600}, "NEW TEXT"), "AB");
    EXPECT_TRUE(saved().contains("ArialNEW TEXT\n")) << saved().toStdString();
    EXPECT_FALSE(saved().contains("ArialAB\n"));
    // Left wider, it also fits the sheet to its new shape: the drawing read back lies against the new
    // sheet's centre, and the text is found there.
    Choose(*frame, 317);
    EXPECT_EQ(changeText({1100, 500}, {1100, 500}, "WIDER"), "NEW TEXT");
    EXPECT_TRUE(saved().contains("ArialWIDER\n")) << saved().toStdString();
}

TEST_F(QtMainWindow, ACircleWhoseRadiusIsGivenAfterTheWindowGrewStaysWhereEnterWasPressed) {
    WriteFile(folder.path() + "/DWGS/ROUND.DB0",
              "5 0 0 0 1 2\n32000\n32000 50 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "32001\n32001 51 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "32002\n32002 52 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "32003\n32003 53 0 0 -21000 0 -14850 -21000 0 -14850 0 0 1 0\n"
              "1\n1 50 10002 10002 -10000 0 -9000 0 -3850 -3850 0 0 0 1 0\n");
    WriteFile(folder.path() + "/CFG/SCROLL.CFG", "10 10");
    WriteFile(folder.path() + "/CFG/DWGSIZEM.CFG", "8400 5940");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    AnswerFileDialogWhenShown("ROUND.DB0");
    Choose(*frame, 231);
    ASSERT_EQ(frame->Views().size(), 1u);
    Choose(*frame, 277);
    QApplication::processEvents();
    TChild* view = program->Client().ActiveView();
    ASSERT_NE(view, nullptr);

    // The cursor rests on a pixel of the view; Enter there asks the radius, and while the box is
    // open the user drags the main window taller, which fits the sheet to the window's new shape.
    QWidget* canvas = static_cast<platform::qt::QtView*>(frame->Views().front())->Canvas();
    const double ratio = canvas->devicePixelRatioF();
    const platform::Point pixel{200, 150};
    QCursor::setPos(
        canvas->mapToGlobal(QPoint(static_cast<int>(pixel.x / ratio), static_cast<int>(pixel.y / ratio))));
    const platform::Point logical = ClientToLogical(*view, pixel);
    const RecordOrigin before = SheetCentreInForce();
    const int x = logical.x * Shared.Scale - before.x;
    const int y = logical.y * Shared.Scale - before.y;
    std::function<void(int)> answer = [&](int tries) {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box) {
            if (tries > 0) QTimer::singleShot(10, [&answer, tries] { answer(tries - 1); });
            return;
        }
        frame->resize(900, 850);
        QApplication::processEvents();
        box->setTextValue("500");
        box->accept();
    };
    QTimer::singleShot(10, [&answer] { answer(500); });
    QTest::keyClick(canvas, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_NE(SheetCentreInForce(), before);

    QFile file(folder.path() + "/DWGS/ROUND.DB0");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    const QByteArray circle = QString("\n6 50 0 0 %1 0 %2 0 %3 %4 0 1 0\n")
                                  .arg(x - 500)
                                  .arg(x + 500)
                                  .arg(y - 500)
                                  .arg(y + 500)
                                  .toLatin1();
    EXPECT_TRUE(saved.contains(circle)) << saved.toStdString() << "\nwanted" << circle.toStdString();
}
