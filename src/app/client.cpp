#include "app/client.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/menu_resources.h"
#include "settings/about_dialog.h"
#include "settings/cfg_files.h"
#include "tools/drawing_tool.h"
#include "tools/multiline_setup.h"
#include "view/child.h"
#include "view/datum.h"
#include "view/input_support.h"
#include "view/text_placement.h"

#include <algorithm>
#include <cstdio>

using platform::Desktop;
using platform::TheDesktop;

TClient::TClient() {
    FontColour = 0;
    FontData.colour = 0;
    auto first = std::make_unique<TLineobjtool>();
    first->Kind = 1;
    first->LineWidth() = 1;
    CurrentTool = std::move(first);
    ColourSettings colours = ReadColours();
    Shared.BackgroundColour = colours.background;
    Shared.DrawingColour = colours.drawing;
    Shared.OverlayColour = colours.overlay;

    commands_ = {
        {201, &TClient::CmAbout},
        {202, &TClient::CmHelpContents},
        {203, &TClient::CmContextHelp},
        {204, &TClient::CmHelpHints},
        {205, &TClient::CmHelpExamples},
        {206, &TClient::CmHelpHowTo},
        {207, &TClient::CmHelpQuickStart},
        {208, &TClient::CmHelpSearch},
        {230, &TClient::CmFileNew},
        {231, &TClient::CmFileOpen},
        {232, &TClient::CmFileSaveAs},
        {270, &TClient::CmLine},
        {274, &TClient::CmText},
        {275, &TClient::CmArc},
        {276, &TClient::CmEllipse},
        {277, &TClient::CmCircle},
        {278, &TClient::CmRectangle},
        {279, &TClient::CmRoundRect},
        {280, &TClient::CmNothing},
        {528, &TClient::CmHelpTopic111},
        {529, &TClient::CmHelpIntroduction},
        {24310, &TClient::CmExit},
    };
    // Line + Text (287) stays greyed until the line-text dialog and AddLineText are built: without
    // them it would draw a plain line that never asks for its text.
    // Centre finding and the datum, from their toolbar buttons.
    commands_[300] = &TClient::CmFindLineCentre;
    commands_[301] = &TClient::CmFindRectCentre;
    commands_[302] = &TClient::CmDatum;
    commands_[272] = &TClient::CmMultilines;
}

TClient::~TClient() {
    // Windows still open are closed first; each tells the client, which lets the view go.
    std::vector<TChild*> open;
    for (const auto& view : views_)
        open.push_back(view.get());
    for (TChild* view : open)
        if (view->Window()) view->Window()->Close();
    views_.clear();
    closed_.clear();
}

void TClient::OnCommand(int command) {
    ReleaseClosedViews();
    DrawingList.StartUserAction();
    auto it = commands_.find(command);
    if (it == commands_.end()) return;
    (this->*(it->second))();
}

bool TClient::IsCommandEnabled(int command) {
    return commands_.count(command) > 0;
}

std::string TClient::HintOf(int command) {
    return CommandHint(command);
}
std::string TClient::TooltipOf(int command) {
    return CommandTooltip(command);
}

bool TClient::OnCloseQuery() {
    // Closing the main window saves like Exit.
    DrawingList.StartUserAction();
    return ReadyToLeave();
}

bool TClient::ReadyToLeave() {
    if (DrawingList.count > 0 && !DrawingList.WriteDrawing(TList::SaveFailureNotice::Silent)) {
        const std::string path = DrawingList.DrawingFilePath();
        const std::string name = path.substr(path.rfind('/') + 1);
        if (TheDesktop().MessageBox("The drawing could not be saved to " + name + " - leave anyway?", "EXIT",
                                    platform::MessageBoxStyle::YesNo |
                                        platform::MessageBoxStyle::IconQuestion) != platform::IdYes)
            return false;
    }
    DrawingList.Flush();
    TheDesktop().ShowHelp(Desktop::HelpCommand::Quit, 0);
    return true;
}

void TClient::InstallTool(std::unique_ptr<TDrawingtool> tool) {
    CurrentTool = std::move(tool);
}

TChild* TClient::ActiveView() const {
    if (!Frame) return nullptr;
    platform::ViewWindow* active = Frame->ActiveView();
    for (const auto& view : views_)
        if (view->Window() == active && active) return view.get();
    return nullptr;
}

TChild* TClient::MakeView(const std::string& title) {
    if (!Frame) return nullptr;
    views_.push_back(std::make_unique<TChild>(*this, title));
    TChild* view = views_.back().get();
    view->Create(*Frame);
    return view;
}

