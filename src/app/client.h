#pragma once
// The client window: owns the one active tool and the drawing views, and receives every menu and
// toolbar command through its command table, whose entries the files of the menu areas contribute.
// It is the view's owner: it gives the views the tool and the operations of the subsystems below.

#include "app/command_table.h"
#include "platform/gdi_types.h"
#include "platform/window.h"
#include "rooms/room_operations.h"
#include "tools/editing_operations.h"
#include "view/view_owner.h"
#include "view/zoom_operations.h"
#include "walls/wall_operations.h"

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

    // Commands: a command runs its handler; one without a handler is greyed.
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

    // The program's own operations of the subsystems, as the views call them.
    WallOperations& Walls() override { return walls_; }
    RoomOperations& Rooms() override { return rooms_; }
    EditingOperations& Editing() override { return editing_; }
    ZoomOperations& Zooming() override { return zooming_; }

    // The active view; null when none is open.
    TChild* ActiveView() const;
    int ViewCount() const { return static_cast<int>(views_.size()); }
    // Makes a view with the title and its window; null when the client has no frame.
    TChild* MakeView(const std::string& title);
    // The first half of MakeView: the view, built (it reads the drawing when one is open) and kept, its
    // window still to be made with Create.
    TChild& AddView(const std::string& title);
    // Opens a view of the current drawing under a title suffix; keepTool 0 installs the pick tool.
    void OpenView(int keepTool, const std::string& suffix);
    // Replaces the tool.
    void InstallTool(std::unique_ptr<TDrawingtool> tool);
    // Lets closed views go; called where no view's handler is running.
    void ReleaseClosedViews();
    // Saves the drawing in hand and lets it go before the program ends. When the save fails the user
    // decides: false when they stay.
    bool ReadyToLeave();

    std::unique_ptr<TDrawingtool> CurrentTool;
    platform::FrameWindow* Frame = nullptr;
    FontDialogData FontData;
    platform::ColourRef FontColour = 0;

  private:
    CommandTable commands_;
    std::vector<std::unique_ptr<TChild>> views_;
    std::vector<std::unique_ptr<TChild>> closed_;
    ProgramWallOperations walls_;
    ProgramRoomOperations rooms_;
    ProgramEditingOperations editing_;
    ProgramZoomOperations zooming_;
};
