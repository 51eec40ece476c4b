// The file commands and the program's start and end as a user meets them where a script cannot look:
// the open dialog as asked, leaving when the drawing cannot be saved, and what a killed save leaves.
#include "app/program_folder.h"
#include "model/whole_file.h"
#include "program_fixture.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class FileCommands : public ProgramTest {
  protected:
    void OpenReadsOnceAndShowsWhatItRead(const char* sheet);
};
namespace fs = std::filesystem;

void MarkReadOnly(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

TEST_F(FileCommands, OpenStartsInDrawingsAndOffersPlanFilesThenAllFiles) {
    frame->Choose(231);
    ASSERT_EQ(desktop.FileRequests().size(), 1u);
    const platform::FileDialogRequest& asked = desktop.FileRequests()[0];
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(fs::path(asked.folder), folder.Path() / "DWGS");
    EXPECT_EQ(asked.filterName, "Plan files(*.DB0)");
    EXPECT_EQ(asked.pattern, "*.DB0");
    ASSERT_EQ(asked.moreFilters.size(), 1u);
    EXPECT_EQ(asked.moreFilters[0].name, "Allfiles(*.*)");
    EXPECT_EQ(asked.moreFilters[0].pattern, "*.*");
}

// File/Open of a plan of two lines with the sheet file holding `sheet`: the drawing file is opened
// once, and the view shows the two lines where a paint that reads the drawing again puts them.
void FileCommands::OpenReadsOnceAndShowsWhatItRead(const char* sheet) {
    test_support::WriteFile(folder.Path() / "DWGS/PLAN.DB0",
                            "2 0 0 0 1 2\n1\n1 50 3 10001 -4000 0 -2000 0 -2000 -2000 7 9 255 2 1\n"
                            "1\n1 50 3 10002 -4000 0 -1000 0 -2000 -2000 7 9 255 2 1\n");
    test_support::WriteFile(folder.Path() / "CFG/DWGSIZEM.CFG", sheet);
    test_support::OpenCounter opens(folder.Path() / "DWGS");
    desktop.QueueFile("PLAN.DB0");
    frame->Choose(231);
    EXPECT_EQ(opens.OpensOf("PLAN.DB0"), 1);
    platform::ScriptedView* view = frame->ActiveScriptedView();
    const std::string paint = view->LastPaint();
    int lines = 0;
    for (std::size_t at = paint.find("LineTo"); at != std::string::npos; at = paint.find("LineTo", at + 1))
        ++lines;
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(DrawingList.count, 2);
    const int bitmapLeft = Shared.BitmapLeft;
    view->Invalidate(nullptr, true);
    view->UpdateNow();
    EXPECT_EQ(view->LastPaint(), paint);
    EXPECT_EQ(Shared.BitmapLeft, bitmapLeft);
}

TEST_F(FileCommands, OpenReadsTheDrawingFileOnceAndShowsWhatItRead) {
    // The sheet as the last view left it for a window of this shape (8400 wide, 600 x 400 pixels).
    OpenReadsOnceAndShowsWhatItRead("8400 5600");
}

TEST_F(FileCommands, OpenReadsTheDrawingFileOnceOnASheetTheWindowFitsFirst) {
    // The shipped sheet, which the window fits to its shape as the view opens: the first open in a
    // program folder, or after the window changed its shape.
    OpenReadsOnceAndShowsWhatItRead("8400 5940");
}

TEST_F(FileCommands, ExitThatCannotSaveAsksWhetherToLeaveAnyway) {
    NewDrawing();
    const fs::path drawing = folder.Path() / "DWGS" / "HOUSE.DB0";
    const std::string saved = test_support::ReadFile(drawing);
    MarkReadOnly(drawing);
    ASSERT_GT(DrawingList.count, 0);

    // No: the program stays, with the drawing in hand.
    desktop.QueueMessageAnswer(platform::IdNo);
    frame->Choose(24310);
    EXPECT_FALSE(frame->Closed());
    ASSERT_EQ(desktop.Messages().size(), 1u);
    EXPECT_EQ(desktop.Messages()[0].text, "The drawing could not be saved to HOUSE.DB0 - leave anyway?");
    EXPECT_EQ(desktop.Messages()[0].caption, "EXIT");
    EXPECT_GT(DrawingList.count, 0);
    EXPECT_EQ(Shared.DrawingState, 2);

    // Closing the main window asks the same.
    desktop.QueueMessageAnswer(platform::IdNo);
    EXPECT_FALSE(Client().OnCloseQuery());
    EXPECT_EQ(desktop.Messages().size(), 2u);

    desktop.QueueMessageAnswer(platform::IdYes);
    frame->Choose(24310);
    EXPECT_TRUE(frame->Closed());
    EXPECT_EQ(DrawingList.count, 0);
    EXPECT_EQ(test_support::ReadFile(drawing), saved);
}

TEST_F(FileCommands, ExitThatSavesLeavesWithoutAWord) {
    NewDrawing();
    frame->Choose(24310);
    EXPECT_TRUE(frame->Closed());
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(FileCommands, StartRemovesWhatKilledSavesLeftAndNothingElse) {
    const fs::path drawings = folder.Path() / "DWGS";
    const fs::path settings = folder.Path() / "CFG";
    // A process id above any the system hands out is a process that no longer runs.
    const std::string killed = "999999999";
    const std::string running = std::to_string(::getpid());
    test_support::WriteFile(drawings / (".HOUSE.DB0." + killed + "-0.tmp"), "half a drawing");
    test_support::WriteFile(settings / (".CLR.CFG." + killed + ".tmp"),
                            "0 0"); // as earlier versions named it
    test_support::WriteFile(drawings / (".HOUSE.DB0." + running + "-0.tmp"), "a save in progress");
    test_support::WriteFile(drawings / ".notes.tmp", "not a save's");
    test_support::WriteFile(drawings / "HOUSE.DB0", "0 0 0 0 1 1\n");

    std::string error;
    ASSERT_TRUE(PrepareProgramFolder(folder.Path().string() + "/", error)) << error;
    EXPECT_FALSE(fs::exists(drawings / (".HOUSE.DB0." + killed + "-0.tmp")));
    EXPECT_FALSE(fs::exists(settings / (".CLR.CFG." + killed + ".tmp")));
    EXPECT_TRUE(fs::exists(drawings / (".HOUSE.DB0." + running + "-0.tmp")));
    EXPECT_TRUE(fs::exists(drawings / ".notes.tmp"));
    EXPECT_EQ(test_support::ReadFile(drawings / "HOUSE.DB0"), "0 0 0 0 1 1\n");
}

} // namespace
