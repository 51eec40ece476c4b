#pragma once
// The Customise menu's commands and the colour, line style and text size commands of the Tools menu.
// With no drawing open each command runs its dialogs on the client window and writes the CFG files;
// with a drawing open most hand over to the defaults runner on the active view (defaults_runner.h).
// The colour chooser ApplyColourSettings and the steps both paths share live here too.

#include "model/shared_state.h"

#include <optional>
#include <span>
#include <string_view>

class CommandTable;
class TChild;
class TClient;

void AddCustomiseCommands(CommandTable& table);

// What ApplyColourSettings chooses, and where the colour goes.
namespace colour_kind {
constexpr int Pen = 1;        // DrawingColour for new objects; no file
constexpr int Background = 2; // BackgroundColour; no file until a Drawing or Overlay choice follows
constexpr int Drawing = 3;    // DrawingColour; CLR.CFG
constexpr int LayoutGrid = 4; // the room-layout grid line of LYTGRIDM.CFG or LYTGRIDI.CFG, by Units
constexpr int Overlay = 5;    // OverlayColour; CLR.CFG
constexpr int WetArea = 6;    // the design-room colours of RMCLR.CFG
constexpr int Bedroom = 7;
constexpr int OtherRooms = 8;
} // namespace colour_kind

// Runs the colour dialog on the colour of `kind`, with the client's custom colours, and stores the
// colour chosen (the start colour when cancelled) in its global and its file. Ends with the status
// prompt of the drawing state. Kinds other than 1 to 8 do nothing.
void ApplyColourSettings(TClient& client, int kind);

// Runs the line-style dialog; OK sets PenWidth and the active tool's line style. The tool caption
// then shows the pen width and the tool's name, whatever the answer.
void LineStyleDialog(TChild& view);

// One colour step: a message box that names the colour, its prompt, then ApplyColourSettings.
struct ColourStep {
    int kind = 0;
    std::string_view message;
    std::string_view caption;
    std::string_view prompt;
};
inline constexpr ColourStep DrawingColourSteps[] = {
    {colour_kind::Background, "Select your BACKGROUND COLOUR in the next dialogue box", "BACKGROUND COLOUR",
     "Select BACKGROUND COLOUR"},
    {colour_kind::Drawing, "Select your DRAWING COLOUR in the next dialogue box", "DRAWING COLOUR",
     "Select DRAWING COLOUR"},
    {colour_kind::Overlay, "Select your OVERLAY COLOUR in the next dialogue box", "OVERLAY COLOUR",
     "Select OVERLAY COLOUR"}};
inline constexpr ColourStep DesignRoomColourSteps[] = {
    {colour_kind::WetArea, "Select your WET AREA ROOM COLOUR in the next dialogue box",
     "WET AREA ROOM COLOUR", "Select WET AREA ROOM COLOUR"},
    {colour_kind::Bedroom, "Select your BEDROOM COLOUR in the next dialogue box", "BEDROOM COLOUR",
     "Select BEDROOM COLOUR"},
    {colour_kind::OtherRooms, "Select your OTHER ROOM COLOUR in the next dialogue box", "OTHER ROOMS COLOUR",
     "Select OTHER ROOMS COLOUR"}};
// Runs the steps in order. `cursorBack` puts the mouse cursor back where it was after each message,
// as a message raised from a view does.
void RunColourSteps(TClient& client, std::span<const ColourStep> steps, bool cursorBack);

// Asks for a whole number in the one-line input dialog, offering `shown`. The number typed (a text
// that is no number is 0), or nothing when the user cancels.
std::optional<int> AskWholeNumber(std::string_view title, std::string_view prompt, int shown, int maxLength);

// The design-room merge distance of MERGEM.CFG or MERGEI.CFG (by Units), asked in the input dialog
// with the texts of the units in force: shown and typed in whole inches or millimetres, raised to at
// least 2 inches or 50 mm, written back also when the user cancels (in whole inches in feet and
// inches).
struct MergeQuestion {
    std::string_view prompt; // in the status bar
    std::string_view title;
    std::string_view label;
};
void AskMergeDistance(const MergeQuestion& inches, const MergeQuestion& millimetres, int maxLength);

// Runs the metric twin of a dialog when Units is 1, else the feet-and-inches twin.
template <typename Metric, typename Imperial> void RunTwinDialog() {
    if (Shared.Units == 1) {
        Metric metric;
        metric.Execute();
    } else {
        Imperial imperial;
        imperial.Execute();
    }
}

// Saves the open drawing. With no drawing open nothing is saved: the list is empty or left over from
// a cancelled New or Open, and its name may be none.
void SaveOpenDrawing();

// Runs the font dialog on the text settings in force (TextSize, FontWeight, FontName) through the
// client's FontData. OK takes the chosen font into the globals and TEXT.CFG; Cancel changes nothing
// but gives FontData back the point size it had. True on OK.
bool ChooseTextFont(TClient& client);

void CmChangeColour(TClient& client);      // 281
void CmLineStyle(TClient& client);         // 282
void CmDefaultFont(TClient& client);       // 404, also Textsize (285)
void CmDefaultDoors(TClient& client);      // 402
void CmDefDimensions(TClient& client);     // 403
void CmDefaultColours(TClient& client);    // 405
void CmDefaultLayoutGrid(TClient& client); // 406
void CmDesignRoomColours(TClient& client); // 423
void CmDesignRoomMerge(TClient& client);   // 424
void CmCentreDrawing(TClient& client);     // 425
void CmFloorPlanTitles(TClient& client);   // 471
