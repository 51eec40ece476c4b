#include "platform/qt/qt_desktop.h"

#include "platform/dialog.h"
#include "platform/help_document.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/text_encoding.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QColorDialog>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <map>

namespace platform::qt {

namespace {

// Lets through only what the template's validator lets be typed; the range check itself runs on OK.
class TemplateValidator : public QValidator {
  public:
    TemplateValidator(const Validator& validator, QObject* parent)
        : QValidator(parent), validator_(validator) {}
    State validate(QString& input, int& /*position*/) const override {
        for (char c : FromQString(input))
            if (!validator_.AcceptsCharacter(c)) return Invalid;
        return Acceptable;
    }

  private:
    Validator validator_;
};

constexpr int PicturesPerRow = 4;

// A control's picture drawn for screens at 100 % and at 200 %, so neither is scaled from the other.
QIcon PictureIcon(const ControlTemplate& control) {
    QIcon icon;
    for (int ratio : {1, 2}) {
        PixelBuffer image = control.picture(control.pictureSize.cx * ratio, control.pictureSize.cy * ratio);
        if (image.Width() == 0) continue;
        QImage wrapped(reinterpret_cast<const uchar*>(image.Data()), image.Width(), image.Height(),
                       image.BytesPerLine(), QImage::Format_RGB32);
        QPixmap pixmap = QPixmap::fromImage(wrapped.copy());
        pixmap.setDevicePixelRatio(ratio);
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A template dialog on Qt widgets; the program's dialog object reaches them by control id.
class QtDialogHost : public QDialog, public DialogHost {
  public:
    QtDialogHost(Dialog& dialog, QWidget* owner) : QDialog(owner), dialog_(dialog) {
        const DialogTemplate& t = dialog.Template();
        setWindowTitle(ToQString(t.title));
        setObjectName(QString("dialog-%1").arg(t.resourceId));
        auto* outer = new QVBoxLayout(this);
        QFormLayout* form = nullptr;
        QVBoxLayout* target = outer;
        QButtonGroup* radios = nullptr;
        QGridLayout* pictures = nullptr;
        int pictureCount = 0;
        for (const ControlTemplate& c : t.controls) {
            if (c.kind != ControlKind::RadioButton || c.groupStart) radios = nullptr;
            if (c.kind != ControlKind::Edit && c.kind != ControlKind::ListBox) form = nullptr;
            if (!c.picture) pictures = nullptr;
            switch (c.kind) {
            case ControlKind::GroupBox: {
                auto* box = new QGroupBox(ToQString(c.text), this);
                box->setObjectName(Name(c.id));
                target = new QVBoxLayout(box);
                outer->addWidget(box);
                radios = nullptr;
                break;
            }
            case ControlKind::Static: {
                auto* label = new QLabel(ToQString(c.text), this);
                label->setObjectName(Name(c.id));
                label->setWordWrap(true);
                target->addWidget(label);
                widgets_[c.id] = label;
                break;
            }
            case ControlKind::Edit: {
                auto* edit = new QLineEdit(ToQString(c.initialText), this);
                edit->setObjectName(Name(c.id));
                if (c.textSize > 0) {
                    edit->setMaxLength(c.textSize - 1);
                    // Wide enough to show all it takes in capitals (a drawing name, a floor title), so
                    // nothing typed is hidden; the frame and the text margins come on top.
                    const int text =
                        edit->fontMetrics().horizontalAdvance(QString(c.textSize - 1, QChar('N')));
                    edit->setMinimumWidth(std::max(edit->sizeHint().width(), text + 12));
                }
                if (c.validator.GetKind() != Validator::Kind::None)
                    edit->setValidator(new TemplateValidator(c.validator, edit));
                if (!form) {
                    form = new QFormLayout();
                    target->addLayout(form);
                }
                form->addRow(ToQString(c.text), edit);
                widgets_[c.id] = edit;
                break;
            }
            case ControlKind::CheckBox: {
                auto* box = new QCheckBox(ToQString(c.text), this);
                box->setObjectName(Name(c.id));
                target->addWidget(box);
                widgets_[c.id] = box;
                break;
            }
            case ControlKind::RadioButton: {
                auto* radio = new QRadioButton(ToQString(c.text), this);
                radio->setObjectName(Name(c.id));
                if (!radios) radios = new QButtonGroup(this);
                radios->addButton(radio);
                if (c.picture) {
                    radio->setIcon(PictureIcon(c));
                    radio->setIconSize(QSize(c.pictureSize.cx, c.pictureSize.cy));
                    // Pictures stand side by side, four to a row, like the tiles of a palette.
                    if (!pictures || c.groupStart) {
                        pictures = new QGridLayout();
                        target->addLayout(pictures);
                        pictureCount = 0;
                    }
                    pictures->addWidget(radio, pictureCount / PicturesPerRow, pictureCount % PicturesPerRow);
                    ++pictureCount;
                } else {
                    target->addWidget(radio);
                }
                widgets_[c.id] = radio;
                break;
            }
            case ControlKind::PushButton: {
                auto* button = new QPushButton(ToQString(c.text), this);
                button->setObjectName(Name(c.id));
                button->setAutoDefault(false);
                int id = c.id;
                connect(button, &QPushButton::clicked, this,
                        [this, id] { dialog_.OnCommand(id, NotifyClicked); });
                target->addWidget(button);
                widgets_[c.id] = button;
                break;
            }
            case ControlKind::ListBox: {
                auto* list = new QListWidget(this);
                list->setObjectName(Name(c.id));
                list->setSelectionMode(QAbstractItemView::SingleSelection);
                int id = c.id;
                // The selection, not the current row: a list that gets the focus by the keyboard
                // makes its first entry current without choosing it.
                connect(list, &QListWidget::itemSelectionChanged, this, [this, id] {
                    if (!filling_) dialog_.OnCommand(id, NotifySelectionChange);
                });
                if (!c.text.empty()) target->addWidget(new QLabel(ToQString(c.text), this));
                target->addWidget(list);
                widgets_[c.id] = list;
                break;
            }
            }
        }
        auto* buttons = new QDialogButtonBox(this);
        QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
        ok->setObjectName(Name(IdOk));
        QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
        cancel->setObjectName(Name(IdCancel));
        connect(ok, &QPushButton::clicked, this, [this] { dialog_.CmOk(); });
        connect(cancel, &QPushButton::clicked, this, [this] { dialog_.CmCancel(); });
        if (t.helpButton) {
            QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
            help->setObjectName(Name(IdHelpButton));
            connect(help, &QPushButton::clicked, this, [this] { dialog_.CmHelp(); });
        }
        outer->addWidget(buttons);
        dialog_.AttachHost(this);
        dialog_.SetupWindow();
    }

    ~QtDialogHost() override { dialog_.AttachHost(nullptr); }

    // The control that has the focus as the dialog opens is the first one that takes it, unless the
    // dialog chose one; an edit there has its text selected, so what the user types replaces the shown
    // value ("client", "room ", "0") rather than running on after it.
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        QWidget* first = focusWidget();
        if (!first) {
            for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
                if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                    first = w;
                    break;
                }
            }
            if (first) first->setFocus(Qt::TabFocusReason);
        }
        if (auto* edit = qobject_cast<QLineEdit*>(first)) edit->selectAll();
    }

