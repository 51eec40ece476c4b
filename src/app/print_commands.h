#pragma once
// Printing and export: Print (250), Printer Setup (251), Calibrate Printer (410) and Save as a bitmap
// .BMP (235).

class CommandTable;
class TChild;
class TClient;

void AddPrintCommands(CommandTable& table);

// Asks which floors to print, how many copies and at which scale, and prints each floor as one job of
// the chosen printer (into a PDF file: as pages of the one file); reopens the ground floor afterwards.
void CmPrint(TClient& client);
void CmPrinterSetup(TClient& client);
// Keeps the printer's calibration factor of the units system the user chooses (no drawing open) or of
// the open drawing (through the defaults runner).
void CmCalibratePrinter(TClient& client);
// Exports the current floor of the open drawing as DWGS/NAME + floor tag + .BMP.
void CmSaveBitmap(TClient& client);

// Renders the current floor as last read into a 24-bit bitmap of what it paints, with 5 pixels of
// background on every side, and writes it beside the drawing. A floor that paints nothing, or a bitmap
// of more than 8192 pixels on a side, is refused with a message; a file that cannot be written is told.
void SaveAsBitmap(TChild& view);
