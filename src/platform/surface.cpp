#include "platform/surface.h"

#include <cstdio>

namespace platform {

namespace {

std::string Hex(ColourRef colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return buffer;
}

std::string Points(const std::vector<Point>& points) {
    std::string out;
    for (const Point& p : points) {
        if (!out.empty()) out += ' ';
        out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    }
    return out;
}

} // namespace

std::string DrawCall::ToString() const {
    std::string out = name;
    for (int a : args) out += " " + std::to_string(a);
    if (!text.empty()) out += " \"" + text + "\"";
    if (!logical.empty() || !device.empty()) out += " | " + Points(logical) + " | " + Points(device);
    out += " | pen " + Hex(pen.colour) + " w" + std::to_string(pen.width) + " " + PenStyleName(pen.style);
    out += " brush " + std::string(BrushStyleName(brush.style)) + " " + Hex(brush.colour);
    out += " rop " + std::string(RasterOpName(rop));
    if (name == "TextOut" || name == "SelectFont") {
        out += " font \"" + font.face + "\" h" + std::to_string(font.height) + " e" + std::to_string(font.escapement) +
               " w" + std::to_string(font.weight) + " align " + std::to_string(textAlign) + " colour " +
               Hex(textColour) + (backgroundMode == BackgroundMode::Opaque ? " opaque" : " transparent");
    }
    return out;
}

} // namespace platform