    // Escape and the window's close box cancel like the Cancel button.
    void reject() override { dialog_.CmCancel(); }

    void SetText(int id, std::string_view text) override {
        QWidget* w = Widget(id);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // Text set by the program is not limited by what may be typed.
            int limit = edit->maxLength();
            edit->setMaxLength(32767);
            edit->setText(ToQString(text));
            edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(ToQString(text));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setText(ToQString(text));
        }
    }
    std::string GetText(int id) const override {
        QWidget* w = Widget(id);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) return FromQString(edit->text());
        if (auto* label = qobject_cast<QLabel*>(w)) return FromQString(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return FromQString(button->text());
        return {};
    }
    void SetCheck(int id, bool checked) override {
        if (auto* button = qobject_cast<QAbstractButton*>(Widget(id))) {
            // Setting one radio button must not clear the others: the program sets each one itself.
            QButtonGroup* group = button->group();
            bool exclusive = group && group->exclusive();
            if (group) group->setExclusive(false);
            button->setChecked(checked);
            if (group) group->setExclusive(exclusive);
        }
    }
    bool GetCheck(int id) const override {
        auto* button = qobject_cast<QAbstractButton*>(Widget(id));
        return button && button->isChecked();
    }
    void ClearList(int id) override {
        if (auto* list = qobject_cast<QListWidget*>(Widget(id))) {
            filling_ = true;
            list->clear();
            filling_ = false;
        }
    }
    void AddListItem(int id, std::string_view text) override {
        if (auto* list = qobject_cast<QListWidget*>(Widget(id))) {
            filling_ = true;
            list->addItem(ToQString(text));
            filling_ = false;
        }
    }
    int ListCount(int id) const override {
        auto* list = qobject_cast<QListWidget*>(Widget(id));
        return list ? list->count() : 0;
    }
    std::string ListItem(int id, int index) const override {
        auto* list = qobject_cast<QListWidget*>(Widget(id));
        if (!list || index < 0 || index >= list->count()) return {};
        return FromQString(list->item(index)->text());
    }
    int GetListSelection(int id) const override {
        auto* list = qobject_cast<QListWidget*>(Widget(id));
        if (!list) return -1;
        const QList<QListWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.front());
    }
    void SetListSelection(int id, int index) override {
        if (auto* list = qobject_cast<QListWidget*>(Widget(id))) {
            filling_ = true;
            if (index >= 0 && index < list->count())
                list->setCurrentRow(index);
            else
                list->clearSelection();
            filling_ = false;
        }
    }
    void SetListColumnWidth(int id, int pixels) override {
        auto* list = qobject_cast<QListWidget*>(Widget(id));
        if (!list || pixels <= 0) return;
        // Entries run down a column and on into the next, scrolled sideways, each column `pixels` wide.
        list->setFlow(QListView::TopToBottom);
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setUniformItemSizes(true);
        list->setGridSize(QSize(pixels, list->fontMetrics().height() + 4));
        list->setMinimumWidth(2 * pixels + 2 * list->frameWidth());
        columnWidths_[id] = pixels;
    }
    int ListColumnWidth(int id) const override {
        auto it = columnWidths_.find(id);
        return it == columnWidths_.end() ? 0 : it->second;
    }
    void EnableControl(int id, bool enabled) override {
        if (QWidget* w = Widget(id)) w->setEnabled(enabled);
    }
    void FocusControl(int id) override {
        if (QWidget* w = Widget(id)) {
            w->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
        }
        focused_ = id;
    }
    int FocusedControl() const override {
        for (const auto& [id, w] : widgets_)
            if (w->hasFocus()) return id;
        return focused_;
    }
    void Close(int result) override {
        closed_ = true;
        done(result);
    }
    bool IsClosed() const override { return closed_; }

  private:
    static QString Name(int id) { return QString("control-%1").arg(id); }
    QWidget* Widget(int id) const {
        auto it = widgets_.find(id);
        return it == widgets_.end() ? nullptr : it->second;
    }

    Dialog& dialog_;
    std::map<int, QWidget*> widgets_;
    std::map<int, int> columnWidths_;
    bool closed_ = false;
    bool filling_ = false;
    int focused_ = 0;
};

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & 0xF0) {
    case MessageBoxStyle::IconStop:
        return QMessageBox::Critical;
    case MessageBoxStyle::IconQuestion:
        return QMessageBox::Question;
    case MessageBoxStyle::IconExclamation:
        return QMessageBox::Warning;
    case MessageBoxStyle::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
ColourRef FromQColor(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

// The file-open dialog. The drawings and their folders come from a system whose file names ignore case:
// a typed name that differs only in case from a file of the folder ("two.db0" for "TWO.DB0") chooses
// that file, where the dialog would refuse it as not found. The dialog therefore takes any name and
// checks it here; a name that matches no file is refused as the dialog itself would.
class OpenFileDialog : public QFileDialog {
  public:
    OpenFileDialog(QWidget* owner, const QString& title, const QString& folder, const QString& filter)
        : QFileDialog(owner, title, folder, filter) {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::AnyFile);
        // The desktop's own dialog would check the name itself, before the rule above could apply.
        setOption(QFileDialog::DontUseNativeDialog);
    }
    const QString& Chosen() const { return chosen_; }
    void accept() override {
        const QStringList typed = selectedFiles();
        if (typed.size() != 1) return;
        const QFileInfo name(typed.front());
        if (name.isDir()) {
            QFileDialog::accept(); // opens the folder
            return;
        }
        chosen_ = name.exists() ? name.absoluteFilePath() : QString();
        if (chosen_.isEmpty()) {
            const QDir folder = name.dir();
            for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
                if (file.compare(name.fileName(), Qt::CaseInsensitive) == 0) {
                    chosen_ = folder.filePath(file);
                    break;
                }
            }
        }
        if (chosen_.isEmpty()) {
            QMessageBox::warning(
                this, windowTitle(),
                QString("%1\nFile not found.\nPlease verify the correct file name was given.")
                    .arg(name.fileName()));
            return;
        }
        QDialog::accept();
    }

  private:
    QString chosen_;
};

