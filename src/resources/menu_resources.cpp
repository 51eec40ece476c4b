#include "resources/menu_resources.h"

#include "resources/command_ids.h"

#include <map>

using platform::MenuItem;
using platform::ToolbarItem;

namespace {

MenuItem Item(const char* text, int command) {
    return MenuItem{text, command, false, {}};
}
MenuItem Separator() {
    return MenuItem{"", 0, true, {}};
}
MenuItem Popup(const char* text, std::vector<MenuItem> items) {
    return MenuItem{text, 0, false, std::move(items)};
}

ToolbarItem Button(int glyph, int command) {
    return ToolbarItem{ToolbarItem::Kind::Button, command, glyph, 0};
}
ToolbarItem Gap(int size) {
    return ToolbarItem{ToolbarItem::Kind::Separator, 0, 0, size};
}

// Hints and tooltips. Where a command has a button the tooltip follows the hint after a newline.
const std::map<int, std::string>& StringTable() {
    static const std::map<int, std::string> table = {
        {201, "***ABOUT*** - Program name and version"},
        {202, "***HELP CONTENTS*** - List of the help topics"},
        {203, "***CONTEXT HELP*** - Help on the function in use"},
        {204, "***HINTS*** - Hints and reminders"},
        {205, "***EXAMPLES*** - Worked examples of house plans"},
        {206, "***HOW TO*** - Step by step help for common jobs"},
        {207, "***QUICK START*** - Draw your first plan"},
        {208, "***SEARCH*** - Search the help for a word"},
        {230, "***NEW FILE*** - Start a NEW drawing"},
        {231, "***OPEN FILE*** - Open a previous drawing"},
        {232, "***SAVE FILE AS***  - Save this drawing to a different name"},
        {233, "***MIRROR/ROTATE DRAWING*** - Rotate or mirror COMPLETE drawing"},
        {235, "***SAVE AS .BMP FILE*** - Save current drawing to a bitmap (.BMP) file"},
        {250, "***PRINT*** - Print the floor plans to scale"},
        {251, "***PRINTER SETUP*** - Choose the printer and paper"},
        {270, "***LINE*** - Draw a line with the current line style"},
        {272, "***MULTILINES*** - Draws multiple lines\nDraw Multiple Lines"},
        {274, "***TEXT*** - Write text using current Font\nText Style"},
        {275, "***ARC*** - Draw an arc between two endpoints in line"},
        {276, "***ELLIPSE*** - Draw an ellipse"},
        {277, "***CIRCLE*** - Draw a circle from its centre"},
        {278, "***RECTANGLE*** - Draw a rectangle"},
        {279, "***ROUNDED RECTANGLE*** - Draw a rectangle with rounded corners"},
        {281, "***CHANGE COLOUR*** - Select the drawing colour"},
        {282,
         "***TOOL DRAWING LINESTYLE*** - Select line thickness & type - dot, dash, solid\nTool Draw Style"},
        {285, "***TEXT SIZE*** - Change the size of new text"},
        {287, "***LINE + TEXT*** - Draw a line with a text beside it"},
        {300,
         "***CENTRE*** - Finds centre of a line, (must have a tool selected first)\nFind Centre of Line"},
        {301, "***CENTRE CENTRE*** - Finds centre of a rectangle or room\nFind Centre of Rectangle"},
        {302, "***DATUM*** - Marks datum - measureent reference point\nSet Datum Reference Point"},
        {310, "***COPY*** - Copy objects, or add them to a library"},
        {311, "***PASTE*** - Paste the copied objects"},
        {312, "***MOVE or ROTATE*** - Move or rotate objects in the drawing"},
        {313, "***ERASE/DELETE*** - Delete 1 or more items\nDelete"},
        {317, "*** CHANGE TEXT*** - Replace existing text ( or number )"},
        {330, "***GROUND FLOOR*** - Show the ground floor plan"},
        {331, "***FIRST FLOOR*** - Show the first floor plan"},
        {332, "***SECOND FLOOR*** - Show the second floor plan"},
        {342, "***FLOOR AREA*** - The floor area for each floor and the total"},
        {343, "***OVERLAYS*** - Overlay this floor with other floors\nOverlays"},
        {344, "***ROOM LAYOUT*** - Arrange the DESIGN rooms of the house"},
        {350, "***ADD TO LIBRARY*** - Save selected objects as a library symbol"},
        {351, "***PLUMBING*** - Insert a plumbing symbol"},
        {352, "***ELECTRICAL*** - Insert an electrical symbol"},
        {353, "***FURNITURE*** - Insert a furniture symbol"},
        {354, "***MISCELLANEOUS*** - Insert a miscellaneous symbol"},
        {372, "MANUAL DIMENSIONS*** - Measure and show with arrows"},
        {373,
         "***WINDOWS and EXTERNAL DOORS*** - Draws windows and external doors on external walls\nWindows"},
        {374, "***INTERNAL DOORS ONLY*** - Inserts INTERNAL door in an existing internal wall\nInternal "
              "Single Door"},
        {375, "***MISCELLANEOUS DOORS*** - Inserts INTERNAL doulbe & sliding doors in an existing internal "
              "wall\nOther Internal Doors"},
        {378, "***OPEN UP WALL*** - Cuts an opening in an existing INTERNAL wall\nOpening in Internal Wall"},
        {379, "***ROOM***- Draw a ROOM - complete with name & dimensions\nDraw Complete Room"},
        {382, "***INTERNAL STAIRS*** - Draw stairs, you must be showing the lower floor on screen"},
        {402, "***DOOR STYLES*** - Change start up opening angle and thickness"},
        {403, "***DIMENSION OFFSETS*** - Change the start up arrow offset distances"},
        {404, "***TEXT STYLE*** - Change text font, size and thickness"},
        {405, "***CHANGE COLOURS*** - Select background, drawing & overlay  start up colours"},
        {406, "***LAYOUT GRID*** - Change the start up ROOM LAYOUT grid spacing"},
        {410, "PRINTER CALIBRATE*** - Check and adjust the printout accuracy"},
        {413, "***MARK EXTERNAL WALL*** - Marke external wall corners for ROOM LAYOUT\nMark External Wall"},
        {415, "***INTERNAL WALL*** - Draws an internal wall\nInternal Wall"},
        {416, "***LENGTHEN WALL*** - Lengthen an existing external wall at the end nearer the cursor"},
        {417, "***SHORTEN WALL*** - Shorten an existing external wall at the end nearer the cursor"},
        {418, "***DELETE WALL*** - Delete an existing external wall"},
        {419, "***EXPAND FLOOR PLAN*** - Increase the floor plan size in one direction"},
        {420, "***SHRINK FLOOR PLAN*** - Decrease the floor plan size in one direction"},
        {422, "***SPLIT WALL*** - Split an existing external wall to 2 walls & re dimensions"},
        {423, "***DESIGN ROOM COLOURS*** - Change the start up colours of the design rooms"},
        {424, "***DESIGN ROOM MERGE*** - Change your design room merging ( max self aligning ) distance"},
        {425, "***CENTRE DRAWING*** - Centre the altered drawing"},
        {426, "***CHANGE WALL TYPE*** - Alter external wall type ( must be to a thinner wall type )"},
        {430,
         "***UNDO*** - Deletes last drawn object - unless external wall (use Delete Wall)\nUndo Last Object"},
        {470,
         "***DISPLAY MODE*** - Show walls hatched, solid or normal, and dimensions on/off\nDisplay Mode"},
        {471, "***PLAN TITLES*** - Change your floor titles for the drawings (title below the floor plan)"},
        {500, "***ZOOM UP*** - Enlarge part of the screen"},
        {501, "***NORMAL SIZE*** - Return to normal ( start up ) size drawing"},
        {502, "***HALFSIZE*** - Decrease the drawing size on the screen by half"},
        {503, "***FIT SCREEN***  - Fit all your plan drawing on the screen"},
        {520, "NEW DESIGN ROOM - Add a new mobile (DESIGN) room\nNew DESIGN Room"},
        {521, "***MAX ROOM SIZE*** - Give the maximum size for a design room\nMax Design Room Size"},
        {522, "DELETE ROOM - Delete an existing DESIGN room"},
        {523, "ENLARGE ROOM - Increase DESIGN room size"},
        {524, "MOVE ROOM -  Move a DESIGN room"},
        {525, "ROTATE ROOM - Rotate a DESIGN room"},
        {526, "SHRINK ROOM - Decrease DESIGN room size"},
        {527, "FINISH DESIGN ROOMS -  Changes DESIGN rooms to  permanent rooms"},
        {529, "***INTRODUCTION*** - What the program does and how it works"},
        {530, "***LAYOUT GRID*** - Toggles ROOM LAYOUT grid on/off\nLayout Grid Toggle"},
        {24310, "***EXIT*** - Save and close Korvane"},
    };
    return table;
}

} // namespace

