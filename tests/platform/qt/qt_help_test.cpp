// The help window shows the program's help document at the topic of a help context.
#include "app/program_folder.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

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

TEST(QtHelp, TheDesktopOpensAndQuitsTheHelpWindow) {
    QTemporaryDir folder;
    std::string path = folder.path().toStdString() + "/";
    std::string error;
    ASSERT_TRUE(PrepareProgramFolder(path, error)) << error;
    platform::qt::QtDesktop desktop;
    desktop.SetHelpFolder(path + "HELP/");
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
