// The Qt desktop's colour and font dialogs, and the door dialogs' picture radios, on real widgets.
#include "model/drawing_list.h"
#include "platform/qt/qt_desktop.h"
#include "resources/door_pictures.h"
#include "settings/door_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace platform;

namespace {

template <typename T> T* ActiveModal() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

QColor ToQColor(ColourRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

TEST(QtColourDialog, OpensOnTheStartColourAndKeepsTheUsersCustomColours) {
    qt::QtDesktop desktop;
    CustomColours custom{};
    custom[1] = Rgb(10, 20, 30);
    ColourRef colour = Rgb(0, 0, 128);
    QColor shownStart;
    QColor shownCustom;
    QTimer::singleShot(0, [&] {
        auto* dialog = ActiveModal<QColorDialog>();
        ASSERT_NE(dialog, nullptr);
        shownStart = dialog->currentColor();
        shownCustom = QColorDialog::customColor(1);
        QColorDialog::setCustomColor(5, QColor(255, 0, 0)); // the user adds a custom colour
        dialog->setCurrentColor(QColor(128, 128, 128));
        dialog->accept();
    });
    ASSERT_TRUE(desktop.ChooseColour(colour, custom));
    EXPECT_EQ(shownStart, QColor(0, 0, 128));
    EXPECT_EQ(shownCustom, ToQColor(Rgb(10, 20, 30)));
    EXPECT_EQ(colour, Rgb(128, 128, 128));
    EXPECT_EQ(custom[5], Rgb(255, 0, 0));
    EXPECT_EQ(custom[1], Rgb(10, 20, 30));
    EXPECT_EQ(custom[0], Rgb(0, 0, 0));

    // Cancelled: the colour stays, the custom colours come back as the user left them.
    QTimer::singleShot(0, [] {
        auto* dialog = ActiveModal<QColorDialog>();
        ASSERT_NE(dialog, nullptr);
        QColorDialog::setCustomColor(6, QColor(0, 255, 0));
        dialog->reject();
    });
    EXPECT_FALSE(desktop.ChooseColour(colour, custom));
    EXPECT_EQ(colour, Rgb(128, 128, 128));
    EXPECT_EQ(custom[6], Rgb(0, 255, 0));
    EXPECT_EQ(custom[5], Rgb(255, 0, 0));
}

TEST(QtFontDialog, OpensOnTheFaceSizeAndWeightAndGivesTenthsOfAPoint) {
    qt::QtDesktop desktop;
    FontChoice font;
    font.face = "DejaVu Sans";
    font.pointSizeTenths = 100;
    font.weight = 400;
    font.colour = Rgb(0, 0, 255);
    QFont shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = ActiveModal<QFontDialog>();
        ASSERT_NE(dialog, nullptr);
        shown = dialog->currentFont();
        dialog->setCurrentFont(QFont("DejaVu Sans", 12, QFont::Bold));
        dialog->accept();
    });
    ASSERT_TRUE(desktop.ChooseFont(font));
    EXPECT_EQ(shown.family(), "DejaVu Sans");
    EXPECT_EQ(shown.pointSize(), 10);
    EXPECT_EQ(shown.weight(), QFont::Normal);
    EXPECT_EQ(font.face, "DejaVu Sans");
    EXPECT_EQ(font.pointSizeTenths, 120);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.colour, Rgb(0, 0, 255)); // the dialog offers no colour

    QTimer::singleShot(0, [] {
        auto* dialog = ActiveModal<QFontDialog>();
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentFont(QFont("DejaVu Serif", 20));
        dialog->reject();
    });
    EXPECT_FALSE(desktop.ChooseFont(font));
    EXPECT_EQ(font.face, "DejaVu Sans");
    EXPECT_EQ(font.pointSizeTenths, 120);
}

TEST(QtFontDialog, AFaceThisSystemLacksIsKeptUnlessTheUserPicksAnother) {
    // Drawings made elsewhere name faces this machine may not have; OK on the face the dialog put in
    // their place must not rename the face kept in the settings.
    qt::QtDesktop desktop;
    FontChoice font;
    font.face = "Korvane Missing Face";
    font.pointSizeTenths = 100;
    font.weight = 400;
    QString shownFamily;
    QTimer::singleShot(0, [&] {
        auto* dialog = ActiveModal<QFontDialog>();
        ASSERT_NE(dialog, nullptr);
        shownFamily = dialog->currentFont().family();
        QFont bigger = dialog->currentFont();
        bigger.setPointSize(14);
        dialog->setCurrentFont(bigger);
        dialog->accept();
    });
    ASSERT_TRUE(desktop.ChooseFont(font));
    ASSERT_NE(shownFamily, "Korvane Missing Face");
    EXPECT_EQ(font.face, "Korvane Missing Face");
    EXPECT_EQ(font.pointSizeTenths, 140);

    // Another face chosen in the dialog is taken.
    QTimer::singleShot(0, [] {
        auto* dialog = ActiveModal<QFontDialog>();
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentFont(QFont("DejaVu Serif", 10));
        dialog->accept();
    });
    ASSERT_TRUE(desktop.ChooseFont(font));
    EXPECT_EQ(font.face, "DejaVu Serif");
}

