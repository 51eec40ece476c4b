#include "app/program.h"

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "resources/menu_resources.h"
#include "resources/toolbar_glyphs.h"
#include "tools/status_texts.h"

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
    ShowPrompt("press F1 for context help");
    ShowPrompt("Press FILE/NEW or FILE/OPEN");
    ShowReadout("cursor distance");
}