std::vector<MenuItem> MainMenu() {
    return {
        Popup("File",
              {Item("New...", command_id::New), Item("Open...", command_id::Open),
               Item("Save As...", command_id::SaveAs),
               Item("Rotate/Mirror Drawings...", command_id::RotateMirrorDrawings),
               Item("Save as a bitmap .BMP", command_id::SaveAsBitmap), Separator(),
               Item("Print...", command_id::Print), Item("Printer Setup...", command_id::PrinterSetup),
               Separator(), Item("Exit", command_id::Exit)}),
        Popup("View",
              {Item("Display Mode...", command_id::DisplayMode),
               Item("Show Overlays", command_id::ShowOverlays), Item("Ground Floor", command_id::GroundFloor),
               Item("First Floor", command_id::FirstFloor), Item("Second Floor", command_id::SecondFloor),
               Separator(), Item("Room Layout", command_id::RoomLayout), Separator(),
               Item("Floor Area", command_id::FloorArea)}),
        Popup("Zoom", {Item("Zoom UP", command_id::ZoomUp), Item("Fit on Screen", command_id::FitOnScreen),
                       Item("Back to Normal", command_id::BackToNormal),
                       Item("Shrink by Half", command_id::ShrinkByHalf)}),
        Popup("Edit", {Item("Copy", command_id::Copy), Item("Paste", command_id::Paste),
                       Item("Move or Rotate", command_id::MoveOrRotate),
                       Item("Change text/number", command_id::ChangeTextNumber),
                       Item("Erase/Delete", command_id::EraseDelete)}),
        Popup("Tools",
              {Item("Line", command_id::Line), Item("Line + Text", command_id::LinePlusText),
               Item("Arc", command_id::Arc), Item("Circle", command_id::Circle),
               Item("Ellipse", command_id::Ellipse), Item("Draw Multilines", command_id::DrawMultilines),
               Item("Rectangle", command_id::Rectangle), Item("RoundRect", command_id::RoundRect),
               Item("Text", command_id::Text), Item("Change text/number", command_id::ChangeTextNumber),
               Separator(), Item("Change Colour", command_id::ChangeColour),
               Item("Line Style", command_id::LineStyle), Item("Textsize", command_id::Textsize)}),
        Popup("Walls && Base",
              {Popup("External Walls",
                     {Item("Lengthen (External Wall)", command_id::LengthenWall),
                      Item("Shorten (External Wall)", command_id::AlterBase),
                      Item("Split (External Wall)", command_id::SplitExternalWall),
                      Item("Change External wall type", command_id::ChangeExternalWallType), Separator(),
                      Item("DELETE External Wall", command_id::DeleteExternalWall)}),
               Popup("Internal Walls", {Item("Draw Internal Wall", command_id::DrawInternalWall),
                                        Item("Opening (Internal Wall)...", command_id::OpeningInternalWall)}),
               Popup("Floorplan Base", {Item("Expand Floorplan", command_id::ExpandFloorplan),
                                        Item("Shrink Floorplan", command_id::ShrinkFloorplan)})}),
        Popup("Design Rooms",
              {Item("New DESIGN Room", command_id::NewDesignRoom),
               Item("Max DESIGN Room Size", command_id::MaxDesignRoomSize), Separator(),
               Item("Delete Room", command_id::DeleteRoom), Item("Expand Room", command_id::ExpandRoom),
               Item("Move Room", command_id::MoveRoom), Item("Rotate Room", command_id::RotateRoom),
               Item("Shrink Room", command_id::ShrinkRoom), Separator(),
               Item("FINISH Design Rooms", command_id::FinishDesignRooms), Separator(),
               Item("Toggle Layout Grid", command_id::ToggleLayoutGrid),
               Item("Mark External Walls", command_id::MarkExternalWalls)}),
        Popup("Other", {Item("Manual Dimension", command_id::ManualDimension), Separator(),
                        Item("New Room (fixed)", command_id::NewRoomFixed),
                        Item("Window && Extnl Doors", command_id::WindowAndExtnlDoors),
                        Item("Door-Internal", command_id::DoorInternal),
                        Item("Doors-Other Internal", command_id::DoorsOtherInternal),
                        Item("Stairs Internal...", command_id::StairsInternal)}),
        Popup("Customise",
              {Item("Floor Plan Titles", command_id::FloorPlanTitles),
               Item("Default Layout Grid", command_id::DefaultLayoutGrid),
               Item("DESIGN Room Merge", command_id::DesignRoomMerge),
               Item("DESIGN Room Colours", command_id::DesignRoomColours),
               Item("Default Colours", command_id::DefaultColours),
               Item("Def Dimensions", command_id::DefDimensions),
               Item("Default Doors", command_id::DefaultDoors), Item("Default Font", command_id::DefaultFont),
               Separator(), Item("Calibrate Printer", command_id::CalibratePrinter)}),
        Popup("Libraries",
              {Item("ADD to a library", command_id::AddToALibrary),
               Item("Electrical", command_id::Electrical), Item("Furniture", command_id::Furniture),
               Item("Plumbing", command_id::Plumbing), Item("Miscellaneous", command_id::Miscellaneous)}),
        Popup("Help",
              {Item("Introduction", command_id::Introduction), Item("Contents", command_id::Contents),
               Item("Search for", command_id::SearchFor), Item("Context help", command_id::ContextHelp),
               Item("Examples", command_id::Examples), Item("Hints,reminders", command_id::HintsReminders),
               Item("How to.....", command_id::HowTo), Item("Quick start", command_id::QuickStart),
               Separator(), Item("About", command_id::About)}),
    };
}

