#include "app/program.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/menu_resources.h"
#include "resources/toolbar_glyphs.h"
#include "settings/cfg_file.h"
#include "tools/status_texts.h"

std::string Program::UseProgramFolder(const std::string& folder) {
    DrawingList.ProgramDir = !folder.empty() && folder.back() == '/' ? folder : folder + "/";
    return DrawingList.ProgramDir;
}

std::vector<FileNotLaidIn> Program::ReadShippedInPlace(std::vector<FileNotLaidIn> notLaidIn) {
    std::vector<std::string> settings;
    for (const FileNotLaidIn& file : notLaidIn)
        if (file.path.starts_with("CFG/")) settings.push_back(file.path.substr(4));
    ReadShippedInPlaceOf(std::move(settings));
    return notLaidIn;
}

Program::Program(const std::string& folder, std::vector<FileNotLaidIn> notLaidIn, std::string lockNote)
    : folder_(UseProgramFolder(folder)), notLaidIn_(ReadShippedInPlace(std::move(notLaidIn))),
      lockNote_(std::move(lockNote)) {}

Program::~Program() {
    ReadShippedInPlaceOf({});
}

platform::FrameDescription Program::Description() const {
    platform::FrameDescription description;
    description.title = "Korvane 5.0";
    description.menu = MainMenu();
    description.toolbar = MainToolbar();
    description.captionCharacters = 10;
    description.iconGlyph = 1;
    description.glyphImage = [](int glyph, int size) { return ToolbarGlyph(glyph, size); };
    return description;
}

void Program::Start(platform::FrameWindow& frame) {
    client_.AttachFrame(&frame);
    frame.SetBackground(Shared.BackgroundColour);
    ShowPrompt("press F1 for context help");
    ShowPrompt("Press FILE/NEW or FILE/OPEN");
    ShowReadout("cursor distance");
}

void Program::TellStartNotes() const {
    const std::string notLaidIn = notLaidIn_.empty() ? std::string() : NotLaidInText(notLaidIn_);
    if (lockNote_.empty() && notLaidIn.empty()) return;
    const std::string text = lockNote_ + (lockNote_.empty() || notLaidIn.empty() ? "" : "\n") + notLaidIn;
    platform::TheDesktop().MessageBox(text, "START", platform::MessageBoxStyle::Ok);
}
