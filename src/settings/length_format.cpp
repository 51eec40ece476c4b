#include "settings/length_format.h"

#include <climits>

namespace {

int Saturate(long long value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

int FractionUnits(int numerator, int denominator, FractionRule rule) {
    if (denominator == 0) return 0;
    bool counts = false;
    switch (rule) {
    case FractionRule::Proper:
        counts = numerator > 0 && denominator > numerator && denominator != 3 && denominator != 5 &&
                 denominator != 6 && denominator != 7;
        break;
    case FractionRule::Loose:
        counts = numerator >= 1 && denominator >= 1;
        break;
    case FractionRule::AnyPositive:
        counts = numerator > 0;
        break;
    }
    if (!counts) return 0;
    return Saturate(static_cast<long long>(numerator) * UnitsPerInch / denominator);
}

int InchesToUnits(int inches, int numerator, int denominator, FractionRule rule) {
    return Saturate(static_cast<long long>(inches) * UnitsPerInch +
                    FractionUnits(numerator, denominator, rule));
}

int FeetInchesToUnits(int feet, int inches, int numerator, int denominator, FractionRule rule) {
    return Saturate((static_cast<long long>(feet) * 12 + inches) * UnitsPerInch +
                    FractionUnits(numerator, denominator, rule));
}

int WholeLengthShown(int length, int units) {
    return units == 0 ? length / UnitsPerInch : length;
}

int WholeLengthTyped(int typed, int units) {
    return units == 0 ? InchesToUnits(typed, 0, 0, FractionRule::Proper) : typed;
}

std::optional<Eighths> RemainderAsEighths(int remainder) {
    if (remainder == 0) return std::nullopt;
    switch (remainder) {
    case 3:
        return Eighths{1, 8};
    case 6:
        return Eighths{1, 4};
    case 9:
        return Eighths{3, 8};
    case 12:
        return Eighths{1, 2};
    case 15:
        return Eighths{5, 8};
    case 18:
        return Eighths{3, 4};
    case 21:
        return Eighths{7, 8};
    default:
        return Eighths{0, 0};
    }
}

InchesAndRemainder SplitInches(int units) {
    return {units / UnitsPerInch, units % UnitsPerInch};
}

FeetAndInches SplitFeetAndInches(int units) {
    const InchesAndRemainder whole = SplitInches(units);
    return {whole.inches / 12, whole.inches % 12, whole.remainder};
}

std::string FeetInchesText(int feet, int inches) {
    return std::to_string(feet) + "' " + std::to_string(inches) + "''";
}

std::string FeetInchesFractionText(int feet, int inches, int numerator, int denominator) {
    return std::to_string(feet) + "' " + std::to_string(inches) + " " + std::to_string(numerator) + "/" +
           std::to_string(denominator) + "''";
}

std::string FeetInchesText(int units) {
    const FeetAndInches length = SplitFeetAndInches(units);
    const std::optional<Eighths> fraction = RemainderAsEighths(length.remainder);
    if (!fraction) return FeetInchesText(length.feet, length.inches);
    return FeetInchesFractionText(length.feet, length.inches, fraction->numerator, fraction->denominator);
}

int ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    return Saturate(negative ? -value : value);
}

std::string WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}
