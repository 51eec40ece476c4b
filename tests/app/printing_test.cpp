// Print (250) and Printer Setup (251) as a user gives them, on the scripted printer: an A4 page lying
// landscape at 300 dots per inch (3508 x 2480 pixels) whose calls are recorded, or a PDF file read back
// with the poppler tools. Drawings are metric on a sheet of 9000 x 6000 logical units, which the page
// prints with Scale 6: the sheet centre is (27000, 18000) in drawing units.
#include "model/whole_file.h"
#include "platform/qt/qt_printer.h"
#include "program_fixture.h"
#include "tools/drawing_tool.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <utility>

using platform::DialogAnswer;
using test_support::ReadFile;
using test_support::WriteFile;

namespace {

using Fill = DialogAnswer::Fill;

// The records of the ground and the first floor that every drawing holds.
const std::string FloorRecords =
    "32000\n32000 50 0 0 0 0 0 0 0 0 0 0 1 0\n32001\n32001 51 0 0 0 0 0 0 0 0 0 0 1 0\n";

// A drawing file of the floor records and `entries` (type-code line and record each) under a header
// that counts them.
std::string Drawing(const std::vector<std::string>& entries, int units = 1) {
    std::string text =
        std::to_string(entries.size() + 2) + " 0 0 0 " + std::to_string(units) + " 30\n" + FloorRecords;
    for (const std::string& entry : entries)
        text += entry;
    return text;
}

std::string Line(int view, int x1, int y1, int x2, int y2, int colour = 0) {
    return "1\n1 " + std::to_string(view) + " 0 10001 " + std::to_string(x1) + " 0 " + std::to_string(x2) +
           " 0 " + std::to_string(y1) + " " + std::to_string(y2) + " 0 0 " + std::to_string(colour) +
           " 1 0\n";
}

std::string TextRecord(int type, int view, int x, int y, const std::string& text, int colour = 0) {
    const std::string t = std::to_string(type);
    return t + "\n" + t + " " + std::to_string(view) + " 0 10002 " + std::to_string(x) + " " +
           std::to_string(y) + " 900 0 0 " + std::to_string(colour) + " " + std::to_string(text.size()) +
           " 0 1 5 10 400 Arial" + text + "\n";
}

std::string Arrow(int type, int x1, int x2, int y, int colour) {
    const std::string t = std::to_string(type);
    std::string ends;
    for (int i = 0; i < 4; ++i)
        ends += " " + std::to_string(i < 2 ? x1 : x2) + " " + std::to_string(y);
    return t + "\n" + t + " 50 0 10003 " + std::to_string(x1) + " " + std::to_string(y) + " " +
           std::to_string(x2) + " " + std::to_string(y) + ends + " " + std::to_string(colour) + "\n";
}

// An external wall of the ground floor from (x1, y1) to (x2, y2), its faces on its line.
std::string Wall(int x1, int y1, int x2, int y2) {
    const std::string a = std::to_string(x1) + " " + std::to_string(y1);
    const std::string b = std::to_string(x2) + " " + std::to_string(y2);
    return "1000\n1000 50 7 10004 1 " + std::to_string(x1) + " 0 " + std::to_string(y1) + " " +
           std::to_string(x2) + " 0 " + std::to_string(y2) + " " + a + " " + b + " " + a + " " + b + "\n" +
           a + " " + b + " 0 0 110 50 110 0\n0 0 0\n0\n0\n0\n0\n";
}

class Printing : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        desktop.SetPrinter({"", Path("PRN.PDF"), platform::Paper::A4, platform::Orientation::Landscape, 300});
        WriteFile(folder.Path() / "CFG/DWGSIZEM.CFG", "9000 6000");
        WriteFile(folder.Path() / "CFG/PRNTCALM.CFG", "15000 1.000000");
    }
    std::string Path(const std::string& relative) const { return (folder.Path() / relative).string(); }
    std::string DrawingFile() const { return ReadFile(folder.Path() / "DWGS/PRN.DB0"); }

    // Opens DWGS/PRN.DB0 holding `text` in a view of 600 x 400 pixels.
    void Open(const std::string& text) {
        // The drawing in hand goes first, so that File/Open has nothing to save over the new file.
        frame->CloseAllViews();
        DrawingList.Flush();
        WriteFile(folder.Path() / "DWGS/PRN.DB0", text);
        desktop.QueueFile("PRN.DB0");
        frame->Choose(231);
        frame->RunPendingPaints();
    }
    // Print, answering the print dialog OK and the print options with `fills`.
    void Print(std::vector<Fill> fills) {
        desktop.QueuePrint(true);
        DialogAnswer options;
        options.resourceId = 19500;
        options.fills = std::move(fills);
        desktop.QueueDialog(options);
        frame->Choose(250);
    }
    static Fill Type(int id, const char* text) { return {id, Fill::Kind::Text, text, 0}; }
    static Fill Tick(int id) { return {id, Fill::Kind::Check, "", 0}; }

    const std::vector<platform::DrawCall>& Page(std::size_t job = 0, std::size_t page = 0) const {
        return desktop.PrintedJobs().at(job).pageCalls.at(page);
    }
    static std::vector<platform::DrawCall> Named(const std::vector<platform::DrawCall>& calls,
                                                 const std::string& name) {
        std::vector<platform::DrawCall> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [&](const platform::DrawCall& c) { return c.name == name; });
        return out;
    }
    static const platform::DrawCall* TextOut(const std::vector<platform::DrawCall>& calls,
                                             const std::string& text) {
        for (const platform::DrawCall& c : calls)
            if (c.name == "TextOut" && c.text == text) return &c;
        return nullptr;
    }
    std::size_t MessagesWith(const std::string& caption) const {
        return static_cast<std::size_t>(std::count_if(desktop.Messages().begin(), desktop.Messages().end(),
                                                      [&](const auto& m) { return m.caption == caption; }));
    }
};

