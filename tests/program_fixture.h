#pragma once
// The whole program over a fresh program folder, with a scripted desktop and frame: the stage of the
// tests that give commands as a user would. NewDrawing opens a metric floor plan through File/New.

#include "app/program.h"
#include "app/program_folder.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/scripted_desktop.h"
#include "platform/scripted_windows.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class ProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        std::string error;
        ASSERT_TRUE(PrepareProgramFolder(folder.Path().string() + "/", error)) << error;
        platform::InstallDesktop(&desktop);
        program = std::make_unique<Program>(folder.Path().string());
        frame = std::make_unique<platform::ScriptedFrame>(program->Description(), program->Client(), desktop,
                                                          *Text());
        frame->SetViewClientSize({600, 400});
        program->Start(*frame);
    }
    void TearDown() override {
        frame.reset();
        program.reset();
        DrawingList.Flush();
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }

    TClient& Client() { return program->Client(); }
    // File/New of a metric floor plan under `name`, painted.
    void NewDrawing(const char* name = "HOUSE") {
        platform::DialogAnswer answer;
        answer.resourceId = 2024;
        answer.fills = {{2027, platform::DialogAnswer::Fill::Kind::Text, name, 0},
                        {2026, platform::DialogAnswer::Fill::Kind::Check, "", 0},
                        {2209, platform::DialogAnswer::Fill::Kind::Check, "", 0}};
        desktop.QueueDialog(answer);
        frame->Choose(230);
        frame->RunPendingPaints();
    }
    static platform::TextRenderer* Text() {
        static std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
        return text.get();
    }

    test_support::TempFolder folder;
    platform::ScriptedDesktop desktop;
    std::unique_ptr<Program> program;
    std::unique_ptr<platform::ScriptedFrame> frame;
};
