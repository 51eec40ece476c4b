#pragma once
// Runs a scenario script over a program folder: the whole program headless, driven through its own code
// paths (command table, view input routing, dialogs through the scripted desktop).

#include "platform/folder_lock.h"
#include "platform/input.h"
#include "platform/pixel_buffer.h"
#include "platform/scripted_desktop.h"
#include "platform/text_renderer.h"
#include "script/script.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Program;

namespace platform {
class ScriptedFrame;
}

namespace script {

// What a scripted run needs of the platform's real backend: text pixels, PNG files, the PDF files
// the scripted printer writes, and the program folder's lock (none taken when empty).
struct ScriptServices {
    platform::TextRenderer* text = nullptr;
    platform::FolderLocker lockFolder;
    std::function<bool(const platform::PixelBuffer&, const std::string&)> savePng;
    platform::PdfDocumentMaker pdfDocuments;
    // Inside every dialog, input and message box, before it is answered, the active view repaints
    // whole at once, reading its drawing back from the file, as it does when the user resizes the
    // window behind the box. The sheet stays as it is (a resize would fit it to the window again from
    // its settings file, undoing a script's "set SheetWidth").
    bool repaintInDialogs = false;
};

class ScriptRunner {
  public:
    // folder: the program folder (made ready as at any start); scriptDir: where PATH2 of
    // "expect file PATH same PATH2" is looked up.
    ScriptRunner(std::string folder, std::string scriptDir, std::ostream& out, std::ostream& err,
                 ScriptServices services);
    ~ScriptRunner();

    // Runs every step; 0 when every step held, 1 at the first failure (reported on err), 2 when the
    // script or the folder is unusable, or another copy of the program is running on the folder.
    int Run(const std::string& scriptText);

    platform::ScriptedDesktop& Desktop() { return desktop_; }

  private:
    // The program has exited (File/Exit closed its main window). From then on only the steps that look
    // at what it left run; any other fails the run, naming the step.
    bool Exited() const;
    // Starts the program over the folder, as a user starts it: the folder taken and prepared (under
    // the "filesystem" faults in force), the shared state fresh, what it could not lay in told. Ends
    // the program that ran before. False, with the reason in `error`, when the folder cannot be used.
    bool StartProgram(std::string& error);
    bool Execute(const Step& step);
    bool Deliver(const Step& step);
    // The next input a drag loop waits for: runs the steps before it.
    bool NextInput(platform::InputEvent& event);
    // The input events of one input step.
    std::vector<platform::InputEvent> EventsOf(const Step& step) const;
    static bool IsInputStep(const Step& step);
    void Settle();
    void RepaintWholeView();
    // Inside a box: the client size a "resizeinbox" step queued is taken, then the repaint of
    // --repaint-in-dialogs.
    void WhileBoxIsOpen();
    // Views opened from now on, and the active one, take `size` as their client size.
    void ResizeViews(platform::Size size);
    void Track(platform::InputEvent& event);
    bool Expect(const Step& step);
    bool Fail(const Step& step, const std::string& why);
    std::string FolderPath(const std::string& relative) const;

    std::string folder_;
    std::string scriptDir_;
    std::ostream& out_;
    std::ostream& err_;
    ScriptServices services_;
    // Held from the start of the run until the runner goes.
    std::unique_ptr<platform::FolderLock> folderLock_;
    platform::ScriptedDesktop desktop_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<platform::ScriptedFrame> frame_;
    bool recordPaints_ = false;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool failed_ = false;
    std::deque<platform::InputEvent> queued_;
    platform::HeldButtons held_;
    std::size_t expectedMessages_ = 0;
    // The input, colour and font dialogs already checked by an expectation.
    std::size_t expectedInputs_ = 0;
    std::size_t expectedColourDialogs_ = 0;
    std::size_t expectedFontDialogs_ = 0;
    // The client size the views take inside the next box, from a "resizeinbox" step.
    std::optional<platform::Size> sizeInNextBox_;
    // Folders (paths ending in '/') that the "filesystem" step put on a read-only file system or a
    // full disk, with the error number their writes fail with.
    std::map<std::string, int> failingFolders_;
};

} // namespace script
