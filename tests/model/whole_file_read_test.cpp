#include "model/whole_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

using test_support::TempFolder;
using test_support::WriteFile;

namespace {

TEST(WholeFileRead, ReadsIntoTheSameMemoryAgainAndGivesBackWhatAFarSmallerFileLeavesIdle) {
    TempFolder folder;
    const auto path = folder.Path() / "PLAN.DB0";
    const std::string first(100000, 'a');
    WriteFile(path, first);
    FileBuffer buffer;
    ASSERT_TRUE(ReadWholeFile(path.string(), buffer));
    EXPECT_EQ(buffer.Bytes(), first);
    const char* memory = buffer.Bytes().data();

    // The drawing read back before the next paint: the same size, and then a little smaller.
    const std::string second(100000, 'b');
    WriteFile(path, second);
    ASSERT_TRUE(ReadWholeFile(path.string(), buffer));
    EXPECT_EQ(buffer.Bytes(), second);
    EXPECT_EQ(buffer.Bytes().data(), memory);
    const std::string third = "1 0 0 0 1 1\n" + std::string(40000, 'c');
    WriteFile(path, third);
    ASSERT_TRUE(ReadWholeFile(path.string(), buffer));
    EXPECT_EQ(buffer.Bytes(), third);
    EXPECT_EQ(buffer.Bytes().data(), memory);

    WriteFile(path, "0 0 0 0 1 1\n");
    ASSERT_TRUE(ReadWholeFile(path.string(), buffer));
    EXPECT_EQ(buffer.Bytes(), "0 0 0 0 1 1\n");
    EXPECT_LT(buffer.Capacity(), 1000u);

    WriteFile(path, "");
    ASSERT_TRUE(ReadWholeFile(path.string(), buffer));
    EXPECT_TRUE(buffer.Bytes().empty());
}

TEST(WholeFileRead, FailsEmptyHandedOnMissingFilesAndFolders) {
    TempFolder folder;
    FileBuffer buffer;
    WriteFile(folder.Path() / "A.DB0", "12 0 0 0 1 1\n");
    ASSERT_TRUE(ReadWholeFile((folder.Path() / "A.DB0").string(), buffer));
    EXPECT_FALSE(ReadWholeFile((folder.Path() / "B.DB0").string(), buffer));
    EXPECT_TRUE(buffer.Bytes().empty());
    EXPECT_FALSE(ReadWholeFile(folder.Path().string(), buffer));
    EXPECT_TRUE(buffer.Bytes().empty());
    std::string text = "kept";
    EXPECT_FALSE(ReadWholeFile((folder.Path() / "B.DB0").string(), text));
    EXPECT_TRUE(ReadWholeFile((folder.Path() / "A.DB0").string(), text));
    EXPECT_EQ(text, "12 0 0 0 1 1\n");
}

TEST(WholeFileRead, ReadsToTheEndWhenTheFileHoldsMoreThanItsSizeSaid) {
    // Files of the process file system report a size of 0 and hold more: the buffer grows as it reads.
    FileBuffer buffer;
    ASSERT_TRUE(ReadWholeFile("/proc/self/status", buffer));
    EXPECT_EQ(buffer.Bytes().substr(0, 5), "Name:");
    EXPECT_NE(buffer.Bytes().find("\nPid:"), std::string_view::npos);
}

} // namespace
