#pragma once
// Modal dialogs described as data. A dialog template lists the controls (id, kind, text, text limit,
// validator); a desktop builds a real dialog from it, or fills and reads it by id in a scripted run. The
// program's dialog classes derive from Dialog and see only control ids, never widgets.

#include "platform/geometry.h"
#include "platform/pixel_buffer.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class ControlKind { Static, Edit, CheckBox, RadioButton, PushButton, GroupBox, ListBox };

// Checks the text of an edit: a range check lets only digits and signs be typed and wants an integer
// within min..max on OK; a filter lets only the characters of its set be typed.
class Validator {
public:
    enum class Kind { None, Range, Filter };

    static Validator None() { return Validator(); }
    static Validator Range(int min, int max);
    // A set written as characters and ranges, e.g. "A-Za-z0-9, ".
    static Validator Filter(std::string_view set);

    Kind GetKind() const { return kind_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    bool AcceptsCharacter(char c) const;
    bool IsValid(std::string_view text) const;
    // The message shown when IsValid refuses a text.
    std::string ErrorText() const;

private:
    Kind kind_ = Kind::None;
    int min_ = 0;
    int max_ = 0;
    std::string set_; // every accepted character, expanded
    std::string setText_;
};

// Draws a control's picture at a size in pixels. The desktop asks for the pixel sizes its screen needs
// (twice the size on a screen at 200 %), so a picture drawn as figures stays crisp on every screen.
using PictureDrawer = std::function<PixelBuffer(int width, int height)>;

struct ControlTemplate {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;      // caption of a button or box, the label beside an edit or list, a static's text
    int textSize = 0;      // edits: characters + terminator (holds textSize - 1); 0 unlimited
    Validator validator;
    bool groupStart = false; // a radio button that starts a new group
    std::string initialText; // an edit's text as the template holds it
    PictureDrawer picture;   // a radio button's picture, shown beside its text; none when empty
    Size pictureSize;        // the picture in pixels on a screen at 100 %
};

struct DialogTemplate {
    int resourceId = 0;
    std::string title;
    std::vector<ControlTemplate> controls;
    bool helpButton = true; // the template has a Help button (id 9) beside OK (1) and Cancel (2)

    const ControlTemplate* FindControl(int id) const;
};

// Command ids of the standard buttons.
constexpr int IdHelpButton = 9;

// The running dialog's controls, as the desktop showing it offers them.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual void SetText(int id, std::string_view text) = 0;
    virtual std::string GetText(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) const = 0;
    virtual void ClearList(int id) = 0;
    virtual void AddListItem(int id, std::string_view text) = 0;
    virtual int ListCount(int id) const = 0;
    virtual std::string ListItem(int id, int index) const = 0;
    virtual int GetListSelection(int id) const = 0; // -1 none
    virtual void SetListSelection(int id, int index) = 0;
    // Lays the list out in columns of this many pixels, filled top to bottom, then left to right.
    virtual void SetListColumnWidth(int id, int pixels) = 0;
    virtual int ListColumnWidth(int id) const = 0; // 0 while the list has one column
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual void FocusControl(int id) = 0;
    virtual int FocusedControl() const = 0;
    virtual void Close(int result) = 0;
    virtual bool IsClosed() const = 0;
};

// Notification codes passed to Dialog::OnCommand.
constexpr int NotifyClicked = 0;
constexpr int NotifySelectionChange = 1;

class Dialog {
public:
    explicit Dialog(DialogTemplate dialogTemplate);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogTemplate& Template() const { return template_; }
    int ResourceId() const { return template_.resourceId; }

    // Runs the dialog modally on the installed desktop; returns IdOk or IdCancel.
    int Execute();

    // Called by the desktop: once the controls exist, then for each button.
    virtual void SetupWindow() {}
    virtual void CmOk();
    virtual void CmCancel() { CloseWindow(2); }
    virtual void CmHelp() {}
    virtual void OnCommand(int /*id*/, int /*notification*/) {}

    // The desktop attaches its controls before SetupWindow and detaches them after the dialog closed.
    void AttachHost(DialogHost* host) { host_ = host; }

    // The can-close pass: every edit's validator checks its text. On the first refusal the validator's
    // message is shown, the edit gets the focus and false comes back.
    bool ValidateControls();
    // Refuses OK as a validator does: shows the message and puts the focus on the edit to correct.
    void RefuseControl(int id, std::string_view message);

protected:
    void SetControlText(int id, std::string_view text);
    std::string GetControlText(int id) const;
    void SetCheck(int id, bool checked);
    bool GetCheck(int id) const;
    DialogHost& Host() const { return *host_; }
    void CloseWindow(int result);

private:
    DialogTemplate template_;
    DialogHost* host_ = nullptr;
};

} // namespace platform
