// Starts Qt, builds the main window and runs the event loop.
#include "app/program_folder.h"
#include "platform/desktop.h"
#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QString>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::qt::QtDesktop desktop;
    platform::InstallDesktop(&desktop);
    std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
    std::string error;
    if (!PrepareProgramFolder(folder, error)) {
        QMessageBox::critical(nullptr, "Korvane 5.0", QString::fromStdString(error));
        return 1;
    }
    QMainWindow frame;
    frame.setWindowTitle("Korvane 5.0");
    frame.setCentralWidget(new QMdiArea(&frame));
    desktop.SetOwner(&frame);
    frame.showMaximized();
    int result = app.exec();
    platform::InstallDesktop(nullptr);
    return result;
}
