// Every file of the malformed-drawing corpus goes through the reader (under AddressSanitizer in the
// sanitizer build). None may crash, each keeps the objects before its damage, and whatever was read
// writes out as a file that reads back to the same text.
#include "model/drawing_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

TEST(MalformedDrawings, ReadWithoutHarmAndKeepTheObjectsBeforeTheDamage) {
    // Objects each file must give, and whether the reader got through every entry its header counts;
    // files not listed here must merely read safely.
    struct Expected {
        int objects;
        bool complete;
    };
    const std::map<std::string, Expected> expected = {
        {"empty.DB0", {0, false}},
        {"header_cut_short.DB0", {0, false}},
        {"negative_header_count.DB0", {0, false}}, // the record after it would be lost
        {"count_beyond_entries.DB0", {2, false}},
        {"negative_text_length.DB0", {1, false}},
        {"room_name_length_too_large.DB0", {1, false}},
        {"string_past_the_end.DB0", {1, false}},
        {"negative_polygon_count.DB0", {1, false}},
        {"huge_polygon_count.DB0", {0, false}},
        {"number_beyond_32_bits.DB0", {1, false}},
        {"letters_in_a_record.DB0", {1, false}},
        {"only_unknown_codes.DB0", {0, true}},
        {"binary_noise.DB0", {0, false}},
    };
    const std::filesystem::path corpus = test_support::Fixture("model/malformed");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        TList list;
        const DrawingReadResult result =
            ParseDrawing(test_support::ReadFile(entry.path()), {5000, 4000}, list);
        EXPECT_EQ(result.objectsAdded, list.count);
        if (auto found = expected.find(name); found != expected.end()) {
            EXPECT_EQ(list.count, found->second.objects);
            EXPECT_EQ(result.complete, found->second.complete);
        }

        const std::string written = FormatDrawing(list, {5000, 4000}, 1, 1);
        TList again;
        const DrawingReadResult reread = ParseDrawing(written, {5000, 4000}, again);
        EXPECT_TRUE(reread.complete);
        EXPECT_EQ(FormatDrawing(again, {5000, 4000}, 1, 1), written);
    }
    EXPECT_GE(files, static_cast<int>(expected.size()));
}

} // namespace
