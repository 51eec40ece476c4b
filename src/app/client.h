#pragma once
// The client window: owns the one active tool and the drawing views, and receives every menu and
// toolbar command through its command table. Prompts, readouts and captions go to the desktop's text
// fields.

#include "platform/gdi_types.h"
#include "platform/window.h"
#include "view/view_owner.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class TChild;
class TDrawingtool;

// The font choice kept between the font commands.
struct FontDialogData {
    platform::Font logFont;
    int pointSize = 0; // tenths of a point
    platform::ColourRef colour = 0;
};

class TClient : public platform::FrameHandler, public ViewOwner {
  public:
    // The program folder must be in DrawingList.ProgramDir; the colours are read from CLR.CFG.
    TClient();
    ~TClient() override;
    TClient(const TClient&) = delete;
    TClient& operator=(const TClient&) = delete;

    // The main window the client lives in; views are made in it.
    void AttachFrame(platform::FrameWindow* frame) { Frame = frame; }

    // Commands.
    void OnCommand(int command) override;
    bool IsCommandEnabled(int command) override;
    std::string HintOf(int command) override;
    std::string TooltipOf(int command) override;
    bool OnCloseQuery() override;

    // The tool, as the views see it.
    TDrawingtool& Tool() override { return *CurrentTool; }
    void SelectPickTool() override;
    void RestoreTool(int kind) override;
    void ViewClosed(TChild& view) override;

    // The active view; null when none is open.
    TChild* ActiveView() const;
    int ViewCount() const { return static_cast<int>(views_.size()); }
    // Opens a view of the current drawing under a title suffix; keepTool 0 installs the pick tool.
    void OpenView(int keepTool, const std::string& suffix);
    // Replaces the tool.
    void InstallTool(std::unique_ptr<TDrawingtool> tool);
    // Lets closed views go; called where no view's handler is running.
    void ReleaseClosedViews();

    std::unique_ptr<TDrawingtool> CurrentTool;
    platform::FrameWindow* Frame = nullptr;
    FontDialogData FontData;
    platform::ColourRef FontColour = 0;

    // Command handlers.
    void CmHelpContents();
    void CmHelpSearch();
    void CmHelpIntroduction();
    void CmHelpTopic111();
    void CmContextHelp();
    void CmHelpQuickStart();
    void CmHelpHints();
    void CmHelpHowTo();
    void CmHelpExamples();
    void CmAbout();
    void CmExit();
    void CmFileNew();
    void CmFileOpen();
    void CmFileSaveAs();
    void CmLine();
    // Not in the command table until its text dialog is built.
    void CmLineText();
    void CmArc();
    void CmEllipse();
    void CmCircle();
    void CmRectangle();
    void CmRoundRect();
    void CmText();
    void CmMultilines();
    void CmNothing();
    void CmFindLineCentre();
    void CmFindRectCentre();
    void CmDatum();

  private:
    // Saves the drawing in hand and lets it go before the program ends. When the save fails the user
    // decides: false when they stay.
    bool ReadyToLeave();
    // Makes a view with the title and its window; null when the frame cannot make one.
    TChild* MakeView(const std::string& title);
    void LineCommand(bool withText);
    void ShapeCommand(std::unique_ptr<TDrawingtool> tool, int helpContext, const char* caption,
                      const char* prompt);

    using Handler = void (TClient::*)();
    std::map<int, Handler> commands_;
    std::vector<std::unique_ptr<TChild>> views_;
    std::vector<std::unique_ptr<TChild>> closed_;
};

// Empties the drawing list and appends the four floor information records of a new drawing.
void CreateInfoObjects();
// TextSize, FontWeight and FontName from TEXT.CFG, and the client's font choice from them.
void LoadTextSettings(TClient& client);
// Copies the drawing under a new name; work goes on with the drawing that was open.
void SaveDrawingAs(TClient& client, TChild& view);