std::vector<ToolbarItem> MainToolbar() {
    return {
        Button(1001, command_id::UndoLastObject),
        Gap(6),
        Button(1002, command_id::SetDatumReferencePoint),
        Button(1003, command_id::FindCentreOfLine),
        Button(1004, command_id::FindCentreOfRectangle),
        Button(1005, command_id::EraseDelete),
        Gap(6),
        Button(1006, command_id::DisplayMode),
        Button(1010, command_id::ShowOverlays),
        Gap(6),
        Button(1012, command_id::Text),
        Button(1014, command_id::DrawMultilines),
        Gap(6),
        // The cursor readout with a bearing and offsets of up to a kilometre either way.
        ToolbarItem{ToolbarItem::Kind::Readout, 0, 0, 16, "h -888888: v -888888 angle 888.88 DATUM"},
        Gap(6),
        Button(1015, command_id::WindowAndExtnlDoors),
        Button(1020, command_id::NewRoomFixed),
        Button(1017, command_id::DrawInternalWall),
        Button(1016, command_id::DoorInternal),
        Button(1018, command_id::DoorsOtherInternal),
        Button(1019, command_id::OpeningInternalWall),
        Gap(10),
        Button(1028, command_id::NewDesignRoom),
        Button(1029, command_id::MaxDesignRoomSize),
        Button(1027, command_id::MarkExternalWalls),
        Button(1011, command_id::ToggleLayoutGrid),
    };
}

std::string CommandString(int command) {
    auto it = StringTable().find(command);
    return it == StringTable().end() ? std::string() : it->second;
}

std::string CommandHint(int command) {
    std::string text = CommandString(command);
    return text.substr(0, text.find('\n'));
}

std::string CommandTooltip(int command) {
    std::string text = CommandString(command);
    std::size_t newline = text.find('\n');
    return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}
