#include "app/zoom_commands.h"

#include "app/command_table.h"

void AddZoomCommands(CommandTable& /*table*/) {
    // Zoom UP (500), Back to Normal (501), Shrink by Half (502) and Fit on Screen (503) come with
    // ZoomView.
}