void TClient::ViewClosed(TChild& view) {
    auto it = std::find_if(views_.begin(), views_.end(), [&](const auto& v) { return v.get() == &view; });
    if (it == views_.end()) return;
    // The view may be on the stack of the call that closed it: it goes later.
    closed_.push_back(std::move(*it));
    views_.erase(it);
}

void TClient::ReleaseClosedViews() {
    // A view whose input handler is still running (a drag, a dialog it opened) goes once it returns.
    std::erase_if(closed_, [](const auto& view) { return !view->HandlingInput(); });
}

void TClient::OpenView(int keepTool, const std::string& suffix) {
    if (!Frame) return;
    if (Frame->Views().size() > 8) Frame->CloseAllViews();
    DrawingList.Flush();
    ShowReadout("0");
    if (keepTool == 0) {
        auto pick = std::make_unique<TLineobjtool>();
        pick->Kind = 21;
        InstallTool(std::move(pick));
    }
    std::string title = DrawingList.DrawingName + suffix;
    Shared.DrawingState = 0;
    TChild* view = MakeView(title);
    ShowPrompt("press F1 for HELP");
    ShowCaption("Pick Tool");
    Shared.DrawingState = 2;
    if (view) RefreshView(*view, 0);
}

// Help.

void TClient::CmHelpContents() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Contents, 500);
}
void TClient::CmHelpSearch() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Search, 0);
}
void TClient::CmHelpIntroduction() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, 400);
}
void TClient::CmHelpTopic111() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, 111);
}
void TClient::CmHelpQuickStart() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, 107);
}
void TClient::CmHelpHints() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, 110);
}
void TClient::CmHelpHowTo() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, 103);
}
void TClient::CmHelpExamples() {
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, 100);
}

void TClient::CmContextHelp() {
    if (Shared.DrawingState < 2) {
        TheDesktop().MessageBox("You must open a drawing FILE first", "CONTEXT HELP",
                                platform::MessageBoxStyle::Ok);
        return;
    }
    TheDesktop().ShowHelp(Desktop::HelpCommand::Context, Shared.HelpContext);
}

void TClient::CmAbout() {
    TAboutdlg about;
    about.Execute();
}

void TClient::CmExit() {
    if (!ReadyToLeave()) return;
    if (Frame) Frame->Close();
}

// Tools.

void TClient::SelectPickTool() {
    auto pick = std::make_unique<TLineobjtool>();
    pick->Kind = 21;
    InstallTool(std::move(pick));
    ShowCaption("Pick Tool");
    ShowPrompt("Select a function or drawing tool");
    Shared.HelpContext = 500;
}

namespace {

std::string WithPenWidth(const char* format, const char* name) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, Shared.PenWidth, name);
    return buffer;
}

const char* LineStyleName(int style, bool withText) {
    static const char* plain[] = {"LINE solid", "LINE dash", "LINE dot", "LINE dotdash"};
    static const char* text[] = {"LINE solid+txt", "LINE dash+txt", "LINE dot+txt", "LINE dotdash+txt"};
    if (style < 0 || style > 3) return "";
    return withText ? text[style] : plain[style];
}

} // namespace

// The line tool, with or without a text to follow: both keep the line style of the tool in use.
void TClient::LineCommand(bool withText) {
    int style = CurrentTool->LineStyle();
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = 240;
    ShowPrompt("ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    auto line = std::make_unique<TLineobjtool>();
    line->LineStyle() = style;
    InstallTool(std::move(line));
    ShowCaption(WithPenWidth(withText ? "%d, %s" : "%d,%s", LineStyleName(style, withText)));
    CurrentTool->LineWidth() = Shared.PenWidth;
    if (withText) {
        CurrentTool->State = 50;
        CurrentTool->Y1 = 125000;
    }
}

void TClient::CmLine() {
    LineCommand(false);
}

void TClient::CmLineText() {
    LineCommand(true);
}

void TClient::ShapeCommand(std::unique_ptr<TDrawingtool> tool, int helpContext, const char* caption,
                           const char* prompt) {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = helpContext;
    InstallTool(std::move(tool));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, caption, Shared.PenWidth);
    ShowCaption(buffer);
    ShowPrompt(prompt);
}

void TClient::CmArc() {
    ShapeCommand(std::make_unique<TArcobjtool>(), 241, "%d,Arc",
                 "press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!");
}

void TClient::CmEllipse() {
    ShapeCommand(std::make_unique<TEllipseobjtool>(), 241, "%d,Ellipse",
                 "press Left Button on one endpoint and DRAG");
}

