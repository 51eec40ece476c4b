#pragma once
// The stage of the tool tests: a metric drawing "HOUSE" open on the ground floor of a 600 x 400 view
// at normal size (Scale 5, 3000 x 2000 logical units on show, scroll 0), a scripted desktop, and a
// scripted view window for the tools to put the cursor and caret on. The tools are called as the view
// calls them: a fresh device context on a recording (or raster) surface for every call.

#include "app/program_folder.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/device_context.h"
#include "platform/qt/text_renderer_factory.h"
#include "platform/raster_surface.h"
#include "platform/recording_surface.h"
#include "platform/scripted_desktop.h"
#include "platform/scripted_windows.h"
#include "test_support.h"
#include "tools/drawing_tool.h"
#include "tools/drawing_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tool_test {

class QuietView : public platform::ViewHandler {
  public:
    void OnPaint(platform::DeviceContext&, const platform::Rect&) override {}
    void OnInput(const platform::InputEvent&) override {}
    void OnSize(int, int) override {}
    void OnScroll(platform::ScrollBar, platform::ScrollCode, int) override {}
    void OnDestroyed() override {}
};

// A view over a window of the test, whose active tool is the test's: it writes down its repaints and
// the pick tool installed (a line tool of kind 21).
class TestView : public DrawingView {
  public:
    platform::ViewWindow* Window() const override { return window; }
    platform::Rect ClientRect() const override { return {0, 0, 600, 400}; }
    void Invalidate(const platform::Rect* area, bool erase) override {
        log.push_back(std::string(area ? "repaint area" : "repaint whole") + (erase ? " erased" : ""));
    }
    platform::Point CursorInClient() const override { return {}; }
    void PutCursorOn(platform::Point) override {}
    TDrawingtool& Tool() override { return *tool; }
    void SelectPickTool() override {
        tool = std::make_unique<TLineobjtool>();
        tool->Kind = 21;
        log.push_back("pick tool");
    }
    void RestoreTool(int) override {}

    platform::ViewWindow* window = nullptr;
    std::unique_ptr<TDrawingtool> tool = std::make_unique<TLineobjtool>();
    std::vector<std::string> log;
};

class ToolTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetSharedState();
        DrawingList.Flush();
        std::string error;
        ASSERT_TRUE(PrepareProgramFolder(folder.Path().string() + "/", error)) << error;
        savedProgramDir_ = DrawingList.ProgramDir;
        DrawingList.ProgramDir = folder.Path().string() + "/";
        DrawingList.DrawingName = "HOUSE";
        DrawingList.FontName = "Arial";
        platform::InstallDesktop(&desktop);
        Shared.Units = 1;
        Shared.Scale = 5;
        Shared.Zoom = 5.0f;
        Shared.PenWidthFactor = 5;
        Shared.ClientWidth = 3000;
        Shared.ClientHeight = 2000;
        Shared.ScrollX = 0;
        Shared.ScrollY = 0;
        Shared.SheetWidth = 8400;
        Shared.SheetHeight = 5940;
        Shared.CurrentView = 50;
        Shared.DrawingState = 2;
        frame = std::make_unique<platform::ScriptedFrame>(platform::FrameDescription{}, frameHandler, desktop,
                                                          *text);
        frame->SetViewClientSize({600, 400});
        window = frame->CreateView(viewHandler, "HOUSE.PLN");
    }
    void TearDown() override {
        frame.reset();
        DrawingList.Flush();
        DrawingList.ProgramDir = savedProgramDir_;
        DrawingList.DrawingName.clear();
        DrawingList.FontName.clear();
        platform::InstallDesktop(nullptr);
        ResetSharedState();
    }

    // Runs one tool operation the way the view does: the tool learns its window and gets a fresh
    // device context on the recording surface.
    template <typename Call> void OnView(TDrawingtool& tool, Call call) {
        tool.ViewWindow = window;
        platform::DeviceContext dc(surface);
        call(dc);
    }
    // The same on the raster surface.
    template <typename Call> void OnImage(TDrawingtool& tool, Call call) {
        tool.ViewWindow = window;
        platform::RasterSurface raster(image, *text);
        platform::DeviceContext dc(raster);
        call(dc);
    }

    void Press(TDrawingtool& tool, int x, int y) {
        OnView(tool, [&](platform::DeviceContext& dc) { tool.LButtonDown(dc, client, x, y); });
    }
    void Move(TDrawingtool& tool, int x, int y) {
        OnView(tool, [&](platform::DeviceContext& dc) { tool.MouseMove(dc, client, x, y); });
    }
    void Release(TDrawingtool& tool, int x, int y) {
        platform::Point point{x, y};
        OnView(tool, [&](platform::DeviceContext& dc) { tool.LButtonUp(dc, client, point); });
    }
    // A key with the cursor on a drawing point (drawing units).
    void Key(TDrawingtool& tool, int key, int drawingX, int drawingY, int value = 0) {
        OnView(tool, [&](platform::DeviceContext& dc) {
            tool.KeyDown(dc, client, key, PixelOf(drawingX, drawingY), value);
        });
    }
    // A key with the cursor where the system cursor now is.
    void KeyAtCursor(TDrawingtool& tool, int key, int value = 0) {
        const platform::Point at = window->ScreenToClient(desktop.GetCursorPos());
        OnView(tool, [&](platform::DeviceContext& dc) { tool.KeyDown(dc, client, key, at, value); });
    }
    void Type(TDrawingtool& tool, const std::string& characters) {
        for (char c : characters)
            OnView(tool, [&](platform::DeviceContext& dc) { tool.CharTyped(dc, client, c); });
    }

    // The client pixel of a drawing point under the view mapping in force (points on whole logical
    // units of whole pixels).
    static platform::Point PixelOf(int x, int y) {
        const long long lx = x / Shared.Scale - Shared.ScrollX;
        const long long ly = y / Shared.Scale - Shared.ScrollY;
        return {static_cast<int>(lx * 600 / Shared.ClientWidth),
                static_cast<int>(400 - ly * 400 / Shared.ClientHeight)};
    }
    // The drawing point under the system cursor.
    platform::Point CursorInDrawingUnits() const {
        const platform::Point at = window->ScreenToClient(desktop.GetCursorPos());
        const long long lx = static_cast<long long>(at.x) * Shared.ClientWidth / 600 + Shared.ScrollX;
        const long long ly = static_cast<long long>(400 - at.y) * Shared.ClientHeight / 400 + Shared.ScrollY;
        return {static_cast<int>(lx * Shared.Scale), static_cast<int>(ly * Shared.Scale)};
    }

    std::string DrawingFile() const { return test_support::ReadFile(folder.Path() / "DWGS" / "HOUSE.DB0"); }
    bool DrawingFileExists() const { return std::filesystem::exists(folder.Path() / "DWGS" / "HOUSE.DB0"); }
    // The drawing file's text after its header line.
    std::string Records() const {
        const std::string file = DrawingFile();
        const std::string::size_type end = file.find('\n');
        return end == std::string::npos ? "" : file.substr(end + 1);
    }

    static inline std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
    test_support::TempFolder folder;
    platform::ScriptedDesktop desktop;
    test_support::NullFrameHandler frameHandler;
    QuietView viewHandler;
    std::unique_ptr<platform::ScriptedFrame> frame;
    platform::ViewWindow* window = nullptr;
    const platform::Rect client{0, 0, 600, 400};
    platform::RecordingSurface surface{{600, 400}};
    platform::PixelBuffer image{600, 400};

  private:
    std::string savedProgramDir_;
};

} // namespace tool_test
