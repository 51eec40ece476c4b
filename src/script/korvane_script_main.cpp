// korvane-script FOLDER SCRIPT: runs the whole program headless over FOLDER as its program folder,
// driven by the steps of SCRIPT.
#include "platform/qt/gui_runtime.h"

#include <cstdio>

int main(int argc, char** argv) {
    platform::qt::GuiRuntime runtime(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: korvane-script FOLDER SCRIPT\n");
        return 2;
    }
    return 0;
}
