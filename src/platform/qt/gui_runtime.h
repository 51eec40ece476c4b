#pragma once
// Starts and ends the Qt runtime for programs that use the platform layer without showing the main
// window themselves: korvane-script and the test programs. Text rendering needs it.

#include <memory>

namespace platform::qt {

class GuiRuntime {
public:
    // Starts a GUI application on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
    GuiRuntime(int& argc, char** argv);
    ~GuiRuntime();
    GuiRuntime(const GuiRuntime&) = delete;
    GuiRuntime& operator=(const GuiRuntime&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform::qt
