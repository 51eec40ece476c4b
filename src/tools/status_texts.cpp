#include "tools/status_texts.h"

#include "platform/desktop.h"

void ShowPrompt(std::string_view text) {
    platform::TheDesktop().SetStatusText(text);
}

void ShowReadout(std::string_view text) {
    platform::TheDesktop().SetReadoutText(text);
}

void ShowCaption(std::string_view text) {
    platform::TheDesktop().SetToolCaption(text);
}

int ViewMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    platform::Desktop& desktop = platform::TheDesktop();
    const platform::Point cursor = desktop.GetCursorPos();
    const int answer = desktop.MessageBox(text, caption, style);
    desktop.SetCursorPos(cursor);
    return answer;
}