const std::string TwoLines =
    Drawing({TextRecord(37, 50, 600, -2400, "GROUND FLOOR"), Line(50, -5000, -2000, -5000, 2000),
             Line(50, 5000, -2000, 5000, 2000)});

TEST_F(Printing, APageMapsTheSheetAtItsScaleCentredAndGivesTheMappingBack) {
    Open(TwoLines);
    Print({Type(19501, "1")});
    ASSERT_EQ(desktop.PrintedJobs().size(), 1u);
    EXPECT_EQ(desktop.PrintedJobs()[0].title, "PRN.DB0");
    const auto& calls = Page();
    const std::vector<std::vector<int>> mapping = {
        {static_cast<int>(platform::MapMode::Isotropic)}, {9000, 6000}, {6378, -4252}, {0, 0}, {-1435, 3366}};
    const std::vector<std::string> names = {"SetMapMode", "SetWindowExt", "SetViewportExt", "SetWindowOrg",
                                            "SetViewportOrg"};
    // W = ((9000 x 6) / 100) x 300 = 162000 pixels of a millimetre-on-paper scale: 6378 pixels at
    // 25.3994 mm to the inch; the page is 3508 x 2480.
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto set = Named(calls, names[i]);
        ASSERT_EQ(set.size(), 2u) << names[i];
        EXPECT_EQ(set[0].args, mapping[i]) << names[i];
    }
    // Afterwards the page's own mapping is back: the text mode of a fresh page.
    EXPECT_EQ(Named(calls, "SetMapMode")[1].args,
              std::vector<int>{static_cast<int>(platform::MapMode::Text)});
    EXPECT_EQ(Named(calls, "SetViewportOrg")[1].args, (std::vector<int>{0, 0}));

    // A printer that prints 2 % short is corrected: 1.02 times the viewport.
    WriteFile(folder.Path() / "CFG/PRNTCALM.CFG", "14700 1.020000");
    Print({Type(19501, "1")});
    EXPECT_EQ(Named(Page(1), "SetViewportExt")[0].args, (std::vector<int>{6505, -4337}));
}

