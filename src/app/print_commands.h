#pragma once
// Printing and export: Print, Printer Setup, Calibrate Printer and the bitmap export.

class CommandTable;

void AddPrintCommands(CommandTable& table);
