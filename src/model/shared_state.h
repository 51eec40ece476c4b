#pragma once
// The program's shared globals: drawing settings in force, the view mapping and the state of the open
// drawing. They keep the names the rest of the program knows them by. ResetSharedState() restores the
// values the program starts with, so every test begins from a fresh program.

#include "platform/geometry.h"

#include <cstdint>

struct SharedState {
    // Drawing units: 1 metric (1 mm), 0 feet and inches (1/24 inch).
    int Units = 1;
    int TextSize = 10;    // text size in points for new texts
    int FontWeight = 400; // weight of new texts
    // View being drawn and edited: 50..52 floors, 53 fourth plan, 40 room layout, 45 layout while the
    // external corners are marked, 8 before any drawing is opened, 100 and 1050..1052 while printing.
    int CurrentView = 8;
    int HelpContext = 10003;
    // 0 no drawing open, 1 while a drawing is (re)opened or zoomed, 2 open and saved, 3 a key was
    // handled in a view since the last save.
    int DrawingState = 0;
    // Tens digit: how walls paint; units digit: what else shows.
    int DisplayMode = 0;
    int LayoutGridOn = 2; // 1 shows the room-layout grid; anything else hides it
    int PenWidth = 1;
    int ObjectSerial = 1;
    // The last selection could not be written to the CFG folder, whose selection files still hold an
    // older one: no tool may take that for the selection the user made.
    bool SelectionUnwritten = false;

    // The view mapping. Scale: drawing units per logical unit; Zoom: logical units per device pixel;
    // ClientWidth/ClientHeight: the logical extent the client area shows; ScrollX/ScrollY: the logical
    // point at its lower-left corner.
    int PenWidthFactor = 1;
    int Scale = 1;
    float Zoom = 1.0f;
    int ClientWidth = 624;
    int ClientHeight = 346;
    int ScrollX = 0;
    int ScrollY = 0;

    // Sheet size in drawing units, and the bitmap export's extents.
    int SheetWidth = 1;
    int SheetHeight = 1;
    int BitmapLeft = 1;
    int BitmapRight = 1;
    int BitmapHeight = 1;
    // The least and greatest y of the drawing as last read (drawing units): the bitmap export centres the
    // drawing's own middle on its middle row.
    int BitmapLeastY = 0;
    int BitmapGreatestY = 0;

    platform::ColourRef DrawingColour = platform::Rgb(0, 0, 0);
    platform::ColourRef BackgroundColour = platform::Rgb(255, 255, 255);
    platform::ColourRef OverlayColour = platform::Rgb(255, 255, 255);
};

extern SharedState Shared;

// Puts every shared global back to its start-up value, and forgets the failed writes told so far.
void ResetSharedState();