TEST_F(Printing, EachCopyIsOnePageOfTheWholeFloorAndTheGroundFloorOpensAfterwards) {
    Open(TwoLines);
    const std::string before = DrawingFile();
    Print({Type(19501, "3")});
    EXPECT_EQ(ReadFile(folder.Path() / "CFG/PRNTLST.CFG"), "3 100 1050\n");
    ASSERT_EQ(desktop.PrintedJobs().size(), 1u);
    ASSERT_EQ(desktop.PrintedJobs()[0].pages, 3);
    for (std::size_t page = 0; page < 3; ++page) {
        EXPECT_EQ(Named(Page(0, page), "LineTo").size(), 2u) << page;
        EXPECT_NE(TextOut(Page(0, page), "GROUND FLOOR"), nullptr) << page;
    }
    EXPECT_EQ(Shared.CurrentView, 50);
    ASSERT_NE(frame->ActiveScriptedView(), nullptr);
    EXPECT_EQ(frame->ActiveScriptedView()->Title(), "PRN.PLN");
    EXPECT_EQ(Client().Tool().Kind, 21);
    EXPECT_EQ(desktop.StatusText(), "press F1 for HELP");
    EXPECT_EQ(DrawingFile(), before);

    // No copies of any floor: nothing prints, and the ground floor is open again all the same.
    frame->CloseAllViews();
    Print({});
    EXPECT_EQ(ReadFile(folder.Path() / "CFG/PRNTLST.CFG"), "");
    EXPECT_EQ(desktop.PrintedJobs().size(), 1u);
    ASSERT_NE(frame->ActiveScriptedView(), nullptr);
    EXPECT_EQ(frame->ActiveScriptedView()->Title(), "PRN.PLN");
    EXPECT_EQ(Shared.CurrentView, 50);
}

TEST_F(Printing, OnlyTheFloorAndTheDimensionsTheDisplayModeLetsThroughPrint) {
    // Red automatic dimensions, green manual ones, a blue line of the first floor.
    constexpr int Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;
    Open(Drawing({TextRecord(34, 50, 0, -3000, "AUTO", Red), TextRecord(35, 50, 0, -3500, "MANUAL", Green),
                  Arrow(25000, -4000, 4000, -3000, Red), Arrow(26000, -4000, 4000, -3500, Green),
                  Line(51, 0, 0, 1000, 0, Blue), Line(50, 0, 0, 1000, 1000)}));
    const std::string before = DrawingFile();
    Shared.DisplayMode = 12;
    Print({Type(19501, "1")}); // OK leaves "print NO external dimensions" ticked: mode 11
    EXPECT_EQ(Shared.DisplayMode, 11);
    const auto& calls = Page();
    EXPECT_EQ(TextOut(calls, "AUTO"), nullptr);
    EXPECT_NE(TextOut(calls, "MANUAL"), nullptr);
    const auto pens = Named(calls, "LineTo");
    EXPECT_TRUE(std::any_of(pens.begin(), pens.end(), [](const auto& c) { return c.pen.colour == Green; }));
    EXPECT_TRUE(std::none_of(pens.begin(), pens.end(),
                             [](const auto& c) { return c.pen.colour == Red || c.pen.colour == Blue; }));

    // With the dimensions the automatic ones print too; the first floor never does on the ground's page.
    Print({Type(19501, "1"), {19509, Fill::Kind::Uncheck, "", 0}});
    EXPECT_NE(TextOut(Page(1), "AUTO"), nullptr);
    const auto all = Named(Page(1), "LineTo");
    EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](const auto& c) { return c.pen.colour == Blue; }));
    EXPECT_EQ(DrawingFile(), before);
}

