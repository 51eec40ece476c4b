#include "settings/cfg_command_files.h"

#include <climits>

namespace {

constexpr int AnyLow = INT_MIN;
constexpr int AnyHigh = INT_MAX;
constexpr int Inches(int inches) {
    return inches * 24;
}

// A colour is a 0x00BBGGRR value; a high byte set by whatever wrote the file is no part of it.
platform::ColourRef Colour(CfgFieldReader& f) {
    return static_cast<platform::ColourRef>(f.Int(AnyLow, AnyHigh)) & 0x00FFFFFFu;
}

} // namespace

ColourSettings ReadColours(CfgReport* report) {
    CfgFieldReader f("CLR.CFG", "%ld %ld %ld", report);
    ColourSettings c;
    c.background = Colour(f);
    c.drawing = Colour(f);
    c.overlay = Colour(f);
    return c;
}

bool WriteColours(const ColourSettings& c) {
    return WriteCfgText("CLR.CFG", FormatCfg("%ld %ld %ld\n", {c.background, c.drawing, c.overlay}));
}

RoomColourSettings ReadRoomColours(CfgReport* report) {
    CfgFieldReader f("RMCLR.CFG", "%ld %ld %ld", report);
    RoomColourSettings c;
    c.wetArea = Colour(f);
    c.bedroom = Colour(f);
    c.otherRooms = Colour(f);
    return c;
}

bool WriteRoomColours(const RoomColourSettings& c) {
    return WriteCfgText("RMCLR.CFG", FormatCfg("%ld %ld %ld\n", {c.wetArea, c.bedroom, c.otherRooms}));
}

namespace {

// Both grids take at least 250 mm or 10 inches and refuse more than 32000 mm or 1400 inches.
GridSettings ReadGridFile(std::string_view name, int units, CfgReport* report) {
    CfgFieldReader f(name, "%d %ld", report);
    GridSettings g;
    g.spacing = IsImperialUnits(units) ? f.Int(Inches(10), Inches(1400)) : f.Int(250, 32000);
    g.colour = Colour(f);
    return g;
}

bool WriteGridFile(std::string_view name, const GridSettings& g) {
    return WriteCfgText(name, FormatCfg("%d %ld\n", {g.spacing, g.colour}));
}

} // namespace

GridSettings ReadLayoutGrid(int units, CfgReport* report) {
    return ReadGridFile(TwinName(units, "LYTGRIDM.CFG", "LYTGRIDI.CFG"), units, report);
}

bool WriteLayoutGrid(int units, const GridSettings& grid) {
    return WriteGridFile(TwinName(units, "LYTGRIDM.CFG", "LYTGRIDI.CFG"), grid);
}

GridSettings ReadGrid(int units, CfgReport* report) {
    return ReadGridFile(TwinName(units, "GRIDM.CFG", "GRIDI.CFG"), units, report);
}

bool WriteGrid(int units, const GridSettings& grid) {
    return WriteGridFile(TwinName(units, "GRIDM.CFG", "GRIDI.CFG"), grid);
}

MergeSettings ReadMergeDistance(int units, CfgReport* report) {
    CfgFieldReader f(TwinName(units, "MERGEM.CFG", "MERGEI.CFG"), "%d", report);
    // The merge commands raise anything below 50 mm or 2 inches to that; a typed length tops at 32766.
    return {IsImperialUnits(units) ? f.Int(Inches(2), 32766) : f.Int(50, 32766)};
}

bool WriteMergeDistance(int units, const MergeSettings& m) {
    return WriteCfgText(TwinName(units, "MERGEM.CFG", "MERGEI.CFG"), FormatCfg("%d\n", {m.distance}));
}

namespace {

// Three numbers, the third the name's length, then the name's characters straight after it.
std::vector<CfgValue> ParseTextSettings(std::string_view text) {
    CfgScanner scanner(text);
    std::vector<CfgValue> values;
    if (scanner.Scan("%d %d %d", values) < 3) return values;
    long long length = std::get<long long>(values[2]);
    if (length < 0) length = 0;
    // A longer name keeps its first characters; the rest are skipped.
    std::string name = scanner.Characters(std::min<long long>(length, TextSettings::MaxFontNameLength));
    values[2] = std::move(name);
    return values;
}

} // namespace

