// Runs the unit and integration tests with the Qt runtime started offscreen, so text can be rendered.
#include "platform/qt/gui_runtime.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    platform::qt::GuiRuntime runtime(argc, argv);
    return RUN_ALL_TESTS();
}
