// The numbers of the record reader: a file's numbers read alike wherever they stand, the many written
// the usual way in the middle of the text as well as the last few, by the same rules.
#include "model/record_codec.h"

#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// What the reader must make of `text`: the number it starts with, or nothing.
std::optional<int> Reference(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view number = text.substr(start);
    // The standard conversion takes a minus only; a plus is good before a digit.
    if (number[0] == '+') {
        number.remove_prefix(1);
        if (number.empty() || number[0] < '0' || number[0] > '9') return std::nullopt;
    }
    int value = 0;
    const std::from_chars_result converted =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (converted.ec != std::errc()) return std::nullopt;
    return value;
}

// Reads one number, then checks that the reading stopped just after it: the text's next number is 5.
void ExpectReads(const std::string& text, std::optional<int> expected, bool followedByFive) {
    RecordReader reader(text);
    int value = 0;
    const bool read = reader.ReadNumber(value);
    ASSERT_EQ(read, expected.has_value()) << '"' << text << '"';
    if (!read) return;
    EXPECT_EQ(value, *expected) << '"' << text << '"';
    if (!followedByFive) return;
    int next = 0;
    EXPECT_TRUE(reader.ReadNumber(next) && next == 5) << '"' << text << '"';
}

TEST(RecordNumbers, ReadTheSameWhereverTheyStandInTheText) {
    const std::pair<const char*, std::optional<int>> numbers[] = {
        {"0", 0},
        {"-0", 0},
        {"+17", 17},
        {"7", 7},
        {"-42", -42},
        {"90817", 90817},
        {"1234567", 1234567},
        {"-12345678", -12345678},
        {"123456789", 123456789},
        {"-123456789", -123456789},
        {"1234567890", 1234567890},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"000000000000042", 42},
        {"-00000000002147483648", INT_MIN},
        {"0000000000", 0},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"00000000002147483648", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"--5", std::nullopt},
        {"+-5", std::nullopt},
        {"x", std::nullopt},
        {"-x", std::nullopt},
        {"", std::nullopt},
    };
    const char* separators[] = {"", " ", "\n", "\r\n", "\t", "  \n  "};
    for (const auto& [number, expected] : numbers) {
        for (const char* separator : separators) {
            const std::string start = std::string(separator) + number;
            // As the last characters of the text, and then followed by ever more of it.
            ExpectReads(start, expected, false);
            if (*number == '\0') continue; // white space alone: the five would be read
            for (int more = 0; more <= 20; ++more)
                ExpectReads(start + " 5" + std::string(static_cast<std::size_t>(more), ' '), expected, true);
        }
    }
}

TEST(RecordNumbers, ANumberEndsAtTheFirstCharacterThatIsNoDigit) {
    for (const std::string tail : {"", "                    "}) {
        const std::string letters = "12x 3" + tail;
        RecordReader reader(letters);
        int value = 0;
        EXPECT_TRUE(reader.ReadNumber(value));
        EXPECT_EQ(value, 12);
        EXPECT_FALSE(reader.ReadNumber(value));
        const std::string text = "4 ArialBedroom" + tail;
        RecordReader string(text);
        EXPECT_TRUE(string.ReadNumber(value));
        string.SkipOneBlank();
        std::string_view characters;
        EXPECT_TRUE(string.ReadCharacters(5, characters));
        EXPECT_EQ(characters, "Arial");
    }
}

TEST(RecordNumbers, AgreeWithTheStandardConversionOnRandomText) {
    std::mt19937 random(8);
    // With the characters on either side of the digits and a byte above 127.
    const std::string characters = "0123456789000-+ \n\tx/:\xff";
    for (int round = 0; round < 200000; ++round) {
        std::string text(random() % 24, ' ');
        for (char& c : text)
            c = characters[random() % characters.size()];
        ExpectReads(text, Reference(text), false);
    }
}

TEST(RecordNumbers, AreWrittenAsTheStandardConversionWritesThem) {
    // Every count of digits at both of its ends, with either sign, the ends of the range, and many more.
    std::vector<int> values = {0, INT_MIN, INT_MAX, INT_MIN + 1};
    for (long long power = 1; power <= 1000000000; power *= 10)
        for (long long value : {power - 1, power, power + 1})
            values.insert(values.end(), {static_cast<int>(value), static_cast<int>(-value)});
    std::mt19937 random(31);
    for (int i = 0; i < 100000; ++i)
        values.push_back(static_cast<int>(random()) >> (random() % 32));
    RecordWriter writer;
    std::string expected;
    for (int value : values) {
        writer.WriteNumber(value);
        writer.WriteCharacters(" ");
        char digits[12];
        expected.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
        expected += ' ';
    }
    EXPECT_EQ(writer.Text(), expected);
}

} // namespace
