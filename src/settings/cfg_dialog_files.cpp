#include "settings/cfg_dialog_files.h"

#include "settings/length_format.h"

#include <climits>
#include <cmath>
#include <limits>

namespace {

// Feet-and-inches dialogs take whole inches and, in most, a fraction below one inch: a setting typed
// as i inches with a fraction lies in i × 24 up to i × 24 + 23.
constexpr int Inches(int inches) {
    return inches * 24;
}
constexpr int InchesAndFraction(int inches) {
    return inches * 24 + 23;
}

constexpr int AnyLow = INT_MIN;
constexpr int AnyHigh = INT_MAX;

} // namespace

DoorSizeSettings ReadDoorSizes(CfgReport* report) {
    CfgFieldReader f("DOORSZE.CFG", "%d %d", report);
    DoorSizeSettings s;
    s.metricWidth = f.Int(100, 5000);
    s.imperialWidth = f.Int(Inches(4), Inches(200));
    return s;
}

bool WriteDoorSizes(const DoorSizeSettings& s) {
    return WriteCfgText("DOORSZE.CFG", FormatCfg("%d %d", {s.metricWidth, s.imperialWidth}));
}

int StartUpDoorWidthShown(const DoorSizeSettings& s, int units) {
    return WholeLengthShown(IsImperialUnits(units) ? s.imperialWidth : s.metricWidth, units);
}

DoorSwingSettings DoorSwingFor(int angle, int thickness) {
    const double radians = angle * 3.14159 / 180;
    return {angle, thickness, std::sin(radians), std::cos(radians)};
}

DoorSwingSettings ReadDoorSwing(CfgReport* report) {
    CfgFieldReader f("INTERN.CFG", "%d %d %lf %lf", report);
    DoorSwingSettings s;
    s.angle = f.Int(30, 90);
    s.thickness = f.Int(1, 2);
    // A file cut short after the angle gets the sine and cosine of its own angle, not of the default's.
    const DoorSwingSettings own = DoorSwingFor(s.angle, s.thickness);
    const bool sineInFile = f.NextFromFile();
    s.sine = f.Real(-1.0, 1.0);
    if (!sineInFile) s.sine = own.sine;
    const bool cosineInFile = f.NextFromFile();
    s.cosine = f.Real(-1.0, 1.0);
    if (!cosineInFile) s.cosine = own.cosine;
    return s;
}

bool WriteDoorSwing(const DoorSwingSettings& s) {
    return WriteCfgText("INTERN.CFG", FormatCfg("%d %d %lf %lf", {s.angle, s.thickness, s.sine, s.cosine}));
}

DimensionSettings ReadDimensionSettings(int units, CfgReport* report) {
    const bool imperial = IsImperialUnits(units);
    CfgFieldReader f(TwinName(units, "MOFFSET.CFG", "IOFFSET.CFG"), "%d %d %d %d %d %d %d", report);
    DimensionSettings s;
    s.internalOffset = imperial ? f.Int(Inches(6), Inches(120)) : f.Int(100, 3000);
    s.externalOffset = imperial ? f.Int(Inches(6), Inches(120)) : f.Int(100, 3000);
    s.overallOffset = imperial ? f.Int(Inches(6), Inches(240)) : f.Int(100, 5000);
    s.textDirection = f.Int(0, 2700);
    s.dimensionTextSize = f.Int(9, 10);
    s.roomDimensionTextSize = f.Int(9, 10);
    s.roomNameTextSize = f.Int(9, 10);
    return s;
}

bool WriteDimensionSettings(int units, const DimensionSettings& s) {
    return WriteCfgText(TwinName(units, "MOFFSET.CFG", "IOFFSET.CFG"),
                        FormatCfg("%d %d %d %d %d %d %d",
                                  {s.internalOffset, s.externalOffset, s.overallOffset, s.textDirection,
                                   s.dimensionTextSize, s.roomDimensionTextSize, s.roomNameTextSize}));
}

