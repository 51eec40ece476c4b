#include "settings/cfg_file.h"

#include "model/drawing_list.h"
#include "model/whole_file.h"
#include "model/write_failures.h"
#include "resources/embedded_files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

std::string CfgPath(std::string_view name) {
    return DrawingList.ProgramDir + "CFG/" + std::string(name);
}

std::string_view ShippedCfgText(std::string_view name) {
    const std::string path = "CFG/" + std::string(name);
    for (const EmbeddedFile& file : EmbeddedFiles())
        if (file.path == path) return file.bytes;
    return {};
}

namespace {

std::vector<std::string>& ShippedInPlace() {
    static std::vector<std::string> names;
    return names;
}

} // namespace

void ReadShippedInPlaceOf(std::vector<std::string> names) {
    ShippedInPlace() = std::move(names);
}

bool ReadCfgText(std::string_view name, std::string& text) {
    if (!ReadWholeFile(CfgPath(name), text)) {
        const std::vector<std::string>& shipped = ShippedInPlace();
        std::error_code error;
        if (std::find(shipped.begin(), shipped.end(), name) == shipped.end() ||
            std::filesystem::exists(std::filesystem::symlink_status(CfgPath(name), error)))
            return false;
        text = ShippedCfgText(name);
        return true;
    }
    text.erase(0, text.size() - WithoutByteOrderMark(text).size());
    return true;
}

namespace {

void TellUnwritten(std::string_view name, CfgContents contents, const WriteOutcome& outcome) {
    const std::string file = "CFG/" + std::string(name);
    std::string failed;
    std::string consequence;
    std::string key;
    // Settings are kept as views change, not saved by the user: one that cannot be is told once.
    std::string onceKey;
    switch (contents) {
    case CfgContents::Selection:
        failed = "The selection could not be kept in " + file;
        consequence = "the selection could not be kept";
        key = "CFG selection";
        break;
    case CfgContents::LibraryIndex:
        failed = "The library index could not be saved to " + file;
        consequence = "the library index was not saved";
        key = "CFG library index";
        break;
    case CfgContents::Settings:
        failed = "The settings could not be saved to " + file;
        consequence = "the settings were not saved";
        key = "CFG settings";
        onceKey = file;
        break;
    }
    TellWriteFailureOnce(key, WriteFailureText(file, outcome, failed, consequence), "SAVE", onceKey);
}

} // namespace

bool WriteCfgText(std::string_view name, std::string_view bytes, CfgContents contents) {
    const WriteOutcome outcome = ReplaceFileAtomically(CfgPath(name), bytes);
    if (!outcome) TellUnwritten(name, contents, outcome);
    return static_cast<bool>(outcome);
}

bool AppendCfgText(std::string_view name, std::string_view bytes, CfgContents contents) {
    std::string text;
    if (!ReadWholeFile(CfgPath(name), text)) {
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::symlink_status(CfgPath(name), error))) {
            TellUnwritten(name, contents, WriteOutcome{EINVAL});
            return false;
        }
        text.clear();
    }
    return WriteCfgText(name, text.append(bytes), contents);
}

namespace {

CfgParser FormatParser(std::string_view format) {
    return [format = std::string(format)](std::string_view text) {
        std::vector<CfgValue> values;
        CfgScanner(text).Scan(format, values);
        return values;
    };
}

} // namespace

CfgFieldReader::CfgFieldReader(std::string_view name, std::string_view format, CfgReport* report)
    : CfgFieldReader(name, FormatParser(format), report) {}

CfgFieldReader::CfgFieldReader(std::string_view name, const CfgParser& parser, CfgReport* report)
    : report_(report ? report : &local_) {
    *report_ = CfgReport{};
    report_->file = std::string(name);
    std::string text;
    if (ReadCfgText(name, text))
        file_ = parser(text);
    else
        report_->fileMissing = true;
    shipped_ = parser(ShippedCfgText(name));
}

const CfgValue* CfgFieldReader::Next() {
    std::size_t i = next_++;
    if (i < file_.size()) return &file_[i];
    ++report_->missingFields;
    if (i < shipped_.size()) return &shipped_[i];
    return nullptr; // no default either: the caller falls back to the low end of the range
}

namespace {

long long IntegerOf(const CfgValue* v, long long absent) {
    if (!v) return absent;
    if (const long long* i = std::get_if<long long>(v)) return *i;
    if (const double* d = std::get_if<double>(v)) return static_cast<long long>(*d);
    if (const char* c = std::get_if<char>(v)) return static_cast<unsigned char>(*c);
    return absent;
}

} // namespace

int CfgFieldReader::Int(long long min, long long max) {
    return static_cast<int>(Long(min, max));
}

long long CfgFieldReader::Long(long long min, long long max) {
    const CfgValue* v = Next();
    long long value = IntegerOf(v, min);
    if (value < min || value > max) {
        if (v) ++report_->clampedFields;
        if (v && value < min) ++report_->fieldsBelowRange;
        value = value < min ? min : max;
    }
    return value;
}

int CfgFieldReader::IntOrShipped(long long min, long long max) {
    const std::size_t index = next_;
    const CfgValue* v = Next();
    long long value = IntegerOf(v, min);
    if (value < min || value > max) {
        if (v) ++report_->clampedFields;
        if (value < min) value = IntegerOf(index < shipped_.size() ? &shipped_[index] : nullptr, min);
    }
    return static_cast<int>(value < min ? min : value > max ? max : value);
}

double CfgFieldReader::Real(double min, double max) {
    const CfgValue* v = Next();
    double value = min;
    if (v) {
        if (const double* d = std::get_if<double>(v))
            value = *d;
        else if (const long long* i = std::get_if<long long>(v))
            value = static_cast<double>(*i);
    }
    if (value < min || value > max) {
        if (v) ++report_->clampedFields;
        value = value < min ? min : max;
    }
    return value;
}

char CfgFieldReader::Char(std::string_view allowed) {
    const std::size_t index = next_;
    const CfgValue* v = Next();
    auto allowedChar = [&](const CfgValue* value) {
        const char* c = value ? std::get_if<char>(value) : nullptr;
        return c && allowed.find(*c) != std::string_view::npos ? c : nullptr;
    };
    if (const char* c = allowedChar(v)) return *c;
    // A character outside the set is not a number to clamp: the shipped value stands in for it.
    if (v) ++report_->clampedFields;
    if (const char* c = allowedChar(index < shipped_.size() ? &shipped_[index] : nullptr)) return *c;
    return allowed.empty() ? ' ' : allowed.front();
}

std::string CfgFieldReader::Text() {
    const CfgValue* v = Next();
    const std::string* s = v ? std::get_if<std::string>(v) : nullptr;
    return s ? *s : std::string();
}
