// The Qt desktop builds real dialogs from templates; these tests type into them with Qt's own key
// clicks and press their buttons.
#include "platform/desktop.h"
#include "platform/dialog.h"
#include "platform/qt/qt_desktop.h"
#include "platform/scripted_desktop.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A control as a template holds it, its other fields (a picture among them) left empty.
ControlTemplate Control(int id, ControlKind kind, std::string text, int textSize = 0,
                        Validator validator = Validator::None(), bool groupStart = false) {
    ControlTemplate c;
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    c.textSize = textSize;
    c.validator = std::move(validator);
    c.groupStart = groupStart;
    return c;
}

DialogTemplate LengthTemplate() {
    DialogTemplate t;
    t.resourceId = 5400;
    t.title = "door size";
    t.controls = {
        Control(5402, ControlKind::Edit, "door width", 6, Validator::Range(1, 32766)),
        Control(5403, ControlKind::Edit, "door name", 25, Validator::Filter("A-Za-z0-9, ")),
        Control(5404, ControlKind::RadioButton, "left", 0, Validator::None(), true),
        Control(5405, ControlKind::RadioButton, "right"),
    };
    return t;
}

// A dialog as the program writes them: filled in SetupWindow, read back in CmOk.
class LengthDialog : public Dialog {
  public:
    LengthDialog() : Dialog(LengthTemplate()) {}
    void SetupWindow() override {
        SetControlText(5402, "900");
        SetControlText(5403, "client");
        SetCheck(5404, true);
    }
    void CmOk() override {
        if (!ValidateControls()) return;
        width = std::stoi(GetControlText(5402));
        name = GetControlText(5403);
        right = GetCheck(5405);
        Dialog::CmOk();
    }
    int width = 0;
    std::string name;
    bool right = false;
};

template <typename T> T* Find(QDialog* dialog, int id) {
    return dialog->findChild<T*>(QString("control-%1").arg(id));
}

} // namespace

TEST(QtTemplateDialog, TypedValuesAreReadBackOnOk) {
    qt::QtDesktop desktop;
    LengthDialog dialog;
    std::unique_ptr<QDialog> widget = desktop.BuildDialog(dialog);
    auto* width = Find<QLineEdit>(widget.get(), 5402);
    auto* name = Find<QLineEdit>(widget.get(), 5403);
    ASSERT_NE(width, nullptr);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(width->text(), "900");

    width->selectAll();
    QTest::keyClicks(width, "1200x");
    name->selectAll();
    QTest::keyClicks(name, "My house.-2, B");
    QTest::mouseClick(Find<QRadioButton>(widget.get(), 5405), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(widget.get(), IdOk), Qt::LeftButton);

    EXPECT_EQ(widget->result(), IdOk);
    EXPECT_EQ(dialog.width, 1200);          // the range check lets only digits and signs be typed
    EXPECT_EQ(dialog.name, "My house2, B"); // '.' and '-' refused as typed
    EXPECT_TRUE(dialog.right);
}

TEST(QtTemplateDialog, AnEditShowsAsManyCharactersAsItTakes) {
    // A name or title edit takes 24 characters; all of them show at once, as the user typed them.
    qt::QtDesktop desktop;
    LengthDialog dialog;
    std::unique_ptr<QDialog> widget = desktop.BuildDialog(dialog);
    widget->show();
    auto* name = Find<QLineEdit>(widget.get(), 5403);
    ASSERT_NE(name, nullptr);
    const QString title = "SECOND FLOOR PLAN ANNEXE";
    name->setText(title + "X");
    EXPECT_EQ(name->text(), title);
    EXPECT_GE(name->width(), name->fontMetrics().horizontalAdvance(title) + 8);
}

