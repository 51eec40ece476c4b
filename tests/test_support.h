#pragma once
// Helpers shared by the tests: temporary program folders and whole-file reads and writes.

#include "platform/window.h"

#include <filesystem>
#include <string>

namespace test_support {

// A main window's handler for tests that need a frame but give it no commands.
class NullFrameHandler : public platform::FrameHandler {
  public:
    void OnCommand(int) override {}
    bool IsCommandEnabled(int) override { return true; }
    std::string HintOf(int) override { return ""; }
    std::string TooltipOf(int) override { return ""; }
    bool OnCloseQuery() override { return true; }
};

// A fresh, empty folder that is removed again when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// A file of tests/fixtures.
std::filesystem::path Fixture(const std::string& relative);

} // namespace test_support
