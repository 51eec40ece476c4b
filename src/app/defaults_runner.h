#pragma once
// The default-settings dialogs run on behalf of an open drawing: the Customise commands use it when a
// drawing is open, and Calibrate Printer with kind 11.

class TChild;
class TClient;

// The kinds of RunDefaultsDialog.
namespace defaults_kind {
constexpr int Doors = 1;            // TConfigdlg, then a repaint
constexpr int DimensionOffsets = 2; // TOffsetdlg or TOffsetimpdlg, then a repaint
constexpr int Font = 3;             // the font dialog, then a repaint with erase
constexpr int Grid = 4;             // GRIDM.CFG or GRIDI.CFG spacing, then the layout grid's colour
constexpr int Colours = 5;          // background, drawing and overlay colours
constexpr int PenColour = 6;        // the colour of new objects, then a repaint
constexpr int PrinterCalibration = 11;
constexpr int CustomStairs = 12;      // TStrscondlg or TStrsimpcondlg
constexpr int DesignRoomColours = 13; // wet area, bedroom and other rooms, then a repaint
constexpr int MergeDistance = 14;     // the design-room merge distance, then a repaint
} // namespace defaults_kind

// Runs the default-settings dialog of `kind` owned by `view`, stores what it returns and repaints the
// view as the kind asks. Kinds it does not know do nothing.
void RunDefaultsDialog(TClient& client, TChild& view, int kind);