TEST_F(Printing, TheScaleCaptionIsDrawnBelowTheTitleAndNeverStored) {
    // Title of height 10 at (600, -2400): (4600, 2600) logical; 300 drawing units are 50 below it.
    const std::string title = TextRecord(37, 50, 600, -2400, "GROUND FLOOR");
    const std::string second = TextRecord(37, 50, -1200, 1200, "ANOTHER");
    const std::vector<std::pair<std::string, std::string>> drawings = {
        {Drawing({title, second, Line(50, 0, 0, 60, 0)}), "GROUND FLOOR"},
        {Drawing({TextRecord(34, 50, 0, -600, "3000"), TextRecord(34, 50, 600, -2400, "4000"),
                  TextRecord(34, 50, 1200, -2400, "5000"), Line(50, 0, 0, 60, 0)}),
         "4000"}};
    for (const auto& [text, reference] : drawings) {
        Open(text);
        const std::string before = DrawingFile();
        Print({Type(19501, "1"), {19509, Fill::Kind::Uncheck, "", 0}});
        const auto& calls = Page(desktop.PrintedJobs().size() - 1);
        const platform::DrawCall* caption = TextOut(calls, "scale 100 : 1");
        const platform::DrawCall* under = TextOut(calls, reference);
        ASSERT_NE(caption, nullptr) << reference;
        ASSERT_NE(under, nullptr) << reference;
        EXPECT_EQ(caption->logical[0].x, under->logical[0].x) << reference;
        EXPECT_EQ(caption->logical[0].y, under->logical[0].y - 50) << reference;
        EXPECT_EQ(DrawingFile(), before);
    }

    // Neither a title nor a dimension text, or "print NO drawing scale": no caption.
    Open(Drawing({Line(50, 0, 0, 60, 0)}));
    Print({Type(19501, "1")});
    EXPECT_EQ(TextOut(Page(desktop.PrintedJobs().size() - 1), "scale 100 : 1"), nullptr);
    Open(Drawing({title}));
    const std::string before = DrawingFile();
    Print({Type(19501, "2"), Tick(19510)});
    for (std::size_t page = 0; page < 2; ++page)
        EXPECT_EQ(TextOut(Page(desktop.PrintedJobs().size() - 1, page), "scale 100 : 1"), nullptr);
    EXPECT_EQ(DrawingFile(), before);
}

TEST_F(Printing, ADrawingInOtherUnitsPrintsBlankPagesAndSaysSoOnce) {
    WriteFile(folder.Path() / "DWGS/FEET.DB0", Drawing({Line(50, 0, 0, 1000, 0)}, 0));
    const std::string before = ReadFile(folder.Path() / "DWGS/FEET.DB0");
    const int scale = Shared.Scale;
    const float zoom = Shared.Zoom;
    DialogAnswer metric;
    metric.resourceId = 5450;
    metric.fills = {Tick(5451)};
    desktop.QueueDialog(metric);
    desktop.QueueFile("FEET.DB0");
    Print({Type(19501, "2"), Type(19502, "1")});
    EXPECT_EQ(desktop.FileRequests().back().pattern, "*.DB0");
    ASSERT_EQ(desktop.PrintedJobs().size(), 1u);
    EXPECT_EQ(desktop.PrintedJobs()[0].pages, 3);
    for (const auto& job : desktop.PrintedJobs())
        for (const auto& page : job.pageCalls)
            EXPECT_TRUE(Named(page, "LineTo").empty());
    EXPECT_EQ(MessagesWith("PRINT"), 1u);
    EXPECT_EQ(desktop.Messages().back().text,
              "Drawing units differ from the units selected - nothing printed");
    EXPECT_EQ(Shared.Units, 1);
    EXPECT_EQ(Shared.Scale, scale);
    EXPECT_EQ(Shared.Zoom, zoom);
    EXPECT_EQ(Shared.CurrentView, 8); // no drawing had been opened: none is now
    EXPECT_EQ(ReadFile(folder.Path() / "DWGS/FEET.DB0"), before);
}

