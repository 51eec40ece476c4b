#include "app/client.h"

#include "app/draw_commands.h"
#include "app/edit_commands.h"
#include "app/tool_of_kind.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/help_contexts.h"
#include "resources/menu_resources.h"
#include "tools/line_tool.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "tools/view_support.h"
#include "view/child.h"

#include <algorithm>

using platform::Desktop;
using platform::TheDesktop;

TClient::TClient() : commands_(ProgramCommands()) {
    FontColour = 0;
    FontData.colour = 0;
    // The first tool, until the user chooses one.
    CurrentTool = std::make_unique<TLineobjtool>();
    LoadColourSettings();
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
    UserAction action(DrawingList);
    if (CommandHandler handler = commands_.Find(command)) handler(*this);
}

bool TClient::IsCommandEnabled(int command) {
    return commands_.Find(command) != nullptr;
}

std::string TClient::HintOf(int command) {
    return CommandHint(command);
}
std::string TClient::TooltipOf(int command) {
    return CommandTooltip(command);
}

bool TClient::OnCloseQuery() {
    // Closing the main window saves like Exit.
    UserAction action(DrawingList);
    return ReadyToLeave();
}

bool TClient::ReadyToLeave() {
    if (DrawingList.count > 0 && !DrawingList.WriteDrawingNow(TList::SaveFailureNotice::Silent)) {
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

void TClient::UseOperations(WallOperations* walls, RoomOperations* rooms, EditingOperations* editing,
                            ZoomOperations* zooming) {
    walls_ = walls ? walls : &programWalls_;
    rooms_ = rooms ? rooms : &programRooms_;
    editing_ = editing ? editing : &programEditing_;
    zooming_ = zooming ? zooming : &programZooming_;
}

std::unique_ptr<TDrawingtool> TClient::MakeTool(int kind) {
    return toolMaker ? toolMaker(kind) : ToolOfKind(kind);
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

TChild& TClient::AddView(const std::string& title) {
    views_.push_back(std::make_unique<TChild>(*this, title));
    return *views_.back();
}

TChild* TClient::MakeView(const std::string& title) {
    if (!Frame) return nullptr;
    TChild& view = AddView(title);
    view.Create(*Frame);
    return &view;
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
    if (keepTool == 0) InstallTool(MakeTool(tool_kind::Pick));
    std::string title = DrawingList.DrawingName + suffix;
    Shared.DrawingState = 0;
    TChild* view = MakeView(title);
    ShowPrompt("press F1 for HELP");
    ShowCaption("Pick Tool");
    Shared.DrawingState = 2;
    if (view) RefreshView(*view, 0);
}

void TClient::SelectPickTool() {
    InstallTool(MakeTool(tool_kind::Pick));
    ShowCaption("Pick Tool");
    ShowPrompt("Select a function or drawing tool");
    Shared.HelpContext = help_context::PickTool;
}

void TClient::RestoreTool(int kind) {
    // The move and copy tools come back as their commands install them.
    if (kind == tool_kind::Move) {
        CmMove(*this);
        return;
    }
    if (kind == tool_kind::Copy) {
        CmCopy(*this);
        return;
    }
    std::unique_ptr<TDrawingtool> tool = MakeTool(kind);
    if (!tool) {
        // Every other kind comes back as the line tool, with the Line command's caption and prompt.
        CmLine(*this);
        return;
    }
    if (kind == tool_kind::Pick) ShowPrompt("pick tool");
    InstallTool(std::move(tool));
}
