#pragma once
// The main window on Qt: the menu, the toolbar with its readout field, the status bar with the prompt
// and the tool caption, and the MDI area where the drawing views live.

#include "platform/window.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

namespace platform {
class TextRenderer;
}

namespace platform::qt {

class QtDesktop;
class QtView;

class QtFrame : public QMainWindow, public FrameWindow {
    Q_OBJECT
  public:
    QtFrame(const FrameDescription& description, FrameHandler& handler, QtDesktop& desktop,
            TextRenderer& text);
    ~QtFrame() override;

    ViewWindow* CreateView(ViewHandler& handler, const std::string& title) override;
    ViewWindow* ActiveView() const override;
    std::vector<ViewWindow*> Views() const override;
    bool CloseAllViews() override;
    void Close() override;
    void RefreshCommands() override;
    void SetBackground(ColourRef colour) override;

    // The action of a command (menu item or toolbar button), for tests.
    std::vector<QAction*> ActionsOf(int command) const;
    QLabel* ReadoutLabel() const { return readout_; }
    QLabel* CaptionLabel() const { return caption_; }
    QLabel* PromptLabel() const { return prompt_; }
    QMdiArea* Area() const { return area_; }
    TextRenderer& Text() const { return text_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenu(QMenu* menu, const std::vector<MenuItem>& items);
    QAction* MakeAction(int command, const QString& text);
    void ViewGone(QtView* view);
    // Whether a view is the one in front, the only one that paints: the view being opened from the moment
    // its window shows, otherwise the active one.
    bool InFront(const QtView* view) const;
    friend class QtView;

    FrameDescription description_;
    FrameHandler& handler_;
    QtDesktop& desktop_;
    TextRenderer& text_;
    QMdiArea* area_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* prompt_ = nullptr;
    std::multimap<int, QAction*> actions_;
    std::vector<QtView*> views_;
    std::vector<std::unique_ptr<QtView>> gone_;
    // The view whose window is being shown, until the area has made it active; the view it pushes back
    // is resized meanwhile and must not paint then.
    const QtView* arriving_ = nullptr;
    QTimer* refresh_ = nullptr;
    bool closing_ = false;
};

} // namespace platform::qt
