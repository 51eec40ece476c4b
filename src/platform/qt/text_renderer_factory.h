#pragma once
// The Qt backend's text renderer, offered to portable code without showing it any Qt type.

#include "platform/text_renderer.h"

#include <memory>

namespace platform::qt {

// A text renderer over the system's fonts. It needs a running Qt GUI application (GuiRuntime or the
// main program's) and is used from that application's thread only.
std::unique_ptr<TextRenderer> MakeTextRenderer();

} // namespace platform::qt