TEST_F(Printing, AScaleBeyondTheSheetPrintsTheDrawnAreaOrNothingAtAll) {
    // Walls round (-3000, -2000)-(3000, 2000): absolute 24000 to 30000 and 16000 to 20000.
    Open(Drawing({Wall(-3000, 2000, 3000, 2000), Wall(3000, 2000, 3000, -2000),
                  Wall(3000, -2000, -3000, -2000), Wall(-3000, -2000, -3000, 2000), Line(50, 0, 0, 60, 0)}));
    const std::string before = DrawingFile();
    // At 1:10 the sheet would be 63781 pixels wide: the walls' box and 25 units round it print.
    Print({Type(19501, "1"), Type(19504, "10"), Tick(19509)});
    const auto& calls = Page();
    EXPECT_EQ(Named(calls, "SetWindowOrg")[0].args, (std::vector<int>{3995, 2662}));
    EXPECT_EQ(Named(calls, "SetWindowExt")[0].args, (std::vector<int>{1008, 675}));
    EXPECT_EQ(Named(calls, "SetViewportExt")[0].args, (std::vector<int>{7134, -4783}));
    EXPECT_EQ(Named(calls, "SetViewportOrg")[0].args,
              (std::vector<int>{(3508 - 7134) / 2, (2480 + 4783) / 2}));
    EXPECT_EQ(MessagesWith("PRINT"), 0u);

    // At 1:5 (127562 pixels) nothing prints, and the user hears why once for all copies.
    Print({Type(19501, "2"), Type(19504, "5"), Tick(19509)});
    EXPECT_TRUE(Named(Page(1, 0), "LineTo").empty());
    EXPECT_TRUE(Named(Page(1, 1), "LineTo").empty());
    EXPECT_EQ(MessagesWith("PRINT"), 1u);
    EXPECT_EQ(desktop.Messages().back().text,
              "Drawing too large to print at this scale - use a larger scale number");
    EXPECT_EQ(DrawingFile(), before);
}

TEST_F(Printing, PrinterSetupRunsOnTheOnePrinterAndACancelledPrintKeepsTheView) {
    Open(TwoLines);
    desktop.QueuePrint(false);
    frame->Choose(251);
    EXPECT_EQ(Shared.HelpContext, 360);
    EXPECT_EQ(desktop.PrinterSetupDialogsRun(), 1);
    // Cancel in the print dialog prints nothing and leaves the floor showing.
    desktop.QueuePrint(false);
    frame->Choose(250);
    EXPECT_TRUE(desktop.PrintedJobs().empty());
    EXPECT_EQ(Shared.CurrentView, 50);
    ASSERT_NE(frame->ActiveScriptedView(), nullptr);
    EXPECT_EQ(frame->ActiveScriptedView()->Title(), "PRN.PLN");
    EXPECT_TRUE(desktop.UnusedAnswers().empty());
}

// The pages as the poppler tools see the PDF files.
class PrintingToPdf : public Printing {
  protected:
    void SetUp() override {
        Printing::SetUp();
        desktop.pdfDocuments = platform::qt::OpenPdfDocument;
    }
    static std::string Run(const std::string& command) {
        std::string out;
        if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                out.append(buffer, n);
            pclose(pipe);
        }
        return out;
    }
    std::string Info(const std::string& pdf) const { return Run("pdfinfo '" + Path(pdf) + "'"); }
    // The first page rendered in grey at 300 dots per inch.
    struct GreyPage {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> pixels;
        bool Dark(int x, int y) const {
            return x >= 0 && y >= 0 && x < width && y < height &&
                   pixels[static_cast<std::size_t>(y) * width + x] < 128;
        }
    };
    GreyPage Render(const std::string& pdf) const {
        const std::string image = Path("page");
        Run("pdftoppm -gray -r 300 -singlefile '" + Path(pdf) + "' '" + image + "'");
        std::ifstream in(image + ".pgm", std::ios::binary);
        std::string magic;
        GreyPage page;
        int depth = 0;
        in >> magic >> page.width >> page.height >> depth;
        in.get();
        page.pixels.resize(static_cast<std::size_t>(page.width) * page.height);
        in.read(reinterpret_cast<char*>(page.pixels.data()),
                static_cast<std::streamsize>(page.pixels.size()));
        return page;
    }
    // The centres of the dark runs across the middle row of the page at 300 dots per inch, in
    // millimetres from the page's vertical centre line.
    std::vector<double> LineCentres(const std::string& pdf) const {
        const GreyPage page = Render(pdf);
        std::vector<double> centres;
        const int width = page.width;
        for (int x = 0; x < width; ++x) {
            if (!page.Dark(x, page.height / 2)) continue;
            const int start = x;
            while (x < width && page.Dark(x, page.height / 2))
                ++x;
            centres.push_back(((start + x) / 2.0 - width / 2.0) * 25.4 / 300.0);
        }
        return centres;
    }
};

