// The scanner and formatter under every CFG reader and writer.
#include "settings/cfg_text.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(CfgText, ScansLikeFormattedInputAndStopsAtTheFirstMismatch) {
    std::vector<CfgValue> values;
    EXPECT_EQ(CfgScanner(" 12\n-3 +4 0.5 l").Scan("%d %d %ld %lf %c", values), 5);
    EXPECT_EQ(std::get<long long>(values[1]), -3);
    EXPECT_EQ(std::get<long long>(values[2]), 4);
    EXPECT_DOUBLE_EQ(std::get<double>(values[3]), 0.5);
    EXPECT_EQ(std::get<char>(values[4]), 'l');

    values.clear();
    CfgScanner literal("1 2/nTEXT");
    EXPECT_EQ(literal.Scan("%d %d/n", values), 2);
    EXPECT_EQ(literal.Characters(100), "TEXT");
    values.clear();
    EXPECT_EQ(CfgScanner("1 2 /n").Scan("%d %d/n%d", values), 2); // the literal wants no blank before it

    values.clear();
    EXPECT_EQ(CfgScanner("7 x 9").Scan("%d %d %d", values), 1);
    values.clear();
    EXPECT_EQ(CfgScanner("99999999999 -99999999999").Scan("%d %d", values), 2);
    EXPECT_EQ(std::get<long long>(values[0]), 2147483647);
    EXPECT_EQ(std::get<long long>(values[1]), -2147483648);
    values.clear();
    EXPECT_EQ(CfgScanner("nan 1e999 --1").Scan("%lf", values), 0);
}

TEST(CfgText, FormatsSixDecimalsWhateverTheLocale) {
    // A user locale with a decimal comma must not reach the files.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(FormatCfg("%d %d %lf %lf", {60LL, 1LL, 0.8660252, 0.5000013}), "60 1 0.866025 0.500001");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(FormatCfg("%ld %c%s/n\n", {-5LL, 'n', std::string("AB")}), "-5 nAB/n\n");
    EXPECT_EQ(FormatCfg("%d %d", {1LL}), "1 0"); // a value short prints 0, never garbage
}
