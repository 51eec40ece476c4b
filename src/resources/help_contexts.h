#pragma once
// The help contexts, one list for the commands, the tools, the view and the dialogs: the topic of the
// help file that F1, Help > Context help and a dialog's Help button open. The values are the help
// file's own context ids.

namespace help_context {

// Help menu topics.
constexpr int Examples = 100;
constexpr int HowTo = 103;
constexpr int QuickStart = 107;
constexpr int Hints = 110;
constexpr int Topic111 = 111;
constexpr int Introduction = 400;
constexpr int Contents = 500;

// What the commands, tools and dialogs store in HelpContext.
constexpr int Files = 200;   // New, Open, Save As, Rotate/Mirror, bitmap
constexpr int Display = 210; // floors, Display Mode, Show Overlays
constexpr int Zoom = 220;
constexpr int Editing = 230;         // Copy, Paste, Move or Rotate, Change text/number, Erase/Delete
constexpr int Lines = 240;           // Line, Line + Text, Draw Multilines
constexpr int Curves = 241;          // Arc, Ellipse, Circle
constexpr int Text = 242;            // Text, Rectangle, RoundRect, Line Style
constexpr int Walls = 250;           // external-wall edits; New when it starts a floor plan
constexpr int ExternalWalls = 251;   // Mark External Walls
constexpr int FloorplanResize = 252; // Expand and Shrink Floorplan
constexpr int DoubleLines = 253;     // Draw Internal Wall, Opening (Internal Wall)
constexpr int DesignRooms = 260;     // Room Layout, the design rooms, the layout grid
constexpr int FixedRooms = 270;
constexpr int WindowsAndStairs = 280; // also Manual Dimension
constexpr int Doors = 300;
constexpr int Defaults = 310; // Customise, Textsize, the colour dialog
constexpr int DeletingWalls = 320;
constexpr int Libraries = 330;
constexpr int CentreAndDatum = 350; // centre of line and of rectangle, datum, undo
constexpr int Printing = 360;
constexpr int PickTool = 500;
constexpr int HouseRectangle = 20085; // the size of the design rooms' rectangle
constexpr int StartUp = 10003;        // before any command

} // namespace help_context
