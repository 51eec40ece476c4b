#pragma once
// What a drawing view needs of the client window that owns it: the active tool and the ways of
// replacing it, and the operations of the subsystems that the view's handlers call. The client
// implements this; the view never sees the client's class.

class EditingOperations;
class RoomOperations;
class TChild;
class TDrawingtool;
class ZoomOperations;
class WallOperations;

class ViewOwner {
  public:
    virtual ~ViewOwner() = default;
    // The one active tool; never null.
    virtual TDrawingtool& Tool() = 0;
    // Installs the pick tool with its caption, prompt and help context.
    virtual void SelectPickTool() = 0;
    // Rebuilds the active tool from a kind code.
    virtual void RestoreTool(int kind) = 0;
    // The view's window is gone; the owner lets the view go when it is safe to.
    virtual void ViewClosed(TChild& view) = 0;

    // The operations the view calls, each set through the interface its subsystem declares: the
    // program's own, or a test's.
    virtual WallOperations& Walls() = 0;
    virtual RoomOperations& Rooms() = 0;
    virtual EditingOperations& Editing() = 0;
    virtual ZoomOperations& Zooming() = 0;
};