void TClient::CmCircle() {
    ShapeCommand(std::make_unique<TCircleobjtool>(), 241, "%d,Circle",
                 "ENTER centrepoint, input radius OR press Left Button on centre and DRAG");
}

void TClient::CmRectangle() {
    ShapeCommand(std::make_unique<TRectangleobjtool>(), 242, "%d,Rectangle",
                 "Press ENTER on one corner of RECTANGLE");
}

void TClient::CmRoundRect() {
    ShapeCommand(std::make_unique<TRndrectobjtool>(), 242, "%d,RoundRect",
                 "Press ENTER on one corner -as if squared off- of ROUNDED RECTANGLE");
}

void TClient::CmText() {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = 242;
    ShowCaption("Text");
    InstallTool(std::make_unique<TTextobjtool>());
    if (TChild* view = ActiveView()) StartTextTool(*view);
}

// Multilines: a line tool that asks the number of lines and then waits for the first line.
void TClient::CmMultilines() {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = 240;
    if (DrawingList.count >= 1 && Shared.CurrentView < 100) DrawingList.WriteDrawing();
    TChild* view = ActiveView();
    if (!view || !view->Window()) return;
    auto multiline = std::make_unique<TLineobjtool>();
    multiline->Kind = 1;
    multiline->State = 40;
    multiline->LineWidth() = Shared.PenWidth;
    InstallTool(std::move(multiline));
    char caption[32];
    std::snprintf(caption, sizeof caption, "%d,Multiline", Shared.PenWidth);
    ShowCaption(caption);
    if (SetupMultilines(*CurrentTool, *view->Window()) == MultilineSetup::Cancelled) SelectPickTool();
}

void TClient::CmNothing() {}

// Centre finding: the tool's next presses mark the points and put the cursor on the centre, then the
// tool returns to the state it was in.
void TClient::CmFindLineCentre() {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = 350;
    if (CurrentTool->State == 40) {
        // Multilines keep their own state.
        TheDesktop().MessageBox("Centre is not available to this function", "CENTRE",
                                platform::MessageBoxStyle::Ok);
        return;
    }
    CurrentTool->SavedState = CurrentTool->State;
    CurrentTool->State = 30;
    ShowPrompt("CENTRE - mark both endpoints with LEFT Button - cursor will move to centre");
}

void TClient::CmFindRectCentre() {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = 350;
    CurrentTool->SavedState = CurrentTool->State;
    CurrentTool->State = 35;
    ShowPrompt("CENTRE CENTRE - click any three corners in a CLOCKWISE direction with LEFT Button");
}

void TClient::CmDatum() {
    if (Shared.DrawingState <= 1) return;
    Shared.HelpContext = 350;
    if (TChild* view = ActiveView()) ToggleDatumPlacement(*view);
}

void TClient::RestoreTool(int kind) {
    std::unique_ptr<TDrawingtool> tool;
    switch (kind) {
    case 3:
        tool = std::make_unique<TArcobjtool>();
        break;
    case 4:
        tool = std::make_unique<TTextobjtool>();
        break;
    case 5:
        tool = std::make_unique<TEllipseobjtool>();
        break;
    case 6:
        tool = std::make_unique<TCircleobjtool>();
        break;
    case 14:
    case 78:
        tool = std::make_unique<TMoveobjtool>();
        break;
    case 15:
        tool = std::make_unique<TCopyobjtool>();
        break;
    case 21:
        tool = std::make_unique<TLineobjtool>();
        tool->Kind = 21;
        ShowPrompt("pick tool");
        break;
    case 22:
    case 999:
        tool = std::make_unique<TLineobjtool>();
        tool->Kind = kind;
        break;
    case 24:
        tool = std::make_unique<TTextobjtool>();
        tool->Kind = 24;
        break;
    case 60:
    case 62:
    case 64:
    case 65:
        tool = std::make_unique<TDoorobjtool>();
        tool->Kind = kind;
        break;
    case 71:
        tool = std::make_unique<TRoomobjtool>();
        break;
    case 85:
        tool = std::make_unique<TLineobjtool>();
        break;
    case 1000:
        tool = std::make_unique<TExtwallobjtool>();
        break;
    case 1500:
        tool = std::make_unique<TIntwallobjtool>();
        break;
    case 2000:
        tool = std::make_unique<TWindowobjtool>();
        break;
    case 29000:
        tool = std::make_unique<TDRoomobjtool>();
        break;
    default:
        // Every other kind comes back as the line tool, with the Line command's caption and prompt.
        CmLine();
        return;
    }
    InstallTool(std::move(tool));
}
