#include "platform/qt/qt_frame.h"

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_view.h"
#include "platform/qt/text_encoding.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVariant>

#include <algorithm>

namespace platform::qt {

namespace {

QIcon GlyphIcon(const FrameDescription& description, int glyph) {
    QIcon icon;
    if (!description.glyphImage) return icon;
    for (int size : {16, 24, 32}) {
        PixelBuffer image = description.glyphImage(glyph, size);
        if (image.Width() == 0) continue;
        QImage wrapped(reinterpret_cast<const uchar*>(image.Data()), image.Width(), image.Height(),
                       image.BytesPerLine(), QImage::Format_RGB32);
        QImage withAlpha = wrapped.convertToFormat(QImage::Format_ARGB32);
        // Pure magenta marks the glyphs' transparent pixels.
        for (int y = 0; y < withAlpha.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(withAlpha.scanLine(y));
            for (int x = 0; x < withAlpha.width(); ++x)
                if ((row[x] & 0xFFFFFF) == 0xFF00FF) row[x] = 0;
        }
        icon.addPixmap(QPixmap::fromImage(withAlpha));
    }
    return icon;
}

} // namespace

QtFrame::QtFrame(const FrameDescription& description, FrameHandler& handler, QtDesktop& desktop,
                 TextRenderer& text)
    : description_(description), handler_(handler), desktop_(desktop), text_(text) {
    setWindowTitle(ToQString(description.title));
    setWindowIcon(GlyphIcon(description, description.iconGlyph));
    area_ = new QMdiArea(this);
    area_->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(area_);
    // A view that comes to the front is painted again (while hidden it did not paint) and takes the
    // keyboard.
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        for (QtView* view : views_) {
            if (view->SubWindow() != window) continue;
            view->Invalidate(nullptr, true);
            view->Canvas()->setFocus(Qt::ActiveWindowFocusReason);
        }
    });

    for (const MenuItem& pull : description.menu) {
        QMenu* menu = menuBar()->addMenu(ToQString(pull.text));
        BuildMenu(menu, pull.items);
    }

    auto* bar = addToolBar("Tools");
    bar->setObjectName("toolbar");
    bar->setMovable(true);
    bar->setIconSize(QSize(24, 24));
    QFontMetrics metrics(font());
    for (const ToolbarItem& item : description.toolbar) {
        switch (item.kind) {
        case ToolbarItem::Kind::Separator: {
            auto* gap = new QWidget(bar);
            gap->setFixedWidth(std::max(item.size, 1) * 2);
            bar->addWidget(gap);
            break;
        }
        case ToolbarItem::Kind::Readout: {
            readout_ = new QLabel(bar);
            readout_->setObjectName("readout");
            readout_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            const int margins =
                2 * (readout_->frameWidth() + readout_->margin()) + metrics.averageCharWidth();
            readout_->setFixedWidth(std::max(metrics.averageCharWidth() * (item.size + 8),
                                             metrics.horizontalAdvance(ToQString(item.widest)) + margins));
            bar->addWidget(readout_);
            break;
        }
        case ToolbarItem::Kind::Button: {
            QAction* action = MakeAction(item.command, ToQString(handler.TooltipOf(item.command)));
            action->setIcon(GlyphIcon(description, item.glyph));
            action->setToolTip(ToQString(handler.TooltipOf(item.command)));
            bar->addAction(action);
            // The hint shows while the mouse rests on the button, greyed or not.
            if (QWidget* button = bar->widgetForAction(action)) {
                button->setProperty("korvaneHint", ToQString(handler.HintOf(item.command)));
                button->installEventFilter(this);
            }
            break;
        }
        }
    }

    prompt_ = new QLabel(this);
    prompt_->setObjectName("prompt");
    statusBar()->addWidget(prompt_, 1);
    caption_ = new QLabel(this);
    caption_->setObjectName("caption");
    caption_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    caption_->setFixedWidth(metrics.averageCharWidth() * (description.captionCharacters + 6));
    statusBar()->addPermanentWidget(caption_);
    desktop.AttachTextFields(statusBar(), prompt_, readout_, caption_);
    desktop.SetOwner(this);

    // Buttons follow the commands' enabled state as the program's state changes.
    refresh_ = new QTimer(this);
    refresh_->setInterval(250);
    connect(refresh_, &QTimer::timeout, this, &QtFrame::RefreshCommands);
    refresh_->start();
    RefreshCommands();
}

