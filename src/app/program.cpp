#include "app/program.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "resources/menu_resources.h"
#include "resources/toolbar_glyphs.h"

std::string Program::UseProgramFolder(const std::string& folder) {
    DrawingList.ProgramDir = !folder.empty() && folder.back() == '/' ? folder : folder + "/";
    return DrawingList.ProgramDir;
}

Program::Program(const std::string& folder) : folder_(UseProgramFolder(folder)) {}

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
    platform::Desktop& desktop = platform::TheDesktop();
    desktop.SetStatusText("press F1 for context help");
    desktop.SetStatusText("Press FILE/NEW or FILE/OPEN");
    desktop.SetReadoutText("cursor distance");
}
