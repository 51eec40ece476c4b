#include "resources/menu_resources.h"

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
              {Item("New...", 230), Item("Open...", 231), Item("Save As...", 232),
               Item("Rotate/Mirror Drawings...", 233), Item("Save as a bitmap .BMP", 235), Separator(),
               Item("Print...", 250), Item("Printer Setup...", 251), Separator(), Item("Exit", 24310)}),
        Popup("View", {Item("Display Mode...", 470), Item("Show Overlays", 343), Item("Ground Floor", 330),
                       Item("First Floor", 331), Item("Second Floor", 332), Separator(),
                       Item("Room Layout", 344), Separator(), Item("Floor Area", 342)}),
        Popup("Zoom", {Item("Zoom UP", 500), Item("Fit on Screen", 503), Item("Back to Normal", 501),
                       Item("Shrink by Half", 502)}),
        Popup("Edit", {Item("Copy", 310), Item("Paste", 311), Item("Move or Rotate", 312),
                       Item("Change text/number", 317), Item("Erase/Delete", 313)}),
        Popup("Tools",
              {Item("Line", 270), Item("Line + Text", 287), Item("Arc", 275), Item("Circle", 277),
               Item("Ellipse", 276), Item("Draw Multilines", 272), Item("Rectangle", 278),
               Item("RoundRect", 279), Item("Text", 274), Item("Change text/number", 317), Separator(),
               Item("Change Colour", 281), Item("Line Style", 282), Item("Textsize", 285)}),
        Popup("Walls && Base",
              {Popup("External Walls",
                     {Item("Split (External Wall)", 422), Item("Change External wall type", 426), Separator(),
                      Item("DELETE External Wall", 418)}),
               Popup("Internal Walls",
                     {Item("Draw Internal Wall", 415), Item("Opening (Internal Wall)...", 378)}),
               Popup("Floorplan Base", {Item("Expand Floorplan", 419), Item("Shrink Floorplan", 420)})}),
        Popup("Design Rooms", {Item("New DESIGN Room", 520), Item("Max DESIGN Room Size", 521), Separator(),
                               Item("Delete Room", 522), Item("Expand Room", 523), Item("Move Room", 524),
                               Item("Rotate Room", 525), Item("Shrink Room", 526), Separator(),
                               Item("FINISH Design Rooms", 527), Separator(), Item("Toggle Layout Grid", 530),
                               Item("Mark External Walls", 413)}),
        Popup("Other", {Item("Manual Dimension", 372), Separator(), Item("New Room (fixed)", 379),
                        Item("Window & Extnl Doors", 373), Item("Door-Internal", 374),
                        Item("Doors-Other Internal", 375), Item("Stairs Internal...", 382)}),
        Popup("Customise",
              {Item("Floor Plan Titles", 471), Item("Default Layout Grid", 406),
               Item("DESIGN Room Merge", 424), Item("DESIGN Room Colours", 423), Item("Default Colours", 405),
               Item("Def Dimensions", 403), Item("Default Doors", 402), Item("Default Font", 404),
               Separator(), Item("Calibrate Printer", 410)}),
        Popup("Libraries", {Item("ADD to a library", 350), Item("Electrical", 352), Item("Furniture", 353),
                            Item("Plumbing", 351), Item("Miscellaneous", 354)}),
        Popup("Help", {Item("Introduction", 529), Item("Contents", 202), Item("Search for", 208),
                       Item("Context help", 203), Item("Examples", 205), Item("Hints,reminders", 204),
                       Item("How to.....", 206), Item("Quick start", 207), Separator(), Item("About", 201)}),
    };
}

std::vector<ToolbarItem> MainToolbar() {
    return {
        Button(1001, 430),
        Gap(6),
        Button(1002, 302),
        Button(1003, 300),
        Button(1004, 301),
        Button(1005, 313),
        Gap(6),
        Button(1006, 470),
        Button(1010, 343),
        Gap(6),
        Button(1012, 274),
        Button(1014, 272),
        Gap(6),
        // The cursor readout with a bearing and offsets of up to a kilometre either way.
        ToolbarItem{ToolbarItem::Kind::Readout, 0, 0, 16, "h -888888: v -888888 angle 888.88 DATUM"},
        Gap(6),
        Button(1015, 373),
        Button(1020, 379),
        Button(1017, 415),
        Button(1016, 374),
        Button(1018, 375),
        Button(1019, 378),
        Gap(10),
        Button(1028, 520),
        Button(1029, 521),
        Button(1027, 413),
        Button(1011, 530),
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