QtFrame::~QtFrame() {
    refresh_->stop();
    desktop_.AttachTextFields(nullptr, nullptr, nullptr, nullptr);
    desktop_.SetOwner(nullptr);
    // The views go before the frame's widgets; their handlers hear it.
    closing_ = true;
    for (QtView* view : std::vector<QtView*>(views_))
        delete view->SubWindow();
}

bool QtFrame::eventFilter(QObject* watched, QEvent* event) {
    QVariant hint = watched->property("korvaneHint");
    if (hint.isValid()) {
        if (event->type() == QEvent::Enter && !hint.toString().isEmpty())
            statusBar()->showMessage(hint.toString());
        if (event->type() == QEvent::Leave) statusBar()->clearMessage();
    }
    return QMainWindow::eventFilter(watched, event);
}

void QtFrame::BuildMenu(QMenu* menu, const std::vector<MenuItem>& items) {
    connect(menu, &QMenu::aboutToShow, this, &QtFrame::RefreshCommands);
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (!item.items.empty()) {
            BuildMenu(menu->addMenu(ToQString(item.text)), item.items);
        } else {
            menu->addAction(MakeAction(item.command, ToQString(item.text)));
        }
    }
}

QAction* QtFrame::MakeAction(int command, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString("command-%1").arg(command));
    action->setStatusTip(ToQString(handler_.HintOf(command)));
    connect(action, &QAction::triggered, this, [this, command] {
        if (!handler_.IsCommandEnabled(command)) return;
        handler_.OnCommand(command);
        RefreshCommands();
        for (QtView* view : views_)
            view->PaintPending();
    });
    actions_.emplace(command, action);
    return action;
}

std::vector<QAction*> QtFrame::ActionsOf(int command) const {
    std::vector<QAction*> out;
    auto range = actions_.equal_range(command);
    for (auto it = range.first; it != range.second; ++it)
        out.push_back(it->second);
    return out;
}

void QtFrame::RefreshCommands() {
    for (auto& [command, action] : actions_)
        action->setEnabled(handler_.IsCommandEnabled(command));
}

void QtFrame::SetBackground(ColourRef colour) {
    area_->setBackground(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
}

ViewWindow* QtFrame::CreateView(ViewHandler& handler, const std::string& title) {
    auto* view = new QtView(*this, handler, title);
    views_.push_back(view);
    return view;
}

ViewWindow* QtFrame::ActiveView() const {
    QMdiSubWindow* active = area_->activeSubWindow();
    if (!active && !views_.empty()) active = area_->currentSubWindow();
    for (QtView* view : views_)
        if (view->SubWindow() == active) return view;
    return views_.empty() ? nullptr : views_.back();
}

bool QtFrame::InFront(const QtView* view) const {
    return arriving_ ? arriving_ == view : ActiveView() == view;
}

std::vector<ViewWindow*> QtFrame::Views() const {
    return {views_.begin(), views_.end()};
}

bool QtFrame::CloseAllViews() {
    for (QtView* view : std::vector<QtView*>(views_)) {
        if (!view->SubWindow()->close()) return false;
    }
    return true;
}

void QtFrame::ViewGone(QtView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    // The window that held it is going; the view goes once the event that closed it is over.
    gone_.emplace_back(view);
    QTimer::singleShot(0, this, [this] { gone_.clear(); });
    if (!closing_) {
        if (ViewWindow* front = ActiveView()) front->Invalidate(nullptr, true);
    }
}

void QtFrame::Close() {
    closing_ = true;
    close();
}

void QtFrame::closeEvent(QCloseEvent* event) {
    if (!closing_ && !handler_.OnCloseQuery()) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
}

} // namespace platform::qt