// A modal window ends the mouse capture, as showing a dialog or message box always has for the program:
// a view holding it through a drag or a keyboard step (a release or a key that asks for a text) would
// otherwise take every click meant for the window.
void EndMouseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

} // namespace

QtDesktop::QtDesktop() = default;
QtDesktop::~QtDesktop() = default;

void QtDesktop::AttachTextFields(QStatusBar* statusBar, QLabel* prompt, QLabel* readout, QLabel* caption) {
    statusBar_ = statusBar;
    promptLabel_ = prompt;
    if (promptLabel_) promptLabel_->setText(ToQString(status_));
    if (readout) readout->setText(ToQString(readout_));
    if (caption) caption->setText(ToQString(caption_));
    readoutLabel_ = readout;
    captionLabel_ = caption;
}

int QtDesktop::MessageBox(std::string_view text, std::string_view caption, unsigned style) {
    EndMouseCapture();
    QMessageBox box(IconOf(style), ToQString(caption), ToQString(text), QMessageBox::NoButton, owner_);
    switch (style & MessageBoxStyle::ButtonsMask) {
    case MessageBoxStyle::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageBoxStyle::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageBoxStyle::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IdYes;
    case QMessageBox::No:
        return IdNo;
    case QMessageBox::Cancel:
        return IdCancel;
    default:
        return IdOk;
    }
}

