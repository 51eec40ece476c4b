#include "app/print_commands.h"

#include "app/bitmap_renderer.h"
#include "app/client.h"
#include "app/command_table.h"
#include "app/defaults_runner.h"
#include "app/printout.h"
#include "app/tool_of_kind.h"
#include "model/drawing_list.h"
#include "model/file_name_case.h"
#include "model/object_codes.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "model/write_failures.h"
#include "platform/bmp_file.h"
#include "platform/desktop.h"
#include "platform/pixel_buffer.h"
#include "resources/command_ids.h"
#include "resources/help_contexts.h"
#include "settings/cfg_files.h"
#include "settings/measure_dialog.h"
#include "settings/print_dialog.h"
#include "settings/printer_calibration.h"
#include "tools/status_texts.h"
#include "tools/tool_kinds.h"
#include "view/child.h"

#include <filesystem>

using platform::TheDesktop;

namespace {

// The bitmap's largest side, in pixels: 205 m at 25 mm a pixel. A larger one is refused rather than
// cropped, as a cropped bitmap would be a wrong picture of the drawing.
constexpr int LargestBitmapSide = 8192;
// Background around what the bitmap shows, in pixels on every side.
constexpr int BitmapMargin = 5;

void TellPrint(const std::string& text) {
    TheDesktop().MessageBox(text, "PRINT", platform::MessageBoxStyle::Ok);
}

// With no drawing open, the units and the drawing to print are asked for first.
void ChooseDrawingToPrint() {
    TMeasdlg units;
    units.Execute();
    const SheetSize sheet = ReadSheetSize(Shared.Units);
    Shared.SheetWidth = sheet.width;
    Shared.SheetHeight = sheet.height;
    ShowPrompt("Select Drawing NAME");
    Shared.CurrentView = view_code::Printing;
    platform::FileDialogRequest request;
    request.title = "Open";
    request.folder = DrawingList.ProgramDir + "DWGS";
    request.filterName = "Plan files(*.DB0)";
    request.pattern = "*.DB0";
    // Cancel keeps the name the program had and printing goes on with it.
    if (TheDesktop().ChooseFile(request))
        DrawingList.DrawingName = std::filesystem::path(request.path).stem().string();
}

// The floors the user asked for, written to PRNTLST.CFG; none when the dialog was cancelled.
bool AskFloorsToPrint(int& showScale, int& lineWeight) {
    ShowPrompt("you MUST input number of copies to print");
    TKorvprntdlg dialog;
    std::vector<PrintListEntry> entries;
    if (dialog.Execute() == platform::IdOk) {
        for (std::size_t floor = 0; floor < dialog.copies.size(); ++floor)
            if (dialog.copies[floor] > 0)
                entries.push_back(
                    {dialog.copies[floor], dialog.scales[floor],
                     view_code::PrintingFloorBase + view_code::GroundFloor + static_cast<int>(floor)});
        showScale = dialog.showScale;
        lineWeight = dialog.lineWeight;
    }
    WritePrintList(entries);
    return !entries.empty();
}

// Prints the floors of PRNTLST.CFG: on a printer one job each, into a PDF file the pages of the one
// file the user named. A file is written only whole, and one that cannot be written is told by its name
// and leaves nothing behind (the last good file of that name stays).
void PrintFloors(int showScale, int lineWeight) {
    ShowPrompt("LANDSCAPE prints along length of paper, PORTRAIT across width");
    PrintNotices notices;
    std::vector<std::unique_ptr<THDPrintout>> floors;
    std::vector<platform::Printout*> printouts;
    for (const PrintListEntry& entry : ReadPrintList()) {
        floors.push_back(std::make_unique<THDPrintout>(entry.view, entry.scale, entry.copies, showScale,
                                                       lineWeight, notices));
        printouts.push_back(floors.back().get());
    }
    DrawingList.ViewTitle = DrawingList.DrawingName + ".DB0";
    const platform::PrintResult result = TheDesktop().Print(DrawingList.ViewTitle, printouts);
    DrawingList.Flush();
    if (!result.error.empty()) {
        TellPrint(result.error);
    } else if (!result.file.empty()) {
        const WriteOutcome outcome = ReplaceFileAtomically(result.file, result.bytes);
        if (!outcome)
            TellPrint(WriteFailureText(result.file, outcome,
                                       "The file " + result.file + " could not be written",
                                       "the PDF file was not written"));
    }
    if (notices.unitsDiffer) TellPrint("Drawing units differ from the units selected - nothing printed");
    if (notices.tooLarge) TellPrint("Drawing too large to print at this scale - use a larger scale number");
}

} // namespace