StairSettings ReadStairSettings(int units, CfgReport* report) {
    CfgFieldReader f(TwinName(units, "STAIRSM.CFG", "STAIRSI.CFG"), "%d %d", report);
    StairSettings s;
    if (IsImperialUnits(units)) {
        // The stair dialog's loose fraction rule lets up to 7/1 inch ride on the whole inches.
        s.riser = f.Int(Inches(4), Inches(12) + 7 * 24);
        s.tread = f.Int(Inches(6), Inches(24) + 7 * 24);
    } else {
        s.riser = f.Int(100, 300);
        s.tread = f.Int(150, 600);
    }
    return s;
}

bool WriteStairSettings(int units, const StairSettings& s) {
    return WriteCfgText(TwinName(units, "STAIRSM.CFG", "STAIRSI.CFG"),
                        FormatCfg("%d %d", {s.riser, s.tread}));
}

PrintCalibration ReadPrintCalibration(int units, CfgReport* report) {
    const bool imperial = IsImperialUnits(units);
    CfgFieldReader f(TwinName(units, "PRNTCALM.CFG", "PRNTCALI.CFG"), "%d %lf", report);
    PrintCalibration c;
    // Metric: 14000 to 16000 mm measured against 15000; feet and inches: 40' 0'' to 60' 11'' against 14976.
    const int low = imperial ? Inches(40 * 12) : 14000;
    const int high = imperial ? Inches(60 * 12 + 11) : 16000;
    c.measuredLength = f.Int(low, high);
    // A factor outside 0.5 to 1.5 is no printer's error but a damaged file: pages then print uncorrected.
    const double factor = f.Real(std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
    c.correction = factor >= 0.5 && factor <= 1.5 ? factor : 1.0;
    return c;
}

bool WritePrintCalibration(int units, const PrintCalibration& c) {
    return WriteCfgText(TwinName(units, "PRNTCALM.CFG", "PRNTCALI.CFG"),
                        FormatCfg("%d %lf", {c.measuredLength, c.correction}));
}

namespace {

// Three lengths, one separator, then each title's characters by its length. Files of earlier versions
// have no blank after the third length, the program writes exactly one; only that one is skipped, so
// a title may begin with blanks of its own. A line end stands for the blank in a file edited by hand.
std::vector<CfgValue> ParsePlanTitles(std::string_view text) {
    CfgScanner scanner(text);
    std::vector<CfgValue> lengths;
    if (scanner.Scan("%d %d %d", lengths) < 3) return {};
    if (!scanner.Literal(' ') && !scanner.Literal('\t')) {
        scanner.Literal('\r');
        scanner.Literal('\n');
    }
    std::vector<CfgValue> titles;
    for (const CfgValue& length : lengths) {
        std::string title = scanner.Characters(std::get<long long>(length));
        if (title.size() > static_cast<std::size_t>(PlanTitles::MaxLength))
            title.resize(PlanTitles::MaxLength);
        titles.emplace_back(std::move(title));
    }
    return titles;
}

} // namespace

PlanTitles ReadPlanTitles(CfgReport* report) {
    CfgFieldReader f("TITLE2D.CFG", ParsePlanTitles, report);
    PlanTitles t;
    for (std::string& title : t.titles)
        title = f.Text();
    return t;
}

bool WritePlanTitles(const PlanTitles& t) {
    std::vector<CfgValue> lengths;
    std::vector<CfgValue> texts;
    for (const std::string& title : t.titles) {
        std::string stored = title.substr(0, PlanTitles::MaxLength);
        lengths.emplace_back(static_cast<long long>(stored.size()));
        texts.emplace_back(std::move(stored));
    }
    lengths.insert(lengths.end(), texts.begin(), texts.end());
    return WriteCfgText("TITLE2D.CFG", FormatCfg("%d %d %d %s%s%s\n", lengths));
}

InternalWallSettings ReadInternalWallSettings(int units, CfgReport* report) {
    CfgFieldReader f(TwinName(units, "PTNM.CFG", "PTNI.CFG"), "%d", report);
    InternalWallSettings s;
    // Written by the double-line dialogs (25 to 900 mm; 1 to 50 inches and sixteenths) and the
    // fixed-room dialogs (10 to 1001 mm; 1 to 50 inches and eighths).
    s.width = IsImperialUnits(units) ? f.Int(Inches(1), Inches(50) + 22) : f.Int(10, 1001);
    return s;
}

bool WriteInternalWallSettings(int units, const InternalWallSettings& s) {
    return WriteCfgText(TwinName(units, "PTNM.CFG", "PTNI.CFG"), FormatCfg("%d", {s.width}));
}

UnitsSetting ReadUnitsSetting(CfgReport* report) {
    CfgFieldReader f("METRIC.CFG", "%d", report);
    return {f.Int(AnyLow, AnyHigh)};
}

bool WriteUnitsSetting(const UnitsSetting& s) {
    return WriteCfgText("METRIC.CFG", FormatCfg("%d", {s.units}));
}

StartSetting ReadStartSetting(CfgReport* report) {
    CfgFieldReader f("START.CFG", "%d", report);
    return {f.Int(AnyLow, AnyHigh)};
}

bool WriteStartSetting(const StartSetting& s) {
    return WriteCfgText("START.CFG", FormatCfg("%d", {s.startMode}));
}

OverlaySettings ReadOverlaySettings(CfgReport* report) {
    CfgFieldReader f("OVERLAY.CFG", "%d %d %d %d %d", report);
    auto flag = [&f] { return f.Int(AnyLow, AnyHigh) == 1 ? 1 : 0; };
    OverlaySettings s;
    s.fourthFloor = flag();
    s.groundFloor = flag();
    s.firstFloor = flag();
    s.secondFloor = flag();
    s.outlines = flag();
    return s;
}

bool WriteOverlaySettings(const OverlaySettings& s) {
    return WriteCfgText(
        "OVERLAY.CFG",
        FormatCfg("%d %d %d %d %d", {s.fourthFloor, s.groundFloor, s.firstFloor, s.secondFloor, s.outlines}));
}

CustomWallSettings ReadCustomWallSettings(int units, CfgReport* report) {
    const bool imperial = IsImperialUnits(units);
    CfgFieldReader f(TwinName(units, "CUST.CFG", "CUSTIMP.CFG"), "%d %d %d %d", report);
    CustomWallSettings s;
    s.lines = f.Int(2, 4);
    s.totalWidth = imperial ? f.Int(Inches(1), InchesAndFraction(30)) : f.Int(25, 900);
    s.outerSpace = imperial ? f.Int(0, InchesAndFraction(25)) : f.Int(0, 800);
    s.cavity = imperial ? f.Int(0, InchesAndFraction(20)) : f.Int(0, 790);
    return s;
}

bool WriteCustomWallSettings(int units, const CustomWallSettings& s) {
    return WriteCfgText(TwinName(units, "CUST.CFG", "CUSTIMP.CFG"),
                        FormatCfg("%d %d %d %d", {s.lines, s.totalWidth, s.outerSpace, s.cavity}));
}

NewRoomSettings ReadNewRoomSettings(CfgReport* report) {
    CfgFieldReader f("NEWRM.CFG", "%d %d", report);
    NewRoomSettings s;
    s.sizeDisplay = f.Int(0, 4);
    s.colour = f.Int(0, 4);
    return s;
}

bool WriteNewRoomSettings(const NewRoomSettings& s) {
    return WriteCfgText("NEWRM.CFG", FormatCfg("%d %d", {s.sizeDisplay, s.colour}));
}

RoomPartitionSettings ReadRoomPartitions(int units, CfgReport* report) {
    CfgFieldReader f(TwinName(units, "RMPTNM.CFG", "RMPTNI.CFG"), "%d %d %d", report);
    RoomPartitionSettings s;
    for (int& thickness : s.thickness)
        thickness = IsImperialUnits(units) ? f.Int(Inches(1), InchesAndFraction(30)) : f.Int(25, 900);
    return s;
}

bool WriteRoomPartitions(int units, const RoomPartitionSettings& s) {
    return WriteCfgText(TwinName(units, "RMPTNM.CFG", "RMPTNI.CFG"),
                        FormatCfg("%d %d %d", {s.thickness[0], s.thickness[1], s.thickness[2]}));
}

int RoomPartitionFieldShown(int view) {
    if (view == 41 || view == 51) return 1;
    if (view == 42 || view == 52) return 2;
    return 0;
}

std::optional<int> RoomPartitionFieldWritten(int view) {
    switch (view) {
    case 40:
    case 45:
    case 50:
        return 0;
    case 41:
    case 51:
        return 1;
    case 42:
    case 52:
        return 2;
    default:
        return std::nullopt;
    }
}

bool WriteRoomPartitionForView(int units, int view, int thickness) {
    std::optional<int> field = RoomPartitionFieldWritten(view);
    if (!field) return false;
    RoomPartitionSettings s = ReadRoomPartitions(units);
    s.thickness[static_cast<std::size_t>(*field)] = thickness;
    return WriteRoomPartitions(units, s);
}

WindowSettings ReadWindowSettings(int units, CfgReport* report) {
    const bool imperial = IsImperialUnits(units);
    CfgFieldReader f("WIND.CFG", "%d %d %d %d %d %d %d %d", report);
    WindowSettings s;
    s.type = f.Int(1, 10);
    s.width = imperial ? f.Int(Inches(4), Inches(9000)) : f.Int(4, 9000);
    s.height = imperial ? f.Int(Inches(4), Inches(9000)) : f.Int(4, 9000);
    s.baseElevation = f.Int(AnyLow, AnyHigh);
    s.showSizes = f.Int(0, 1);
    s.textSize = f.Int(7, 9);
    s.showCill = f.Int(0, 1);
    s.last = f.Int(AnyLow, AnyHigh);
    return s;
}

bool WriteWindowSettings(const WindowSettings& s) {
    return WriteCfgText("WIND.CFG",
                        FormatCfg("%d %d %d %d %d %d %d %d", {s.type, s.width, s.height, s.baseElevation,
                                                              s.showSizes, s.textSize, s.showCill, s.last}));
}

EntrySettings ReadEntrySettings(int units, CfgReport* report) {
    CfgFieldReader f("ENTRY.CFG", "%d %d %d %d %d %c %c %c", report);
    EntrySettings s;
    s.width = IsImperialUnits(units) ? f.Int(Inches(4), Inches(1500)) : f.Int(4, 1500);
    s.second = f.Int(AnyLow, AnyHigh);
    s.third = f.Int(AnyLow, AnyHigh);
    s.doors = f.Int(1, 2);
    s.fifth = f.Int(AnyLow, AnyHigh);
    s.position = f.Char("lrb");
    s.seventh = f.Char("n");
    s.eighth = f.Char("n");
    return s;
}

bool WriteEntrySettings(const EntrySettings& s) {
    return WriteCfgText("ENTRY.CFG",
                        FormatCfg("%d %d %d %d %d %c %c %c", {s.width, s.second, s.third, s.doors, s.fifth,
                                                              s.position, s.seventh, s.eighth}));
}

namespace {

// The side, then the length followed by the characters / and n, then that many characters.
std::vector<CfgValue> ParseLineText(std::string_view text) {
    CfgScanner scanner(text);
    std::vector<CfgValue> values;
    if (scanner.Scan("%d %d", values) < 2 || !scanner.Literal('/') || !scanner.Literal('n')) {
        values.resize(std::min<std::size_t>(values.size(), 1));
        return values;
    }
    std::string line = scanner.Characters(std::get<long long>(values[1]));
    if (line.size() > static_cast<std::size_t>(LineTextSettings::MaxLength))
        line.resize(LineTextSettings::MaxLength);
    values[1] = std::move(line);
    return values;
}

} // namespace

LineTextSettings ReadLineText(CfgReport* report) {
    CfgFieldReader f("LTEXT.CFG", ParseLineText, report);
    LineTextSettings s;
    // 1 puts the text left of or above the line; every other value the other side.
    s.side = f.Int(AnyLow, AnyHigh) == 1 ? 1 : 2;
    s.text = f.Text();
    return s;
}

bool WriteLineText(const LineTextSettings& s) {
    const std::string text = s.text.substr(0, LineTextSettings::MaxLength);
    return WriteCfgText("LTEXT.CFG",
                        FormatCfg("%d %d/n", {s.side, static_cast<long long>(text.size())}) + text);
}
