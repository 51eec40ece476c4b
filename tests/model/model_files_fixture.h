#pragma once
// The stage of the tests of the model's files: a fresh program folder with DWGS and LIBS folders as
// the list's ProgramDir, a drawing named HOUSE, a sheet whose centre is (5000, 4000) at Scale 5, the
// start-up globals and a scripted desktop that records the message boxes shown.

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/scripted_desktop.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class ModelFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        platform::InstallDesktop(&desktop);
        Shared.Scale = 5;
        Shared.SheetWidth = 2000;
        Shared.SheetHeight = 1600;
        std::filesystem::create_directories(folder.Path() / "DWGS");
        std::filesystem::create_directories(folder.Path() / "LIBS");
        list.ProgramDir = folder.Path().string() + "/";
        list.DrawingName = "HOUSE";
    }
    void TearDown() override {
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }

    std::filesystem::path DrawingPath(const std::string& name = "HOUSE") const {
        return folder.Path() / "DWGS" / (name + ".DB0");
    }
    void WriteDrawingText(const std::string& text) const { test_support::WriteFile(DrawingPath(), text); }
    std::string DrawingText(const std::string& name = "HOUSE") const {
        return test_support::ReadFile(DrawingPath(name));
    }
    std::filesystem::path Library(const std::string& name) const { return folder.Path() / "LIBS" / name; }
    // Empties the list and reads the drawing file back, as every paint does.
    void Reread() {
        list.Flush();
        list.ReadDrawing();
    }
    template <class T> T& At(int index) {
        if (T* object = dynamic_cast<T*>(list.Edit(index))) return *object;
        ADD_FAILURE() << "object " << index << " has another class";
        static T empty;
        return empty;
    }

    test_support::TempFolder folder;
    platform::ScriptedDesktop desktop;
    TList list;
};
