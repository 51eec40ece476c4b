#include "platform/surface.h"

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

// Appends printf-style text; the calls' texts are short.
template <typename... Args> void Append(std::string& out, const char* format, Args... args) {
    char buffer[128];
    int written = std::snprintf(buffer, sizeof buffer, format, args...);
    if (written > 0) out.append(buffer, static_cast<std::size_t>(std::min<int>(written, sizeof buffer - 1)));
}

void AppendPoints(std::string& out, const std::vector<Point>& points) {
    for (std::size_t i = 0; i < points.size(); ++i)
        Append(out, i == 0 ? "(%d,%d)" : " (%d,%d)", points[i].x, points[i].y);
}

unsigned Rgb24(ColourRef colour) {
    return static_cast<unsigned>(colour & 0xFFFFFF);
}

} // namespace

std::string DrawCall::ToString() const {
    std::string out = name;
    for (int a : args)
        Append(out, " %d", a);
    if (!text.empty()) {
        out += " \"";
        out += text;
        out += '"';
    }
    if (!logical.empty() || !device.empty()) {
        out += " | ";
        AppendPoints(out, logical);
        out += " | ";
        AppendPoints(out, device);
    }
    Append(out, " | pen %06X w%d %s", Rgb24(pen.colour), pen.width, PenStyleName(pen.style));
    Append(out, " brush %s %06X", BrushStyleName(brush.style), Rgb24(brush.colour));
    Append(out, " rop %s", RasterOpName(rop));
    if (name == "TextOut" || name == "SelectFont") {
        out += " font \"";
        out += font.face;
        Append(out, "\" h%d e%d w%d align %u colour %06X %s", font.height, font.escapement, font.weight,
               textAlign, Rgb24(textColour),
               backgroundMode == BackgroundMode::Opaque ? "opaque" : "transparent");
    }
    return out;
}

} // namespace platform
