// korvane-bench-lines FOLDER COUNT: writes COUNT lines of the ground floor twice, as the drawing
// FOLDER/DWGS/LINES.DB0 and as FOLDER/LINES.DXF (the same lines in millimetres, for a CAD program's
// batch printer), so that printing them can be timed against another program's (print_drawing.sh).
// The lines are 0.1 to 3 m long in every direction, spread over the default metric sheet.
#include "model/drawing_file.h"
#include "model/shared_state.h"
#include "model/whole_file.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

// A fixed sequence, so both files and every run hold the same lines.
class Numbers {
  public:
    // A whole number from 0 to `below` - 1.
    int Next(int below) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(below));
    }

  private:
    std::uint64_t state_ = 2024;
};

void AddDxfLine(std::string& dxf, const TObject& line) {
    dxf += "0\nLINE\n8\n0\n10\n" + std::to_string(line.x1) + "\n20\n" + std::to_string(line.y1) +
           "\n30\n0\n11\n" + std::to_string(line.x2) + "\n21\n" + std::to_string(line.y2) + "\n31\n0\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 0) {
        std::cerr << "usage: korvane-bench-lines FOLDER COUNT\n";
        return 2;
    }
    const int count = std::atoi(argv[2]);
    ResetSharedState();
    // The default metric sheet, 8000 x 4435 logical units at 5 mm each.
    Shared.Scale = 5;
    Shared.SheetWidth = 8000;
    Shared.SheetHeight = 4435;
    const int width = Shared.SheetWidth * Shared.Scale;
    const int height = Shared.SheetHeight * Shared.Scale;
    TList list;
    std::string dxf = "0\nSECTION\n2\nENTITIES\n";
    Numbers numbers;
    for (int i = 0; i < count; ++i) {
        auto line = std::make_unique<TLineobj>();
        line->view = 50;
        line->number = 10000 + i + 1;
        line->x1 = 3000 + numbers.Next(width - 6000);
        line->y1 = 3000 + numbers.Next(height - 6000);
        line->x2 = line->x1 + numbers.Next(6001) - 3000;
        line->y2 = line->y1 + numbers.Next(6001) - 3000;
        AddDxfLine(dxf, *line);
        list.Add(std::move(line));
    }
    dxf += "0\nENDSEC\n0\nEOF\n";
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder / "DWGS", error);
    const std::string drawing = (folder / "DWGS/LINES.DB0").string();
    const RecordOrigin centre = SheetCentre(Shared.SheetWidth, Shared.SheetHeight, Shared.Scale);
    if (!ReplaceFileAtomically(drawing, FormatDrawing(list, centre, 1, count)) ||
        !ReplaceFileAtomically((folder / "LINES.DXF").string(), dxf)) {
        std::cerr << "cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
