// Save as a bitmap .BMP (235) as a user gives it, the BMP file read back byte by byte, and what the
// bitmap renderer draws in each display mode, on a recording surface. Drawings are metric on a sheet
// of 9000 x 6000 logical units: the sheet centre is (22500, 15000) in drawing units on the screen.
#include "app/bitmap_renderer.h"
#include "model/drawing_objects.h"
#include "platform/recording_surface.h"
#include "program_fixture.h"
#include "script/script_runner.h"
#include "tools/drawing_tool.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

using platform::DialogAnswer;
using test_support::ReadFile;
using test_support::WriteFile;

namespace {

constexpr int Red = 0x0000FF, Blue = 0xFF0000;
constexpr int CentreX = 22500, CentreY = 15000;

const std::string FloorRecords =
    "32000\n32000 50 0 0 0 0 0 0 0 0 0 0 1 0\n32001\n32001 51 0 0 0 0 0 0 0 0 0 0 1 0\n";

// A line given in absolute drawing units, stored relative to the sheet centre.
std::string Line(int view, int x1, int y1, int x2, int y2, int colour = 0) {
    return "1\n1 " + std::to_string(view) + " 0 10001 " + std::to_string(x1 - CentreX) + " 0 " +
           std::to_string(x2 - CentreX) + " 0 " + std::to_string(y1 - CentreY) + " " +
           std::to_string(y2 - CentreY) + " 0 0 " + std::to_string(colour) + " 1 0\n";
}

std::string TextRecord(int type, int view, int x, int y, const std::string& text, int colour = 0) {
    const std::string t = std::to_string(type);
    return t + "\n" + t + " " + std::to_string(view) + " 0 10002 " + std::to_string(x - CentreX) + " " +
           std::to_string(y - CentreY) + " 900 0 0 " + std::to_string(colour) + " " +
           std::to_string(text.size()) + " 0 1 5 10 400 Arial" + text + "\n";
}

std::string Arrow(int type, int view, int y, int colour) {
    const std::string t = std::to_string(type);
    std::string points;
    for (int x : {11000, 19000, 11000, 11000, 19000, 19000})
        points += " " + std::to_string(x - CentreX) + " " + std::to_string(y - CentreY);
    return t + "\n" + t + " " + std::to_string(view) + " 0 10003" + points + " " + std::to_string(colour) +
           "\n";
}

std::string Drawing(const std::vector<std::string>& entries) {
    std::string text = std::to_string(entries.size() + 2) + " 0 0 0 1 30\n" + FloorRecords;
    for (const std::string& entry : entries)
        text += entry;
    return text;
}

// The two horizontal lines of the pixel check.
const std::string TwoLines =
    Drawing({Line(50, 10000, 12000, 20000, 12000), Line(50, 10000, 14000, 20000, 14000)});

std::uint32_t Word(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// A pixel of a 24-bit BMP file, counted from the top: its rows run bottom up, padded to four bytes,
// each pixel blue, green, red.
platform::ColourRef BmpPixel(const std::string& bmp, int x, int yFromTop) {
    const std::size_t rowBytes = (3 * Word(bmp, 18, 4) + 3) / 4 * 4;
    const std::size_t at = 54 + rowBytes * (Word(bmp, 22, 4) - 1 - static_cast<std::size_t>(yFromTop)) +
                           3 * static_cast<std::size_t>(x);
    return platform::Rgb(static_cast<unsigned char>(bmp[at + 2]), static_cast<unsigned char>(bmp[at + 1]),
                         static_cast<unsigned char>(bmp[at]));
}

class BitmapExport : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WriteFile(folder.Path() / "CFG/DWGSIZEM.CFG", "9000 6000");
    }
    void Open(const std::string& text, const char* name = "HOUSE") {
        frame->CloseAllViews();
        DrawingList.Flush();
        WriteFile(folder.Path() / "DWGS" / (std::string(name) + ".DB0"), text);
        desktop.QueueFile(std::string(name) + ".DB0");
        frame->Choose(231);
        frame->RunPendingPaints();
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(folder.Path() / "DWGS" / name);
    }
    // What the renderer draws of the list as last read, on a recording surface.
    std::vector<platform::DrawCall> Drawn() {
        platform::RecordingSurface surface({2000, 2000});
        platform::DeviceContext dc(surface);
        PaintToBitmap(DrawingList, dc);
        return surface.Calls();
    }
    static std::vector<std::string> Texts(const std::vector<platform::DrawCall>& calls) {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.name == "TextOut") out.push_back(c.text);
        return out;
    }
    // The pen colours of the lines, in the order drawn.
    static std::vector<int> LineColours(const std::vector<platform::DrawCall>& calls) {
        std::vector<int> out;
        for (const auto& c : calls)
            if (c.name == "LineTo") out.push_back(static_cast<int>(c.pen.colour));
        return out;
    }
};

