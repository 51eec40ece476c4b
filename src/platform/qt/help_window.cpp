#include "platform/qt/help_window.h"

#include "platform/help_document.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace platform::qt {

HelpWindow::HelpWindow(const std::string& folder) : folder_(folder) {
    setWindowTitle("Korvane Help");
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    auto* contents = new QPushButton("Contents", this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText("Search for");
    auto* find = new QPushButton("Find", this);
    bar->addWidget(contents);
    bar->addWidget(new QLabel("Search:", this));
    bar->addWidget(search_, 1);
    bar->addWidget(find);
    layout->addLayout(bar);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    layout->addWidget(browser_, 1);
    resize(700, 600);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(find, &QPushButton::clicked, this, &HelpWindow::FindNext);
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);
    Load();
}

void HelpWindow::Load() {
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(HelpDocumentPath(folder_))));
}

void HelpWindow::Present() {
    // Asked from a modal dialog, the help window belongs to that dialog: it stands above it and takes
    // input while the dialog waits, as help in a window of its own always could.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        winId(); // the native window, to hang it on the dialog's
        if (windowHandle() && modal->windowHandle())
            windowHandle()->setTransientParent(modal->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContents() {
    Load();
    browser_->scrollToAnchor("contents");
    Present();
}

void HelpWindow::ShowContext(int context) {
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(HelpDocumentPath(folder_)));
    url.setFragment(QString("context-%1").arg(context));
    browser_->setSource(url);
    Present();
}

void HelpWindow::ShowSearch() {
    Present();
    search_->setFocus();
}

QString HelpWindow::CurrentAnchor() const {
    return browser_->source().fragment();
}

void HelpWindow::FindNext() {
    if (search_->text().isEmpty()) return;
    if (!browser_->find(search_->text())) {
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(search_->text());
    }
}

} // namespace platform::qt
