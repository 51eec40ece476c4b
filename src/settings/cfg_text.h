#pragma once
// The text of CFG files: a scanner and a formatter over the few conversions the files use ("%d", "%ld",
// "%lld", "%lf", "%c", "%s", blanks and literal characters). They behave like the C library's formatted
// input and output for those conversions, but never depend on the locale, never read past the text and
// never overflow: a number too large for its conversion (32 bits, 64 for "%lld") saturates, and the
// caller's clamp takes it from there.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One value of a CFG line: an integer ("%d", "%ld", "%lld"), a real ("%lf"), a character ("%c") or a string
// ("%s", written only).
using CfgValue = std::variant<long long, double, char, std::string>;

class CfgScanner {
  public:
    explicit CfgScanner(std::string_view text) : text_(text) {}

    // A blank in a format: skips any run of white space, also none.
    void SkipSpace();
    // "%d" or "%ld": white space, an optional sign and at least one digit. The value saturates at the
    // 32-bit limits, or (`wide`, "%lld") well beyond them. False, with nothing consumed but the white
    // space, when there is no number.
    bool Integer(long long& value, bool wide = false);
    // "%lf": white space, then a decimal real. Infinities and NaN count as no number.
    bool Real(double& value);
    // "%c": the next character, white space included.
    bool Character(char& c);
    // A literal character of a format; consumed only when it matches.
    bool Literal(char c);
    // Up to `count` characters, fewer where the text ends first.
    std::string Characters(long long count);

    // Scans by a format; appends each converted value to `values` and stops at the first conversion
    // or literal that does not match. Returns how many values it converted.
    int Scan(std::string_view format, std::vector<CfgValue>& values);

    bool AtEnd() const { return pos_ >= text_.size(); }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Formats `values` by `format`, one value per conversion in order. "%lf" prints six decimals.
std::string FormatCfg(std::string_view format, const std::vector<CfgValue>& values);