TEST_F(BitmapExport, TheBitmapIsA24BitBmpOfWhatThePlanPaintsWithFivePixelsOfBackgroundAround) {
    Open(TwoLines);
    frame->Choose(235);
    EXPECT_TRUE(desktop.Messages().empty());
    const std::string bmp = ReadFile(folder.Path() / "DWGS/HOUSEGND.BMP");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Word(bmp, 10, 4), 54u); // the pixels follow the two headers
    EXPECT_EQ(Word(bmp, 14, 4), 40u);
    const int width = static_cast<int>(Word(bmp, 18, 4));
    const int height = static_cast<int>(Word(bmp, 22, 4));
    EXPECT_EQ(width, 410);
    EXPECT_EQ(height, 91);
    EXPECT_EQ(Word(bmp, 26, 2), 1u);
    EXPECT_EQ(Word(bmp, 28, 2), 24u);
    EXPECT_EQ(Word(bmp, 30, 4), 0u);
    const std::size_t rowBytes = 410 * 3 + 2; // rows padded to a multiple of 4
    ASSERT_EQ(bmp.size(), 54 + rowBytes * 91);
    const platform::ColourRef line = platform::Rgb(0, 0, 0); // the lines' own colour, as stored
    const platform::ColourRef background = Shared.BackgroundColour;
    int wrong = 0;
    // Each line leaves out its end pixel: 400 pixels from x 5.
    for (int y = 0; y < 91; ++y)
        for (int x = 0; x < 410; ++x) {
            const bool onLine = (y == 5 || y == 85) && x >= 5 && x <= 404;
            wrong += BmpPixel(bmp, x, y) != (onLine ? line : background);
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(Shared.HelpContext, 200);
}

// A house drawn from the keyboard as a new user draws one: closing the outline dimensions every side,
// the top dimension's text standing above its arrows and their ticks.
TEST(BitmapOfADimensionedPlan, HoldsEveryTextAndTickWithFivePixelsOfBackgroundAround) {
    test_support::TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    {
        static std::unique_ptr<platform::TextRenderer> text = platform::qt::MakeTextRenderer();
        script::ScriptServices services;
        services.text = text.get();
        script::ScriptRunner runner(folder.Path().string(), folder.Path().string(), out, err, services);
        ASSERT_EQ(runner.Run(R"(client 840 594
dialog 2024 ok 2027="HOUSE" 2026=on 2209=on
dialog 2480 ok 2481=on
dialog 4200 ok 4201=on
command 230
move 100 174
key 13
input ok "5000"
key 39
input ok "3000"
key 40
input ok "5000"
key 37
input ok "3000"
key 38
expect message "Area and Dimensions should be checked manually\nTotal Building Area this floor: 15 sq. metres" "External Area"
command 235
expect nomessage
)"),
                  0)
            << err.str();
    }
    ResetSharedState();
    const std::string bmp = ReadFile(folder.Path() / "DWGS/HOUSEGND.BMP");
    ASSERT_GE(bmp.size(), 54u);
    const int width = static_cast<int>(Word(bmp, 18, 4));
    const int height = static_cast<int>(Word(bmp, 22, 4));
    const platform::ColourRef background = BmpPixel(bmp, 0, 0);
    // Nothing shows within five pixels of an edge, so nothing was cut there; and something shows on
    // the fifth pixel from each edge, so the picture is cut to what shows: the text by its ink.
    const auto inkIn = [&](int x0, int y0, int x1, int y1) {
        int ink = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                ink += BmpPixel(bmp, x, y) != background;
        return ink;
    };
    EXPECT_EQ(inkIn(0, 0, width, 5), 0);
    EXPECT_EQ(inkIn(0, height - 5, width, height), 0);
    EXPECT_EQ(inkIn(0, 0, 5, height), 0);
    EXPECT_EQ(inkIn(width - 5, 0, width, height), 0);
    EXPECT_GT(inkIn(0, 5, width, 6), 0);
    EXPECT_GT(inkIn(0, height - 6, width, height - 5), 0);
    EXPECT_GT(inkIn(5, 0, 6, height), 0);
    EXPECT_GT(inkIn(width - 6, 0, width - 5, height), 0);
}