bool QtDesktop::InputBox(std::string_view title, std::string_view prompt, std::string& text, int maxLength) {
    EndMouseCapture();
    QInputDialog dialog(owner_);
    dialog.setWindowTitle(ToQString(title));
    dialog.setLabelText(ToQString(prompt));
    dialog.setTextValue(ToQString(text));
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        if (maxLength > 0) edit->setMaxLength(maxLength);
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    text = FromQString(dialog.textValue());
    return true;
}

std::unique_ptr<QDialog> QtDesktop::BuildDialog(Dialog& dialog) {
    return std::make_unique<QtDialogHost>(dialog, owner_);
}

int QtDesktop::RunDialog(Dialog& dialog) {
    EndMouseCapture();
    QtDialogHost host(dialog, owner_);
    if (host.IsClosed()) return host.result();
    int result = host.exec();
    return result == IdOk ? IdOk : IdCancel;
}

bool QtDesktop::ChooseFile(FileDialogRequest& request) {
    EndMouseCapture();
    // A name that shows its pattern already ("Plan files(*.DB0)") is listed as it stands.
    auto entry = [](const std::string& name, const std::string& pattern) {
        const std::string shown = "(" + pattern + ")";
        const bool showsPattern =
            name.size() >= shown.size() && name.compare(name.size() - shown.size(), shown.size(), shown) == 0;
        return showsPattern ? name : name + " " + shown;
    };
    std::string filters = entry(request.filterName, request.pattern);
    for (const FileFilter& more : request.moreFilters)
        filters += ";;" + entry(more.name, more.pattern);
    QString filter = ToQString(filters);
    QString path;
    if (request.save) {
        path =
            QFileDialog::getSaveFileName(owner_, ToQString(request.title), ToQString(request.folder), filter);
    } else {
        OpenFileDialog dialog(owner_, ToQString(request.title), ToQString(request.folder), filter);
        if (dialog.exec() != QDialog::Accepted) return false;
        path = dialog.Chosen();
    }
    if (path.isEmpty()) return false;
    request.path = FromQString(path);
    return true;
}