TEST_F(PrintingToPdf, APlanPrintsTrueToScaleOnAnA4Page) {
    ASSERT_NE(Run("pdfinfo -v").find("pdfinfo"), std::string::npos) << "poppler-utils is missing";
    Open(TwoLines);
    Print({Type(19501, "1")});
    const std::string info = Info("PRN.PDF");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       842 x 595 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           PRN.DB0"), std::string::npos) << info;
    std::vector<double> centres = LineCentres("PRN.PDF");
    ASSERT_EQ(centres.size(), 2u);
    EXPECT_NEAR(centres[1] - centres[0], 100.0, 0.1);
    EXPECT_NEAR(centres[0] + centres[1], 0.0, 0.2);
    EXPECT_NE(Run("pdftotext '" + Path("PRN.PDF") + "' -").find("scale 100 : 1"), std::string::npos);

    WriteFile(folder.Path() / "CFG/PRNTCALM.CFG", "14700 1.020000");
    Print({Type(19501, "3")});
    centres = LineCentres("PRN.PDF");
    ASSERT_EQ(centres.size(), 2u);
    EXPECT_NEAR(centres[1] - centres[0], 102.0, 0.1);
    EXPECT_NE(Info("PRN.PDF").find("Pages:           3\n"), std::string::npos);
}

