// Starts Qt, builds the main window and runs the event loop.
#include "app/program_folder.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QString>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string error;
    if (!PrepareProgramFolder(QCoreApplication::applicationDirPath().toStdString(), error)) {
        QMessageBox::critical(nullptr, "Korvane 5.0", QString::fromStdString(error));
        return 1;
    }
    QMainWindow frame;
    frame.setWindowTitle("Korvane 5.0");
    frame.setCentralWidget(new QMdiArea(&frame));
    frame.showMaximized();
    return app.exec();
}