TEST_F(BitmapExport, EachFloorHasItsFileAndTheLayoutNewDrawingsAndNoDrawingHaveNone) {
    Open(Drawing({Line(50, 10000, 12000, 20000, 12000), Line(51, 10000, 12000, 20000, 12000),
                  Line(52, 10000, 12000, 20000, 12000), Line(53, 10000, 12000, 20000, 12000)}));
    const std::vector<std::pair<int, const char*>> floors = {
        {50, "HOUSEGND.BMP"}, {51, "HOUSEFST.BMP"}, {52, "HOUSESEC.BMP"}, {53, "HOUSE.BMP"}};
    for (const auto& [view, name] : floors) {
        Shared.CurrentView = view;
        frame->Choose(235);
        EXPECT_TRUE(Exists(name)) << name;
    }
    // The room layout has no bitmap.
    std::filesystem::remove(folder.Path() / "DWGS/HOUSEGND.BMP");
    Shared.CurrentView = 40;
    frame->Choose(235);
    Shared.CurrentView = 50;
    EXPECT_FALSE(Exists("HOUSEGND.BMP"));

    // Right after File/New only the floor records are read: nothing is drawn, and the user hears so.
    NewDrawing("EMPTY");
    frame->Choose(235);
    EXPECT_FALSE(Exists("EMPTYGND.BMP"));
    ASSERT_FALSE(desktop.Messages().empty());
    EXPECT_EQ(desktop.Messages().back().text, "There is nothing drawn to save as a bitmap");
    EXPECT_EQ(desktop.Messages().back().caption, "SAVE AS BITMAP");

    // A stray object far away would make a bitmap of gigabytes: refused.
    Open(Drawing({Line(50, 10000, 12000, 20000, 12000), Line(50, 10000, 12000, 250000, 12000)}), "FAR");
    frame->Choose(235);
    EXPECT_FALSE(Exists("FARGND.BMP"));
    EXPECT_EQ(desktop.Messages().back().text, "The drawing is too large to save as a bitmap");

    // With no drawing open nothing happens.
    frame->CloseAllViews();
    DrawingList.Flush();
    Shared.DrawingState = 0;
    const std::size_t shown = desktop.Messages().size();
    frame->Choose(235);
    EXPECT_EQ(desktop.Messages().size(), shown);
}

TEST_F(BitmapExport, AFileThatCannotBeWrittenIsTold) {
    Open(TwoLines);
    std::filesystem::create_directory(folder.Path() / "DWGS/HOUSEGND.BMP"); // a folder in the file's place
    frame->Choose(235);
    ASSERT_FALSE(desktop.Messages().empty());
    EXPECT_EQ(desktop.Messages().back().text, "The bitmap could not be saved to HOUSEGND.BMP");
    EXPECT_EQ(desktop.Messages().back().caption, "SAVE");
}

TEST_F(BitmapExport, DisplayModesChooseWhatTheBitmapShows) {
    Open(Drawing({Line(50, 10000, 12000, 20000, 12000, Red), TextRecord(4, 50, 12000, 13000, "NOTE"),
                  TextRecord(34, 50, 12000, 11000, "AUTO"), TextRecord(35, 50, 12000, 10000, "MANUAL"),
                  TextRecord(37, 50, 12000, 9000, "GROUND"), Arrow(25000, 50, 11000, Red),
                  Arrow(26000, 50, 10000, Red), Line(51, 10000, 14000, 20000, 14000, Blue),
                  TextRecord(37, 51, 12000, 9500, "FIRST"), TextRecord(4, 51, 12000, 13500, "UPSTAIRS")}));
    // Without dimensions no dimension text or arrow at all, manual ones included.
    Shared.DisplayMode = 1;
    auto calls = Drawn();
    EXPECT_EQ(Texts(calls), (std::vector<std::string>{"NOTE", "GROUND"}));
    EXPECT_EQ(LineColours(calls), std::vector<int>{Red});

    // Mode 2 over the ground and first floors: the first becomes the working floor for good; the ground
    // floor is drawn first without its texts and dimensions, then the first floor whole.
    WriteFile(folder.Path() / "CFG/OVERLAY.CFG", "0 1 1 0 0");
    Shared.DisplayMode = 2;
    calls = Drawn();
    EXPECT_EQ(Shared.CurrentView, 51);
    EXPECT_EQ(Texts(calls), (std::vector<std::string>{"FIRST", "UPSTAIRS"}));
    EXPECT_EQ(LineColours(calls), (std::vector<int>{Red, Blue}));

    // Mode 4 draws every flagged floor whole and leaves the working floor alone.
    Shared.CurrentView = 50;
    Shared.DisplayMode = 4;
    calls = Drawn();
    EXPECT_EQ(Shared.CurrentView, 50);
    EXPECT_EQ(Texts(calls),
              (std::vector<std::string>{"NOTE", "AUTO", "MANUAL", "GROUND", "FIRST", "UPSTAIRS"}));

    // Mode 3: no texts or dimensions, but the working floor keeps its title.
    Shared.DisplayMode = 3;
    calls = Drawn();
    EXPECT_EQ(Shared.CurrentView, 51);
    EXPECT_EQ(Texts(calls), std::vector<std::string>{"FIRST"});

    // The name follows the working floor the overlay mode chose.
    Shared.CurrentView = 50;
    Shared.DisplayMode = 2;
    frame->Choose(235);
    EXPECT_EQ(Shared.CurrentView, 51);
    EXPECT_TRUE(Exists("HOUSEFST.BMP"));
    EXPECT_FALSE(Exists("HOUSEGND.BMP"));
}

} // namespace