TextSettings ReadTextSettings(CfgReport* report) {
    CfgFieldReader f("TEXT.CFG", ParseTextSettings, report);
    TextSettings t;
    t.textSize = f.Int(1, 500);
    t.fontWeight = f.Int(0, 1000);
    t.fontName = f.Text();
    return t;
}

bool WriteTextSettings(const TextSettings& t) {
    const std::string name = t.fontName.substr(0, TextSettings::MaxFontNameLength);
    return WriteCfgText("TEXT.CFG", FormatCfg("%d %d %d%s", {t.textSize, t.fontWeight,
                                                             static_cast<long long>(name.size()), name}));
}

WallColourSettings ReadWallColours(CfgReport* report) {
    CfgFieldReader f("WLCLR.CFG", "%ld %ld", report);
    WallColourSettings c;
    c.first = Colour(f);
    c.second = Colour(f);
    return c;
}

bool WriteWallColours(const WallColourSettings& c) {
    return WriteCfgText("WLCLR.CFG", FormatCfg("%ld %ld\n", {c.first, c.second}));
}

ExternalWallSettings ReadExternalWallSettings(int units, CfgReport* report) {
    CfgFieldReader f(TwinName(units, "EXTWALLM.CFG", "EXTWALLI.CFG"), "%d %d %d %ld %ld %ld %ld %d %d %ld",
                     report);
    ExternalWallSettings s;
    s.outer = f.Int(0, 32766);
    s.cavity = f.Int(0, 32766);
    s.inner = f.Int(0, 32766);
    s.baseLevel = f.Int(-32766, 32766);
    s.groundHeight = f.Int(0, 32766);
    s.firstHeight = f.Int(0, 32766);
    s.secondHeight = f.Int(0, 32766);
    s.outerHatch = f.Int(AnyLow, AnyHigh);
    s.innerHatch = f.Int(AnyLow, AnyHigh);
    s.colour = Colour(f);
    return s;
}

bool WriteExternalWallSettings(int units, const ExternalWallSettings& s) {
    return WriteCfgText(TwinName(units, "EXTWALLM.CFG", "EXTWALLI.CFG"),
                        FormatCfg("%d %d %d %ld %ld %ld %ld %d %d %ld",
                                  {s.outer, s.cavity, s.inner, s.baseLevel, s.groundHeight, s.firstHeight,
                                   s.secondHeight, s.outerHatch, s.innerHatch, s.colour}));
}

FixedRoomWallSettings ReadFixedRoomWalls(CfgReport* report) {
    CfgFieldReader f("INTWALL.CFG", "%d %ld %ld %ld %d %d %d %d %ld", report);
    FixedRoomWallSettings s;
    s.first = f.Int(AnyLow, AnyHigh);
    s.z = f.Int(AnyLow, AnyHigh);
    s.third = f.Int(AnyLow, AnyHigh);
    s.fourth = f.Int(AnyLow, AnyHigh);
    for (int& value : s.reserved)
        value = f.Int(AnyLow, AnyHigh);
    s.colour = Colour(f);
    return s;
}

bool WriteFixedRoomWalls(const FixedRoomWallSettings& s) {
    return WriteCfgText("INTWALL.CFG", FormatCfg("%d %ld %ld %ld %d %d %d %d %ld",
                                                 {s.first, s.z, s.third, s.fourth, s.reserved[0],
                                                  s.reserved[1], s.reserved[2], s.reserved[3], s.colour}));
}

SizeDisplaySetting ReadSizeDisplay(CfgReport* report) {
    CfgFieldReader f("SIZE.CFG", "%d %d", report);
    SizeDisplaySetting s;
    s.first = f.Int(AnyLow, AnyHigh);
    s.showSize = f.Int(AnyLow, AnyHigh);
    return s;
}

bool WriteSizeDisplay(const SizeDisplaySetting& s) {
    return WriteCfgText("SIZE.CFG", FormatCfg("%d %d", {s.first, s.showSize}));
}