TEST(QtPictureRadios, DoorTypesShowTheirPicturesFourToARowAtBothScreenScales) {
    QTemporaryDir folder;
    const std::string savedFolder = DrawingList.ProgramDir;
    DrawingList.ProgramDir = folder.path().toStdString() + "/";
    qt::QtDesktop desktop;
    TDoordlg dialog(TDoordlg::Resource, 0);
    std::unique_ptr<QDialog> widget = desktop.BuildDialog(dialog);
    widget->show();
    const int ids[] = {10509, 10508, 10507, 10506, 10505, 10504, 10503, 10502};
    std::vector<QRadioButton*> radios;
    for (int id : ids) {
        auto* radio = widget->findChild<QRadioButton*>(QString("control-%1").arg(id));
        ASSERT_NE(radio, nullptr) << id;
        radios.push_back(radio);
    }
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const int type = static_cast<int>(i) + 1;
        EXPECT_EQ(radios[i]->iconSize(), QSize(DoorPictureSize, DoorPictureSize));
        for (int ratio : {1, 2}) {
            const QImage shown = radios[i]->icon().pixmap(QSize(48, 48), ratio).toImage();
            const PixelBuffer drawn = HingedDoorPicture(type, 48 * ratio, 48 * ratio);
            ASSERT_EQ(shown.width(), drawn.Width()) << "type " << type << " at " << ratio;
            const QImage expected(reinterpret_cast<const uchar*>(drawn.Data()), drawn.Width(), drawn.Height(),
                                  drawn.BytesPerLine(), QImage::Format_RGB32);
            EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), expected)
                << "type " << type << " at " << ratio;
        }
    }
    // Types 1 to 4 (walls running up the screen) on one row, 5 to 8 below them, column by column.
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(radios[i]->y(), radios[0]->y());
        EXPECT_GT(radios[i + 4]->y(), radios[i]->y());
        EXPECT_EQ(radios[i + 4]->x(), radios[i]->x());
    }
    EXPECT_TRUE(radios[0]->isChecked());
    DrawingList.ProgramDir = savedFolder;
}

// Drawings come from folders whose names ignore case: "two.db0" typed in the open dialog opens TWO.DB0
// instead of being refused as not found; a name that matches no file is still refused.
TEST(QtFileDialog, ANameDifferingOnlyInCaseOpensTheFileThatExists) {
    qt::QtDesktop desktop;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile drawing(folder.filePath("TWO.DB0"));
    ASSERT_TRUE(drawing.open(QIODevice::WriteOnly));
    drawing.close();
    FileDialogRequest request;
    request.title = "Open";
    request.folder = folder.path().toStdString();
    request.filterName = "Plan files(*.DB0)";
    request.pattern = "*.DB0";
    QString warning;
    auto typeName = [&warning](const char* typed) {
        auto* dialog = ActiveModal<QFileDialog>();
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        // A refused name brings up a warning over the dialog: both are closed so the test ends. The
        // timers go with the dialog, which may close before they are due.
        QTimer::singleShot(100, dialog, [&warning] {
            if (auto* box = ActiveModal<QMessageBox>()) {
                warning = box->text();
                box->accept();
            }
        });
        QTimer::singleShot(200, dialog, [dialog] {
            if (dialog->isVisible()) dialog->reject();
        });
        name->setFocus();
        QTest::keyClicks(name, typed);
        QTest::keyClick(name, Qt::Key_Return);
    };
    QTimer::singleShot(0, [&] { typeName("two.db0"); });
    ASSERT_TRUE(desktop.ChooseFile(request));
    EXPECT_EQ(QFileInfo(QString::fromStdString(request.path)).fileName(), "TWO.DB0");
    EXPECT_TRUE(warning.isEmpty());

    QTimer::singleShot(0, [&] { typeName("three.db0"); });
    EXPECT_FALSE(desktop.ChooseFile(request));
    EXPECT_EQ(warning, "three.db0\nFile not found.\nPlease verify the correct file name was given.");
}
