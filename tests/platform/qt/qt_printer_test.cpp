// The program's one printer on real Qt dialogs: what the page set-up dialog chooses is what the next
// print job prints on, and the jobs of one command into a PDF file go to numbered files.
#include "platform/qt/qt_printer.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

namespace {

// A printout of blank pages that notes the page it was given.
class PageSizes : public Printout {
  public:
    PageRange GetDialogInfo() override { return {1, 1, 1, 1}; }
    bool HasPage(int page) override { return page <= 1; }
    void PrintPage(int, DeviceContext&, Size pageSize, int pixelsPerInch) override {
        size = pageSize;
        resolution = pixelsPerInch;
    }
    Size size;
    int resolution = 0;
};

QRadioButton* FindRadio(QWidget* dialog, const QString& name, const QString& text) {
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
        if (radio->objectName() == name || radio->text().remove('&') == text) return radio;
    return nullptr;
}

} // namespace

TEST(QtPrinter, TheOrientationChosenInPageSetupIsThePrintJobs) {
    QTemporaryDir folder;
    const std::string pdf = (folder.path() + "/PLAN.PDF").toStdString();
    qt::ProgramPrinter printer;
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.Printer().setOutputFileName(QString::fromStdString(pdf));
    printer.Printer().setResolution(300);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    printer.Printer().setPageOrientation(QPageLayout::Portrait);

    PageSizes portrait;
    ASSERT_TRUE(printer.Print("PLAN.DB0", portrait, 1).error.empty());
    EXPECT_LT(portrait.size.cx, portrait.size.cy);
    EXPECT_EQ(portrait.resolution, 300);

    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (QRadioButton* landscape = FindRadio(dialog, "landscape", "Landscape")) {
            landscape->click();
            clicked = true;
        }
        dialog->accept();
    });
    ASSERT_TRUE(printer.SetupDialog(nullptr));
    ASSERT_TRUE(clicked);

    PageSizes landscape;
    const PrintResult result = printer.Print("PLAN.DB0", landscape, 2);
    EXPECT_TRUE(result.error.empty()) << result.error;
    EXPECT_EQ(result.pages, 1);
    EXPECT_EQ(landscape.size.cx, portrait.size.cy);
    EXPECT_EQ(landscape.size.cy, portrait.size.cx);
    // The second job of a command writes PLAN-2.PDF; the chosen name stays for the next command.
    EXPECT_TRUE(std::filesystem::exists(folder.path().toStdString() + "/PLAN-2.PDF"));
    EXPECT_EQ(printer.Printer().outputFileName().toStdString(), pdf);
}
