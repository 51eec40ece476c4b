// The help window shows the program's help document at the topic of a help context.
#include "app/program_folder.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

TEST(QtHelp, OpensTheDocumentAtAContextItsContentsAndItsSearch) {
    QTemporaryDir folder;
    std::string path = folder.path().toStdString() + "/";
    std::string error;
    ASSERT_TRUE(PrepareProgramFolder(path, error)) << error;
    platform::qt::HelpWindow help(path + "HELP/");
    help.ShowContext(250);
    EXPECT_EQ(help.CurrentAnchor(), "context-250");
    auto* browser = help.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("Korvane"));
    help.ShowContents();
    EXPECT_TRUE(help.isVisible());
    help.close();
}

namespace {

// A desktop whose help comes from a freshly prepared program folder.
struct HelpDesktop {
    HelpDesktop() {
        std::string path = folder.path().toStdString() + "/";
        std::string error;
        ready = PrepareProgramFolder(path, error);
        desktop.SetHelpFolder(path + "HELP/");
    }
    QTemporaryDir folder;
    bool ready = false;
    platform::qt::QtDesktop desktop;
};

} // namespace

TEST(QtHelp, TheDesktopOpensAndQuitsTheHelpWindow) {
    HelpDesktop help;
    ASSERT_TRUE(help.ready);
    platform::qt::QtDesktop& desktop = help.desktop;
    desktop.ShowHelp(platform::Desktop::HelpCommand::Context, 200);
    bool shown = false;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<platform::qt::HelpWindow*>(widget); window && window->isVisible()) {
            shown = true;
            EXPECT_EQ(window->CurrentAnchor(), "context-200");
        }
    EXPECT_TRUE(shown);
    desktop.ShowHelp(platform::Desktop::HelpCommand::Quit, 0);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<platform::qt::HelpWindow*>(widget)) {
            EXPECT_FALSE(window->isVisible());
        }
}

TEST(QtHelp, HelpAskedFromADialogComesInFrontAndTakesInput) {
    HelpDesktop helpDesktop;
    ASSERT_TRUE(helpDesktop.ready);
    platform::qt::QtDesktop& desktop = helpDesktop.desktop;
    QWidget main;
    main.resize(400, 300);
    main.show();
    QDialog dialog(&main);
    // Qt tells a window when a modal dialog shuts it out, and when it lets it in again.
    struct BlockWatch : QObject {
        std::map<QObject*, bool> blocked;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowBlocked) blocked[watched] = true;
            if (event->type() == QEvent::WindowUnblocked) blocked[watched] = false;
            return false;
        }
        bool Blocked(QWidget* window) { return blocked[window] || blocked[window->windowHandle()]; }
    } watch;
    bool blocked = true;
    bool shown = false;
    bool active = false;
    QApplication::instance()->installEventFilter(&watch);
    QTimer::singleShot(0, &dialog, [&] {
        desktop.ShowHelp(platform::Desktop::HelpCommand::Context, 200);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<platform::qt::HelpWindow*>(widget); help && help->isVisible()) {
                shown = true;
                // Asked again while shown: still in front and not shut out by the dialog.
                desktop.ShowHelp(platform::Desktop::HelpCommand::Context, 200);
                active = QTest::qWaitForWindowActive(help, 2000);
                blocked = watch.Blocked(help);
            }
        desktop.ShowHelp(platform::Desktop::HelpCommand::Quit, 0);
        dialog.accept();
    });
    dialog.exec();
    QApplication::instance()->removeEventFilter(&watch);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(active);
    EXPECT_FALSE(blocked);
}

TEST(QtHelp, ADocumentThatIsNotAFileIsRefusedAtOnceNamingIt) {
    HelpDesktop help;
    ASSERT_TRUE(help.ready);
    const std::string document = help.folder.path().toStdString() + "/HELP/index.html";
    ASSERT_EQ(std::remove(document.c_str()), 0);
    ASSERT_EQ(::mkfifo(document.c_str(), 0666), 0);
    // A reader that opens the pipe waits for a writer: the watch plays one, so that a help window that
    // waits fails the test instead of hanging it.
    std::atomic<bool> done{false};
    std::atomic<bool> waitedOn{false};
    std::thread watch([&] {
        while (!done) {
            if (const int fd = ::open(document.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0) {
                waitedOn = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    QString text;
    QString caption;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            caption = box->windowTitle();
            box->accept();
        }
    });
    help.desktop.ShowHelp(platform::Desktop::HelpCommand::Context, 200);
    done = true;
    watch.join();
    EXPECT_FALSE(waitedOn);
    EXPECT_EQ(text.toStdString(), document + " is not a file, so Help cannot show it: remove it, and Korvane "
                                             "puts its help back at the next start.");
    EXPECT_EQ(caption, "HELP");
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<platform::qt::HelpWindow*>(widget)) {
            EXPECT_FALSE(window->isVisible());
        }
    }
}
