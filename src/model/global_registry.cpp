#include "model/global_registry.h"

#include "model/shared_state.h"

#include <charconv>
#include <cstdio>
#include <map>

namespace {

bool ParseInt(const std::string& text, long long& out) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        base = 16;
    }
    auto [ptr, ec] = std::from_chars(first, last, out, base);
    return ec == std::errc() && ptr == last;
}

template <typename T> GlobalAccess IntegerGlobal(T SharedState::*field) {
    return {[field] { return std::to_string(static_cast<long long>(Shared.*field)); },
            [field](const std::string& text) {
                long long value = 0;
                if (!ParseInt(text, value)) return false;
                Shared.*field = static_cast<T>(value);
                return true;
            }};
}

GlobalAccess FloatGlobal(float SharedState::*field) {
    return {[field] {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(Shared.*field));
                return std::string(buffer);
            },
            [field](const std::string& text) {
                char* end = nullptr;
                double value = std::strtod(text.c_str(), &end);
                if (text.empty() || *end != '\0') return false;
                Shared.*field = static_cast<float>(value);
                return true;
            }};
}

std::map<std::string, GlobalAccess>& Registry() {
    static std::map<std::string, GlobalAccess> registry = [] {
        std::map<std::string, GlobalAccess> r;
        r["Units"] = IntegerGlobal(&SharedState::Units);
        r["TextSize"] = IntegerGlobal(&SharedState::TextSize);
        r["FontWeight"] = IntegerGlobal(&SharedState::FontWeight);
        r["CurrentView"] = IntegerGlobal(&SharedState::CurrentView);
        r["HelpContext"] = IntegerGlobal(&SharedState::HelpContext);
        r["DrawingState"] = IntegerGlobal(&SharedState::DrawingState);
        r["DisplayMode"] = IntegerGlobal(&SharedState::DisplayMode);
        r["LayoutGridOn"] = IntegerGlobal(&SharedState::LayoutGridOn);
        r["PenWidth"] = IntegerGlobal(&SharedState::PenWidth);
        r["ObjectSerial"] = IntegerGlobal(&SharedState::ObjectSerial);
        r["PenWidthFactor"] = IntegerGlobal(&SharedState::PenWidthFactor);
        r["Scale"] = IntegerGlobal(&SharedState::Scale);
        r["Zoom"] = FloatGlobal(&SharedState::Zoom);
        r["ClientWidth"] = IntegerGlobal(&SharedState::ClientWidth);
        r["ClientHeight"] = IntegerGlobal(&SharedState::ClientHeight);
        r["ScrollX"] = IntegerGlobal(&SharedState::ScrollX);
        r["ScrollY"] = IntegerGlobal(&SharedState::ScrollY);
        r["SheetWidth"] = IntegerGlobal(&SharedState::SheetWidth);
        r["SheetHeight"] = IntegerGlobal(&SharedState::SheetHeight);
        r["BitmapLeft"] = IntegerGlobal(&SharedState::BitmapLeft);
        r["BitmapRight"] = IntegerGlobal(&SharedState::BitmapRight);
        r["BitmapHeight"] = IntegerGlobal(&SharedState::BitmapHeight);
        r["DrawingColour"] = IntegerGlobal(&SharedState::DrawingColour);
        r["BackgroundColour"] = IntegerGlobal(&SharedState::BackgroundColour);
        r["OverlayColour"] = IntegerGlobal(&SharedState::OverlayColour);
        return r;
    }();
    return registry;
}

} // namespace

bool SetGlobalByName(const std::string& name, const std::string& value) {
    auto it = Registry().find(name);
    if (it == Registry().end() || !it->second.set) return false;
    return it->second.set(value);
}

std::optional<std::string> GlobalValueByName(const std::string& name) {
    auto it = Registry().find(name);
    if (it == Registry().end() || !it->second.get) return std::nullopt;
    return it->second.get();
}
