// korvane-bench-drawing FOLDER COUNT [FLOORS]: writes the generated drawing of the drawing-file
// benchmarks, COUNT objects spread over FLOORS floors (default 1: all on the ground floor, so a view
// of it paints every object), as FOLDER/DWGS/BENCH.DB0. It is the
// drawing that bench/open_drawing.sh opens through korvane-script.
#include "mixed_drawing.h"
#include "model/shared_state.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: korvane-bench-drawing FOLDER COUNT [FLOORS]\n";
        return 2;
    }
    const int count = std::atoi(argv[2]);
    const int floors = argc == 4 ? std::atoi(argv[3]) : 1;
    if (count < 0 || floors < 1 || floors > 3) {
        std::cerr << "COUNT must be 0 or more, FLOORS 1 to 3\n";
        return 2;
    }
    ResetSharedState();
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "DWGS";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = (folder / "BENCH.DB0").string();
    if (!WriteMixedDrawing(path, count, floors)) {
        std::cerr << "cannot write " << path << "\n";
        return 1;
    }
    return 0;
}