void AddPrintCommands(CommandTable& table) {
    table.Add(command_id::Print, CmPrint);
    table.Add(command_id::PrinterSetup, CmPrinterSetup);
    table.Add(command_id::CalibratePrinter, CmCalibratePrinter);
    table.Add(command_id::SaveAsBitmap, CmSaveBitmap);
}

void CmPrint(TClient& client) {
    Shared.HelpContext = help_context::Printing;
    if (DrawingList.count > 0 && Shared.CurrentView < view_code::Printing) DrawingList.WriteDrawing();
    DrawingList.Flush();
    const int remembered = Shared.CurrentView;
    const bool drawingOpen = Shared.DrawingState > 1;
    if (!client.ActiveView()) ChooseDrawingToPrint();
    Shared.CurrentView = view_code::Printing;
    ShowPrompt("IGNORE copies, LANDSCAPE prints along paer length, PORTRAIT across width");
    if (TheDesktop().PrintDialog()) {
        int showScale = 1;
        int lineWeight = 2;
        if (AskFloorsToPrint(showScale, lineWeight)) PrintFloors(showScale, lineWeight);
        ShowPrompt("press F1 key for context help");
    }
    // A cancelled print dialog too gives the views back their floor: between pages they show nothing.
    DrawingList.Flush();
    Shared.CurrentView = remembered;
    // The ground floor comes back only to a drawing that was open. A cancelled Open leaves the view code
    // at 0 rather than at its start-up value, and reopening then would give a view of a drawing with no
    // name, whose next edit writes "DWGS/.DB0".
    if (remembered == view_code::NoneOpen || !drawingOpen) return;
    Shared.CurrentView = view_code::GroundFloor;
    client.OpenView(0, ".PLN");
}

void CmPrinterSetup(TClient& /*client*/) {
    Shared.HelpContext = help_context::Printing;
    TheDesktop().PrinterSetupDialog();
}

void CmCalibratePrinter(TClient& client) {
    Shared.HelpContext = help_context::Printing;
    if (Shared.DrawingState < 2) {
        TMeasdlg units;
        if (units.Execute() == platform::IdOk) CalibratePrinter(Shared.Units, ShowPrompt);
        return;
    }
    if (DrawingList.count > 0 && Shared.CurrentView < view_code::Printing) DrawingList.WriteDrawing();
    if (TChild* view = client.ActiveView()) RunDefaultsDialog(client, *view, 11);
}

void CmSaveBitmap(TClient& client) {
    if (Shared.DrawingState <= 1 || DrawingList.count < 2 || Shared.CurrentView < view_code::GroundFloor ||
        Shared.CurrentView > view_code::FourthPlan)
        return;
    Shared.HelpContext = help_context::Files;
    client.InstallTool(ToolOfKind(tool_kind::Pick));
    if (TChild* view = client.ActiveView()) SaveAsBitmap(*view);
}

void SaveAsBitmap(TChild& view) {
    const char* caption = "SAVE AS BITMAP";
    if (!view.Window()) return;
    platform::PixelBuffer image;
    switch (MakeBitmapPicture(DrawingList, *view.Window(), BitmapMargin, LargestBitmapSide, image)) {
    case BitmapPicture::Made:
        break;
    case BitmapPicture::NothingShows:
        ViewMessageBox("There is nothing drawn to save as a bitmap", caption, platform::MessageBoxStyle::Ok);
        return;
    case BitmapPicture::TooLarge:
        ViewMessageBox("The drawing is too large to save as a bitmap", caption,
                       platform::MessageBoxStyle::Ok);
        return;
    }
    // The name follows the view, which the overlay modes may have changed while drawing.
    const char* tag = Shared.CurrentView == view_code::GroundFloor   ? "GND"
                      : Shared.CurrentView == view_code::FirstFloor  ? "FST"
                      : Shared.CurrentView == view_code::SecondFloor ? "SEC"
                                                                     : "";
    const std::string path =
        FindFileIgnoringCase(DrawingList.ProgramDir + "DWGS/", DrawingList.DrawingName + tag + ".BMP");
    const WriteOutcome outcome = ReplaceFileAtomically(path, platform::EncodeBmp24(image));
    if (!outcome) {
        const std::string name = std::filesystem::path(path).filename().string();
        ViewMessageBox(WriteFailureText(name, outcome, "The bitmap could not be saved to " + name,
                                        "the bitmap was not saved"),
                       "SAVE", platform::MessageBoxStyle::Ok);
    }
}
