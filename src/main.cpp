// Starts Qt, builds the main window and runs the event loop.
#include "app/out_of_memory.h"
#include "app/program.h"
#include "app/program_folder.h"
#include "platform/desktop.h"
#include "platform/qt/folder_lock_file.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/text_renderer_factory.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::qt::QtDesktop desktop;
    platform::InstallDesktop(&desktop);
    InstallOutOfMemoryHandler();
    std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
    std::string error;
    // Held until the program has ended: a second copy on this folder is refused while it runs.
    std::unique_ptr<platform::FolderLock> folderLock;
    std::vector<FileNotLaidIn> notLaidIn;
    std::string lockNote;
    if (!TakeProgramFolder(folder, platform::qt::LockFolderFile, folderLock, error, &notLaidIn, &lockNote)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        QMessageBox::critical(nullptr, "Korvane 5.0", QString::fromStdString(error));
        return 1;
    }
    desktop.SetHelpFolder(folder + "HELP/");
    std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
    int result = 0;
    {
        Program program(folder, std::move(notLaidIn), std::move(lockNote));
        platform::qt::QtFrame frame(program.Description(), program.Client(), desktop, *text);
        program.Start(frame);
        // Without a window manager a maximised window keeps its size: give it the screen first.
        if (QScreen* screen = QGuiApplication::primaryScreen())
            frame.setGeometry(screen->availableGeometry());
        frame.showMaximized();
        // Over the main window, once it shows.
        QTimer::singleShot(0, &frame, [&program] { program.TellStartNotes(); });
        result = app.exec();
    }
    platform::InstallDesktop(nullptr);
    return result;
}