bool QtDesktop::ChooseColour(ColourRef& colour, CustomColours& custom) {
    EndMouseCapture();
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(custom[static_cast<std::size_t>(i)]));
    QColor chosen = QColorDialog::getColor(ToQColor(colour), owner_);
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        custom[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid()) return false;
    colour = FromQColor(chosen);
    return true;
}

bool QtDesktop::ChooseFont(FontChoice& font) {
    EndMouseCapture();
    QFont initial(ToQString(font.face));
    if (font.pointSizeTenths > 0) initial.setPointSizeF(font.pointSizeTenths / 10.0);
    // Qt weighs fonts on the same 100 to 900 scale as the stored weights.
    initial.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    QFontDialog dialog(initial, owner_);
    // A face this system lacks shows as the family Qt puts in its place; unless the user picks
    // another family, the face asked for is the one kept, so OK alone changes no stored face name.
    const QString shownFamily = dialog.currentFont().family();
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.selectedFont();
    if (chosen.family() != shownFamily || font.face.empty()) font.face = FromQString(chosen.family());
    font.pointSizeTenths = static_cast<int>(std::lround(chosen.pointSizeF() * 10.0));
    font.weight = static_cast<int>(chosen.weight());
    return true;
}

// The one printer is made when first asked for: finding the system's printers takes a moment.
bool QtDesktop::PrintDialog() {
    EndMouseCapture();
    if (!printer_) printer_ = std::make_unique<ProgramPrinter>();
    return printer_->PrintDialog(owner_);
}

bool QtDesktop::PrinterSetupDialog() {
    EndMouseCapture();
    if (!printer_) printer_ = std::make_unique<ProgramPrinter>();
    return printer_->SetupDialog(owner_);
}

PrintResult QtDesktop::Print(std::string_view title, std::span<Printout* const> printouts) {
    if (!printer_) printer_ = std::make_unique<ProgramPrinter>();
    return printer_->Print(title, printouts);
}

void QtDesktop::SetStatusText(std::string_view text) {
    status_ = std::string(text);
    // A prompt replaces any hint still shown for a highlighted item.
    if (statusBar_) statusBar_->clearMessage();
    if (promptLabel_) promptLabel_->setText(ToQString(text));
}

void QtDesktop::SetReadoutText(std::string_view text) {
    readout_ = std::string(text);
    if (!readoutLabel_) return;
    readoutLabel_->setText(ToQString(text));
    // A text wider than the field widens it for good, so that the toolbar does not shift back and forth.
    const int wanted = readoutLabel_->sizeHint().width();
    if (wanted > readoutLabel_->width()) readoutLabel_->setFixedWidth(wanted);
}

void QtDesktop::SetToolCaption(std::string_view text) {
    caption_ = std::string(text);
    if (captionLabel_) captionLabel_->setText(ToQString(text));
}

Point QtDesktop::GetCursorPos() const {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void QtDesktop::SetCursorPos(Point screen) {
    QCursor::setPos(screen.x, screen.y);
}

void QtDesktop::ShowHelp(HelpCommand command, int context) {
    if (command == HelpCommand::Quit) {
        if (help_) help_->close();
        return;
    }
    // The browser reads the document with a plain open, which waits for good on a named pipe, and
    // shows an empty window for a page that is not there.
    if (const std::string refusal = HelpRefusal(helpFolder_); !refusal.empty()) {
        MessageBox(refusal, "HELP", MessageBoxStyle::Ok);
        return;
    }
    if (!help_) help_ = std::make_unique<HelpWindow>(helpFolder_);
    switch (command) {
    case HelpCommand::Context:
        help_->ShowContext(context);
        break;
    case HelpCommand::Search:
        help_->ShowSearch();
        break;
    default:
        help_->ShowContents();
        break;
    }
}

} // namespace platform::qt
