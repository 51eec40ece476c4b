#pragma once
// The fixed-room command's step on the view after its first click.

class DrawingView;

// Runs the room dialogs and builds the room of internal walls with its name and sizes.
void NewFixedRoom(DrawingView& view);