TEST(QtTemplateDialog, OutOfRangeValueKeepsTheDialogOpenOnThatEdit) {
    qt::QtDesktop desktop;
    ScriptedDesktop messages; // validator messages go to the installed desktop
    InstallDesktop(&messages);
    LengthDialog dialog;
    std::unique_ptr<QDialog> widget = desktop.BuildDialog(dialog);
    widget->show();
    auto* width = Find<QLineEdit>(widget.get(), 5402);
    width->selectAll();
    QTest::keyClicks(width, "40000");
    QTest::mouseClick(Find<QPushButton>(widget.get(), IdOk), Qt::LeftButton);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(dialog.width, 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Value is not in the range 1 to 32766.");

    width->selectAll();
    QTest::keyClicks(width, "32766");
    QTest::mouseClick(Find<QPushButton>(widget.get(), IdOk), Qt::LeftButton);
    EXPECT_FALSE(widget->isVisible());
    EXPECT_EQ(dialog.width, 32766);
    InstallDesktop(nullptr);
}

TEST(QtTemplateDialog, RunDialogReturnsOkWhenPressedByKeys) {
    qt::QtDesktop desktop;
    LengthDialog dialog;
    QTimer::singleShot(0, [] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        auto* width = Find<QLineEdit>(modal, 5402);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, "750");
        QTest::mouseClick(Find<QPushButton>(modal, IdOk), Qt::LeftButton);
    });
    EXPECT_EQ(desktop.RunDialog(dialog), IdOk);
    EXPECT_EQ(dialog.width, 750);
}

// As the dialog opens, its first edit has the focus with the shown value selected: typed digits
// replace "900" instead of running on after it (which would give 900750, out of range).
TEST(QtTemplateDialog, TypingAsTheDialogOpensReplacesTheFirstEditsValue) {
    qt::QtDesktop desktop;
    ScriptedDesktop messages;
    InstallDesktop(&messages);
    LengthDialog dialog;
    QTimer::singleShot(0, [] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        QWidget* focused = modal->focusWidget();
        if (focused) QTest::keyClicks(focused, "750");
        QTest::mouseClick(Find<QPushButton>(modal, IdOk), Qt::LeftButton);
        if (modal->isVisible()) QTest::mouseClick(Find<QPushButton>(modal, IdCancel), Qt::LeftButton);
    });
    EXPECT_EQ(desktop.RunDialog(dialog), IdOk);
    EXPECT_EQ(dialog.width, 750);
    EXPECT_TRUE(messages.Messages().empty());
    InstallDesktop(nullptr);
}

TEST(QtTemplateDialog, EscapeCancels) {
    qt::QtDesktop desktop;
    LengthDialog dialog;
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(desktop.RunDialog(dialog), IdCancel);
    EXPECT_EQ(dialog.width, 0);
}

namespace {

// A list of names in columns, as the library list shows them; each selection change is counted with
// the selection the dialog then reads.
class NameListDialog : public Dialog {
  public:
    NameListDialog()
        : Dialog([] {
              DialogTemplate t;
              t.resourceId = 15500;
              t.title = "library files";
              t.controls = {Control(15501, ControlKind::ListBox, "")};
              return t;
          }()) {}
    void SetupWindow() override {
        Host().SetListColumnWidth(15501, 200);
        for (int i = 0; i < 40; ++i)
            Host().AddListItem(15501, "NAME " + std::to_string(i));
    }
    void OnCommand(int id, int notification) override {
        if (id == 15501 && notification == NotifySelectionChange)
            seen.push_back(Host().GetListSelection(15501));
    }
    std::vector<int> seen;
};

} // namespace

TEST(QtTemplateDialog, ListsRunInColumnsAndTellEachChosenEntry) {
    qt::QtDesktop desktop;
    NameListDialog dialog;
    std::unique_ptr<QDialog> widget = desktop.BuildDialog(dialog);
    widget->resize(600, 300);
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    auto* list = Find<QListWidget>(widget.get(), 15501);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);

    // Entries run down the first column and on at the top of the next, 200 pixels to the right.
    const QRect first = list->visualItemRect(list->item(0));
    const QRect second = list->visualItemRect(list->item(1));
    EXPECT_EQ(second.left(), first.left());
    EXPECT_GT(second.top(), first.top());
    int nextColumn = 1;
    while (nextColumn < list->count() && list->visualItemRect(list->item(nextColumn)).left() == first.left())
        ++nextColumn;
    ASSERT_LT(nextColumn, list->count());
    EXPECT_EQ(list->visualItemRect(list->item(nextColumn)).left() - first.left(), 200);
    EXPECT_EQ(list->visualItemRect(list->item(nextColumn)).top(), first.top());

    // Reaching the list by the keyboard chooses nothing; a click and an arrow key each choose one.
    list->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(dialog.seen.empty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialog.seen, (std::vector<int>{3, 4}));
    QTest::mouseClick(Find<QPushButton>(widget.get(), IdCancel), Qt::LeftButton);
}
