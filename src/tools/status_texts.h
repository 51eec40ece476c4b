#pragma once
// The texts the program shows beside the drawing: the status-bar prompt, the toolbar readout and the
// tool caption, and the message box that puts the mouse cursor back where it was. Every command,
// view and tool shows them through these.

#include <string_view>

void ShowPrompt(std::string_view text);
void ShowReadout(std::string_view text);
void ShowCaption(std::string_view text);

// A message box; the mouse cursor is put back where it was before the box. The user's answer.
int ViewMessageBox(std::string_view text, std::string_view caption, unsigned style);
