#include "app/customise_commands.h"

#include "app/command_table.h"

void AddCustomiseCommands(CommandTable& /*table*/) {
    // Floor Plan Titles (471), Default Layout Grid (406), DESIGN Room Merge (424), DESIGN Room Colours
    // (423), Default Colours (405), Def Dimensions (403), Default Doors (402), Default Font (404), Centre
    // Drawing (425), Change Colour (281), Line Style (282) and Textsize (285) come with the customise
    // commands.
}
