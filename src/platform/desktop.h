#pragma once
// Desktop services: everything the program asks of the desktop besides drawing. Message boxes, the
// one-line input dialog, modal dialogs built from templates, file, colour, font and print dialogs, the
// status bar and toolbar text fields, the mouse cursor and help. One interface, two implementations:
// the Qt desktop shows real widgets, the scripted desktop answers from a queue for tests.

#include "platform/geometry.h"
#include "platform/printing.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Dialog;

// Message-box buttons and the answers they give.
namespace MessageBoxStyle {
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned YesNoCancel = 0x3;
constexpr unsigned YesNo = 0x4;
constexpr unsigned IconStop = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned ButtonsMask = 0xF;
} // namespace MessageBoxStyle

constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

// A filter of a file dialog: the name it is listed under and the files it shows.
struct FileFilter {
    std::string name;    // e.g. "Plan files(*.DB0)"
    std::string pattern; // e.g. "*.DB0"
};

// A file open or save dialog: the folder it shows, its filters and title. On success `path` holds the
// chosen file's full path.
struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string folder;
    std::string filterName;              // the first filter, chosen when the dialog opens, e.g. "Drawings"
    std::string pattern;                 // e.g. "*.DB0"
    std::vector<FileFilter> moreFilters; // listed after the first
    std::string defaultExtension;
    std::string path;
};

// What the font dialog opens on and gives back. It offers no colour: `colour` passes through it.
struct FontChoice {
    std::string face;
    int pointSizeTenths = 100; // in tenths of a point
    int weight = 400;          // 100 thin to 900 black; 400 normal, 700 bold
    ColourRef colour = 0;
};

// The sixteen custom colours the colour dialog offers; the dialog may change them.
using CustomColours = std::array<ColourRef, 16>;

class Desktop {
  public:
    virtual ~Desktop() = default;

    // A modal message box; returns IdOk, IdCancel, IdYes or IdNo.
    virtual int MessageBox(std::string_view text, std::string_view caption, unsigned style) = 0;
    // The one-line input dialog. `text` comes in as the initial text and goes out as the answer;
    // at most maxLength characters can be typed. Returns false when cancelled.
    virtual bool InputBox(std::string_view title, std::string_view prompt, std::string& text,
                          int maxLength) = 0;
    // Runs a template dialog modally; returns the code it closed with (IdOk, IdCancel).
    virtual int RunDialog(Dialog& dialog) = 0;
    virtual bool ChooseFile(FileDialogRequest& request) = 0;
    // The colour dialog opened on `colour` with `custom` as its custom colours. OK puts the chosen
    // colour into `colour` and returns true; `custom` comes back with the user's changes either way.
    virtual bool ChooseColour(ColourRef& colour, CustomColours& custom) = 0;
    // The font dialog over the screen fonts, opened on `font`'s face, size and weight. OK puts the
    // chosen ones into `font` and returns true; cancelled, `font` is left as it was.
    virtual bool ChooseFont(FontChoice& font) = 0;

    // The print dialog on the program's one printer: the printer, paper and orientation chosen stay for
    // later jobs. Its copies and page range are set back to one copy of every page, as the program
    // prints its own copies as pages. False when cancelled.
    virtual bool PrintDialog() = 0;
    // The printer set-up dialog on the same printer; false when cancelled.
    virtual bool PrinterSetupDialog() = 0;
    // Prints the printouts of one command in turn, titled `title`, on the printer chosen last. On a
    // printer each printout is a job of its own, and the first job the printer cannot start or finish
    // ends the printing. Into a PDF file they are the pages of one document, which comes back in the
    // result for the caller to write to the file chosen.
    virtual PrintResult Print(std::string_view title, std::span<Printout* const> printouts) = 0;

    // The main window's text fields: the status-bar prompt, the toolbar readout and the tool caption.
    virtual void SetStatusText(std::string_view text) = 0;
    virtual std::string StatusText() const = 0;
    virtual void SetReadoutText(std::string_view text) = 0;
    virtual std::string ReadoutText() const = 0;
    virtual void SetToolCaption(std::string_view text) = 0;
    virtual std::string ToolCaption() const = 0;

    // The mouse cursor in screen coordinates.
    virtual Point GetCursorPos() const = 0;
    virtual void SetCursorPos(Point screen) = 0;

    // Help: show the help window at a context, its contents, its search, or close it.
    enum class HelpCommand { Context = 1, Quit = 2, Contents = 3, Search = 11 };
    virtual void ShowHelp(HelpCommand command, int context) = 0;
};

// The desktop the program runs on; installed once at start-up (and by each test).
Desktop& TheDesktop();
void InstallDesktop(Desktop* desktop);
// Runs `hook` before every dialog and message box of the desktop waits for the user, so that what the
// program holds back to write later (a save) is in its files by then. None by default.
void SetBeforeUserWaits(std::function<void()> hook);

} // namespace platform