TEST_F(PrintingToPdf, TheFloorsOfOneCommandArePagesOfTheOneFileNamed) {
    Open(Drawing({TextRecord(37, 50, 0, 0, "GROUND FLOOR"), Line(50, 0, 0, 1000, 0),
                  TextRecord(37, 51, 0, 0, "FIRST FLOOR"), Line(51, 0, 0, 1000, 0)}));
    Print({Type(19501, "1"), Type(19502, "2")});
    EXPECT_NE(Info("PRN.PDF").find("Pages:           3\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "PRN-2.PDF"));
    const auto page = [&](int n) {
        const std::string number = std::to_string(n);
        return Run("pdftotext -f " + number + " -l " + number + " '" + Path("PRN.PDF") + "' -");
    };
    EXPECT_NE(page(1).find("GROUND FLOOR"), std::string::npos);
    for (int n : {2, 3})
        EXPECT_NE(page(n).find("FIRST FLOOR"), std::string::npos) << n;
    EXPECT_EQ(MessagesWith("PRINT"), 0u);
}

TEST_F(PrintingToPdf, AFileThatCannotBeWrittenIsToldAndLeavesNothingHalfWritten) {
    Open(Drawing({Line(50, 0, 0, 1000, 0), Line(51, 0, 0, 1000, 0)}));
    // A folder that is not there.
    desktop.SetPrinter(
        {"", Path("NOFOLDER/PRN.PDF"), platform::Paper::A4, platform::Orientation::Landscape, 300});
    Print({Type(19501, "1"), Type(19502, "1")});
    ASSERT_EQ(MessagesWith("PRINT"), 1u);
    EXPECT_EQ(desktop.Messages().back().text,
              "The file " + Path("NOFOLDER/PRN.PDF") + " could not be written");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "NOFOLDER"));
    ASSERT_NE(frame->ActiveScriptedView(), nullptr);
    EXPECT_EQ(frame->ActiveScriptedView()->Title(), "PRN.PLN");
    EXPECT_EQ(Shared.CurrentView, 50);

    // A full disk, as a limit on the size of the files this process writes: the file printed before
    // stays as it was, and no part of the new one is left beside it.
    desktop.SetPrinter({"", Path("PRN.PDF"), platform::Paper::A4, platform::Orientation::Landscape, 300});
    Print({Type(19501, "1")});
    const std::string printed = ReadFile(folder.Path() / "PRN.PDF");
    ASSERT_GT(printed.size(), 512u);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{512, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    Print({Type(19501, "1"), Type(19502, "1")});
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(MessagesWith("PRINT"), 2u);
    EXPECT_EQ(desktop.Messages().back().text, "The file " + Path("PRN.PDF") + " could not be written");
    EXPECT_EQ(ReadFile(folder.Path() / "PRN.PDF"), printed);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".PRN.PDF"), std::string::npos) << entry.path();

    // A file system mounted read-only refuses the new file, a full disk its bytes: the box says which.
    for (const auto& failure : {std::pair{EROFS, "a read-only file system"}, {ENOSPC, "a full disk"}}) {
        const int error = failure.first;
        const char* const why = failure.second;
        SetWriteStepHook([error, pdf = Path("PRN.PDF")](WriteStep step, const std::string& path) {
            return path == pdf && step == (error == EROFS ? WriteStep::Create : WriteStep::Write) ? error : 0;
        });
        Print({Type(19501, "1")});
        SetWriteStepHook({});
        EXPECT_EQ(desktop.Messages().back().text,
                  Path("PRN.PDF") + " is on " + why + ", so the PDF file was not written");
        EXPECT_EQ(desktop.Messages().back().caption, "PRINT");
        EXPECT_EQ(ReadFile(folder.Path() / "PRN.PDF"), printed);
    }
    EXPECT_EQ(MessagesWith("PRINT"), 4u);
}

// A text is glyphs of the font it names, embedded with the glyphs it shows (an accented capital
// brings its parts along), which a reader can select and search; without a background of its own it
// hides nothing under it. A line of 60 mm runs across the middle of two texts at 1:100; the page
// centre is (1754, 1240), the line's centre row 1239 at 300 dots per inch.
TEST_F(PrintingToPdf, ATextPrintsAsEmbeddedTextOverWhatLiesUnderIt) {
    Open(Drawing({Line(50, -3000, 0, 3000, 0), TextRecord(4, 50, -1000, -200, "\xc9t\xe9"),
                  TextRecord(4, 50, 1000, -200, "Ete")}));
    Print({Type(19501, "1")});
    const GreyPage page = Render("PRN.PDF");
    for (int x = 1410; x <= 2100; ++x)
        ASSERT_TRUE(page.Dark(x, 1239)) << x;
    // The acute accent stands above the capital's top bar, which both texts' capitals share.
    const auto inkTop = [&](int left, int right) {
        for (int y = 1150; y < 1239; ++y)
            for (int x = left; x < right; ++x)
                if (page.Dark(x, y)) return y;
        return 1239;
    };
    const int accented = inkTop(1560, 1754);
    const int plain = inkTop(1754, 1950);
    EXPECT_LT(plain, 1235);
    EXPECT_GE(plain - accented, 5);

    EXPECT_NE(Run("pdftotext '" + Path("PRN.PDF") + "' -").find("\xc3\x89t\xc3\xa9"), std::string::npos);
    const std::string fonts = Run("pdffonts '" + Path("PRN.PDF") + "'");
    EXPECT_NE(fonts.find("+LiberationSans                CID TrueType      Identity-H       yes yes yes"),
              std::string::npos)
        << fonts;
}

} // namespace
