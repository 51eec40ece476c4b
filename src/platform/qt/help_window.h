#pragma once
// The help window: the program's help document in a browser, opened at the anchor of a help context,
// at its contents, or with the search field ready.

#include <QWidget>

#include <string>

class QTextBrowser;
class QLineEdit;

namespace platform::qt {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(const std::string& folder);
    void ShowContents();
    void ShowContext(int context);
    void ShowSearch();
    // The anchor the browser shows now ("" at the top of the document).
    QString CurrentAnchor() const;

  private:
    // Shows the window in front, above a modal dialog that asked for it.
    void Present();
    void Load();
    void FindNext();

    std::string folder_;
    QTextBrowser* browser_;
    QLineEdit* search_;
};

} // namespace platform::qt
