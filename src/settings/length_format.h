#pragma once
// Lengths as the user sees and types them. A metric length is whole millimetres, shown and taken as
// it is. A feet-and-inches length is in 1/24 inch (24 units an inch, 288 a foot) and is shown as feet,
// inches and eighths of an inch; each dialog decides by its own rule whether a typed fraction counts.

#include <optional>
#include <string>
#include <string_view>

constexpr int UnitsPerInch = 24;
constexpr int UnitsPerFoot = 288;

// Typed lengths: drawing units from 1 to 32766.
constexpr int MinTypedLength = 1;
constexpr int MaxTypedLength = 32766;
constexpr bool IsTypedLength(int units) {
    return units >= MinTypedLength && units <= MaxTypedLength;
}

// When a typed fraction n/d of an inch counts.
enum class FractionRule {
    Proper,      // n > 0, d > n and d not 3, 5, 6 or 7 (so thirds and improper fractions are ignored)
    Loose,       // n >= 1 and d >= 1 (thirds and improper fractions count)
    AnyPositive, // n > 0
};

// (n × 24) / d, truncating, when the rule counts the fraction, else 0. A denominator of 0 never
// counts, whatever the rule.
int FractionUnits(int numerator, int denominator, FractionRule rule);
// inches × 24 plus the fraction.
int InchesToUnits(int inches, int numerator, int denominator, FractionRule rule);
// (feet × 12 + inches) × 24 plus the fraction.
int FeetInchesToUnits(int feet, int inches, int numerator, int denominator, FractionRule rule);

// A fraction of an inch as the fraction edits show it.
struct Eighths {
    int numerator = 0;
    int denominator = 0;
};
// The fraction a remainder in 1/24 inch shows as: 3 is 1/8, 6 is 1/4, ..., 21 is 7/8; a remainder
// that is no whole eighth shows as 0/0. Nothing for 0: most dialogs then leave the fraction edits as
// the dialog resource has them.
std::optional<Eighths> RemainderAsEighths(int remainder);

// Dialogs that serve both systems show and take a length as one whole number: millimetres, or whole
// inches in a feet-and-inches drawing (Units 0), where the shown number drops any fraction.
int WholeLengthShown(int length, int units);
int WholeLengthTyped(int typed, int units);

// v div 24 and v mod 24, truncating toward zero.
struct InchesAndRemainder {
    int inches = 0;
    int remainder = 0;
};
InchesAndRemainder SplitInches(int units);
// The whole inches split again into feet and inches.
struct FeetAndInches {
    int feet = 0;
    int inches = 0;
    int remainder = 0; // in 1/24 inch
};
FeetAndInches SplitFeetAndInches(int units);

// "%d' %d''"
std::string FeetInchesText(int feet, int inches);
// "%d' %d %d/%d''"
std::string FeetInchesFractionText(int feet, int inches, int numerator, int denominator);
// A length in the first form when it is whole inches, else the second with its eighths (0/0 for a
// remainder that is no whole eighth).
std::string FeetInchesText(int units);

// An edit's number: leading white space, an optional sign and digits; anything else ends the number
// and empty text is 0. Saturates at the 32-bit limits.
int ParseDecimal(std::string_view text);

// A typed text without the blanks it starts with.
std::string WithoutLeadingBlanks(std::string_view text);
