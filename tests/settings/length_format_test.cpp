// Lengths as shown and typed: feet, inches and eighths, each dialog's fraction rule, plain decimals.
#include "settings/length_format.h"

#include <gtest/gtest.h>

TEST(LengthEntry, EachFractionRuleCountsItsOwnFractions) {
    // (feet × 12 + inches) × 24 + n × 24 / d
    EXPECT_EQ(FeetInchesToUnits(12, 0, 3, 4, FractionRule::Proper), 3474);
    EXPECT_EQ(FeetInchesToUnits(1, 2, 1, 2, FractionRule::AnyPositive), 348);

    // Thirds and improper fractions are ignored by the dialogs' own rule and count in the loose one.
    EXPECT_EQ(InchesToUnits(1, 1, 3, FractionRule::Proper), 24);
    EXPECT_EQ(InchesToUnits(1, 1, 3, FractionRule::Loose), 32);
    EXPECT_EQ(InchesToUnits(2, 3, 2, FractionRule::Proper), 48);
    EXPECT_EQ(InchesToUnits(2, 3, 2, FractionRule::Loose), 84);
    EXPECT_EQ(InchesToUnits(7, 1, 2, FractionRule::Loose), 180);
    for (int d : {3, 5, 6, 7})
        EXPECT_EQ(FractionUnits(1, d, FractionRule::Proper), 0) << d;
    EXPECT_EQ(FractionUnits(15, 16, FractionRule::Proper), 22); // truncated
    EXPECT_EQ(FractionUnits(0, 8, FractionRule::Loose), 0);

    // A zero denominator never divides: it counts as no fraction under every rule.
    for (FractionRule rule : {FractionRule::Proper, FractionRule::Loose, FractionRule::AnyPositive}) {
        EXPECT_EQ(FractionUnits(5, 0, rule), 0);
        EXPECT_EQ(FeetInchesToUnits(1, 0, 5, 0, rule), 288);
    }
    EXPECT_EQ(FeetInchesToUnits(2000000000, 0, 0, 0, FractionRule::Proper), 2147483647);

    // Typed lengths run from 1 to 32766 drawing units, in either system.
    EXPECT_FALSE(IsTypedLength(0));
    EXPECT_TRUE(IsTypedLength(1));
    EXPECT_TRUE(IsTypedLength(32766));
    EXPECT_FALSE(IsTypedLength(32767));
    EXPECT_TRUE(IsTypedLength(FeetInchesToUnits(113, 9, 1, 4, FractionRule::Proper)));
    EXPECT_FALSE(IsTypedLength(FeetInchesToUnits(113, 9, 3, 8, FractionRule::Proper)));
}

TEST(LengthDisplay, RemaindersShowAsEighthsOrNothing) {
    InchesAndRemainder thirty = SplitInches(30);
    EXPECT_EQ(thirty.inches, 1);
    ASSERT_TRUE(RemainderAsEighths(thirty.remainder).has_value());
    EXPECT_EQ(RemainderAsEighths(thirty.remainder)->numerator, 1);
    EXPECT_EQ(RemainderAsEighths(thirty.remainder)->denominator, 4);
    const std::optional<Eighths> noEighth = RemainderAsEighths(SplitInches(31).remainder);
    ASSERT_TRUE(noEighth.has_value());
    EXPECT_EQ(noEighth->numerator, 0);
    EXPECT_EQ(noEighth->denominator, 0);
    EXPECT_FALSE(RemainderAsEighths(0).has_value());
    const int eighths[][3] = {{3, 1, 8}, {9, 3, 8}, {12, 1, 2}, {15, 5, 8}, {21, 7, 8}};
    for (const auto& e : eighths) {
        EXPECT_EQ(RemainderAsEighths(e[0])->numerator, e[1]);
        EXPECT_EQ(RemainderAsEighths(e[0])->denominator, e[2]);
    }

    const FeetAndInches length = SplitFeetAndInches(3474);
    EXPECT_EQ(length.feet, 12);
    EXPECT_EQ(length.inches, 0);
    EXPECT_EQ(length.remainder, 18);
    EXPECT_EQ(FeetInchesText(3456), "12' 0''");
    EXPECT_EQ(FeetInchesText(150), "0' 6 1/4''");
    EXPECT_EQ(FeetInchesText(1, 2), "1' 2''");
    EXPECT_EQ(FeetInchesFractionText(1, 2, 3, 8), "1' 2 3/8''");
}

TEST(LengthDisplay, DimensionTextsShowDigitsOrFeetInchesAndWholeEighths) {
    EXPECT_EQ(LengthText(10550, 1), "10550");
    // 1005 units are 41 inches and 21/24; 1000 leave 16/24, cut down to the 5/8 below it.
    EXPECT_EQ(LengthText(1005, 0), "3' 5 7/8''");
    EXPECT_EQ(LengthText(1000, 0), "3' 5 5/8''");
    EXPECT_EQ(LengthText(1000, 0, WholeInchEnding::Blank), "3' 5 5/8''");
    // A wall's own whole-inch text ends in a blank, an overall or manual one does not; a remainder
    // below one eighth shows as whole inches.
    EXPECT_EQ(LengthText(288, 0, WholeInchEnding::Blank), "1' 0'' ");
    EXPECT_EQ(LengthText(288, 0), "1' 0''");
    EXPECT_EQ(LengthText(290, 0, WholeInchEnding::Blank), "1' 0'' ");
    EXPECT_EQ(LengthText(291, 0), "1' 0 1/8''");
    // Units that are neither metric nor feet and inches count as feet and inches.
    EXPECT_EQ(LengthText(288, 2), "1' 0''");
    EXPECT_EQ(LengthText(288, 1, WholeInchEnding::Blank), "288");
}

TEST(DecimalText, ParsesAsThePlainDecimalOfAnEdit) {
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("  42abc"), 42);
    EXPECT_EQ(ParseDecimal("-17"), -17);
    EXPECT_EQ(ParseDecimal("+8"), 8);
    EXPECT_EQ(ParseDecimal("x12"), 0);
    EXPECT_EQ(ParseDecimal("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseDecimal("-99999999999999999999"), -2147483648);
}
