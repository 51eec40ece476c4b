// korvane-script FOLDER SCRIPT: runs the whole program headless over FOLDER as its program folder,
// driven by the steps of SCRIPT. Exits 0 only when every step held.
#include "model/whole_file.h"
#include "platform/qt/folder_lock_file.h"
#include "platform/qt/gui_runtime.h"
#include "platform/qt/image_io.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/text_renderer_factory.h"
#include "script/script_runner.h"

#include <filesystem>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    platform::qt::GuiRuntime runtime(argc, argv);
    // --repaint-in-dialogs: the view repaints whole inside every box before it is answered.
    const bool repaintInDialogs = argc == 4 && std::string_view(argv[1]) == "--repaint-in-dialogs";
    const int first = repaintInDialogs ? 2 : 1;
    if (argc != first + 2) {
        std::cerr << "usage: korvane-script [--repaint-in-dialogs] FOLDER SCRIPT\n";
        return 2;
    }
    std::string text;
    if (!ReadWholeFile(argv[first + 1], text)) {
        std::cerr << "cannot read " << argv[first + 1] << "\n";
        return 2;
    }
    std::filesystem::path scriptDir = std::filesystem::absolute(argv[first + 1]).parent_path();
    std::string folder = std::filesystem::absolute(argv[first]).string();
    std::unique_ptr<platform::TextRenderer> renderer = platform::qt::MakeTextRenderer();
    script::ScriptServices services;
    services.text = renderer.get();
    services.savePng = [](const platform::PixelBuffer& image, const std::string& path) {
        return platform::qt::SavePng(image, path);
    };
    services.pdfDocuments = platform::qt::OpenPdfDocument;
    // A run works in its folder as the program does: never beside a copy running there.
    services.lockFolder = platform::qt::LockFolderFile;
    services.repaintInDialogs = repaintInDialogs;
    script::ScriptRunner runner(folder, scriptDir.string(), std::cout, std::cerr, services);
    return runner.Run(text);
}
