#include "settings/cfg_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The conversion at format[i] ('%' already seen at i): its letter and the index after it; `wide` tells
// a 64-bit integer ("%lld").
char ConversionAt(std::string_view format, std::size_t& i, bool* wide = nullptr) {
    std::size_t j = i + 1;
    if (j < format.size() && format[j] == 'l') ++j;
    const bool longLong = j < format.size() && format[j] == 'l';
    if (longLong) ++j;
    if (wide) *wide = longLong;
    if (j >= format.size()) {
        i = format.size();
        return 0;
    }
    i = j + 1;
    return format[j];
}

long long AsInteger(const CfgValue& value) {
    if (const long long* i = std::get_if<long long>(&value)) return *i;
    if (const double* d = std::get_if<double>(&value)) return static_cast<long long>(*d);
    if (const char* c = std::get_if<char>(&value)) return static_cast<unsigned char>(*c);
    return 0;
}

double AsReal(const CfgValue& value) {
    if (const double* d = std::get_if<double>(&value)) return *d;
    if (const long long* i = std::get_if<long long>(&value)) return static_cast<double>(*i);
    return 0.0;
}

} // namespace

void CfgScanner::SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_]))
        ++pos_;
}

bool CfgScanner::Integer(long long& value, bool wide) {
    SkipSpace();
    std::size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
    if (p >= text_.size() || !IsDigit(text_[p])) return false;
    // Saturate well above the range of the result; it is clamped to that range below.
    const long long ceiling = wide ? 100000000000000000LL : 100000000000LL;
    long long magnitude = 0;
    for (; p < text_.size() && IsDigit(text_[p]); ++p) {
        if (magnitude < ceiling) magnitude = magnitude * 10 + (text_[p] - '0');
    }
    pos_ = p;
    long long v = negative ? -magnitude : magnitude;
    if (!wide) v = std::clamp<long long>(v, INT_MIN, INT_MAX);
    value = v;
    return true;
}

bool CfgScanner::Real(double& value) {
    SkipSpace();
    std::size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
    // from_chars takes no leading '+' and no second sign.
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) return false;
    double parsed = 0.0;
    auto [end, error] = std::from_chars(text_.data() + p, text_.data() + text_.size(), parsed);
    if (error == std::errc::invalid_argument || !std::isfinite(parsed)) return false;
    if (error == std::errc::result_out_of_range) return false;
    pos_ = static_cast<std::size_t>(end - text_.data());
    value = negative ? -parsed : parsed;
    return true;
}

bool CfgScanner::Character(char& c) {
    if (pos_ >= text_.size()) return false;
    c = text_[pos_++];
    return true;
}

bool CfgScanner::Literal(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
}

std::string CfgScanner::Characters(long long count) {
    if (count <= 0) return {};
    std::size_t n = std::min(static_cast<std::size_t>(count), text_.size() - std::min(pos_, text_.size()));
    std::string out(text_.substr(pos_, n));
    pos_ += n;
    return out;
}

int CfgScanner::Scan(std::string_view format, std::vector<CfgValue>& values) {
    int converted = 0;
    for (std::size_t i = 0; i < format.size();) {
        char f = format[i];
        if (IsSpace(f)) {
            SkipSpace();
            ++i;
            continue;
        }
        if (f != '%') {
            if (!Literal(f)) return converted;
            ++i;
            continue;
        }
        bool wide = false;
        switch (ConversionAt(format, i, &wide)) {
        case 'd': {
            long long v = 0;
            if (!Integer(v, wide)) return converted;
            values.emplace_back(v);
            break;
        }
        case 'f': {
            double v = 0.0;
            if (!Real(v)) return converted;
            values.emplace_back(v);
            break;
        }
        case 'c': {
            char c = 0;
            if (!Character(c)) return converted;
            values.emplace_back(c);
            break;
        }
        default:
            return converted; // "%s" is never read: its end cannot be told from the text
        }
        ++converted;
    }
    return converted;
}

std::string FormatCfg(std::string_view format, const std::vector<CfgValue>& values) {
    std::string out;
    std::size_t next = 0;
    auto take = [&]() -> const CfgValue& {
        static const CfgValue none = 0LL;
        return next < values.size() ? values[next++] : none;
    };
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        char buffer[400]; // the longest double in fixed notation fits
        switch (ConversionAt(format, i)) {
        case 'd': {
            auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, AsInteger(take()));
            if (error == std::errc()) out.append(buffer, end);
            break;
        }
        case 'f': {
            auto [end, error] =
                std::to_chars(buffer, buffer + sizeof buffer, AsReal(take()), std::chars_format::fixed, 6);
            if (error == std::errc()) out.append(buffer, end);
            break;
        }
        case 'c': {
            const CfgValue& v = take();
            const char* c = std::get_if<char>(&v);
            out += c ? *c : static_cast<char>(AsInteger(v));
            break;
        }
        case 's': {
            const CfgValue& v = take();
            if (const std::string* s = std::get_if<std::string>(&v)) out += *s;
            break;
        }
        case '%':
            out += '%';
            break;
        default:
            break;
        }
    }
    return out;
}
