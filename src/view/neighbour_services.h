#pragma once
// The operations of the walls, partitions, rooms, editing and dialog code that the view's input
// handlers call. Those subsystems sit below the view and cannot name it, so the program installs each
// operation here as a function that takes the view; an operation that nobody installed does nothing
// (and the one with a result gives 0).
//
// Installing one, at start-up in the program:
//     Neighbours().ChooseExternalWallType = [](TChild& view) { ... };

#include "platform/geometry.h"

#include <functional>
#include <utility>

class TChild;

struct NeighbourServices {
    // External walls and the floor-plan base.
    // Runs the external-wall type dialogs for the change-type edit and applies the choice.
    std::function<void(TChild& view)> ChooseExternalWallType;
    // Repaints around the external wall being edited: mode 1 after lengthen, shorten or a type change,
    // 2 after a delete.
    std::function<void(TChild& view, const platform::Rect& client, int mode)> InvalidateWallEditArea;
    // The house rectangle of the design rooms: sets the datum and shows the size (mode 0 in the status
    // bar, 1 in a message box).
    std::function<void(TChild& view, int mode)> ShowHouseRectangleSize;

    // Rooms and the room layout.
    // Repaints around the design room being moved.
    std::function<void(TChild& view, const platform::Rect& client)> InvalidateDesignRoomArea;
    // Continues the fixed-room command after its first click.
    std::function<void(TChild& view)> NewFixedRoom;
    // Makes a design room of the measured maximum size.
    std::function<void(TChild& view)> NewMaxDesignRoom;

    // Editing.
    // Asks the length of a manual dimension at the cursor (client pixels) and hands it to the tool.
    std::function<void(TChild& view, int x, int y)> EnterMeasurement;
    // Stores and reports the floor area (mode 2).
    std::function<void(TChild& view, int mode)> ReportFloorArea;
    // 1, after a warning, when the selection holds objects that turn only by right angles; else 0.
    std::function<int(TChild& view)> CheckRotationLimits;

    // Dialogs owned by the view: the view-dialog runner (mode 8: the line text) and the dialog that
    // names a new library item.
    std::function<void(TChild& view, int mode)> RunViewDialog;
    std::function<void(TChild& view)> RunLibraryCaptureDialog;

    // Zoom and the layout grid.
    // Applies a zoom: mode 1 after a dragged rectangle.
    std::function<void(TChild& view, int mode)> ZoomView;
    // Draws the layout grid again on the room layout.
    std::function<void(TChild& view)> RedrawLayoutGrid;
    // Replaces the list's objects with the layout grid's lines for one paint (the drawing is saved
    // first and read back after the grid is painted, so the grid is never stored).
    std::function<void()> MakeLayoutGrid;
};

// The one set of installed operations.
NeighbourServices& Neighbours();

// Calls an installed operation; one not installed does nothing and gives a zero result.
template <typename Result, typename... Parameters, typename... Arguments>
Result CallNeighbour(const std::function<Result(Parameters...)>& operation, Arguments&&... arguments) {
    if (!operation) return Result();
    return operation(std::forward<Arguments>(arguments)...);
}
