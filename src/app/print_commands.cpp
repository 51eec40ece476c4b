#include "app/print_commands.h"

#include "app/command_table.h"

void AddPrintCommands(CommandTable& /*table*/) {
    // Print (250), Printer Setup (251), Calibrate Printer (410) and Save as a bitmap .BMP (235) come with
    // printing and the bitmap export.
}
