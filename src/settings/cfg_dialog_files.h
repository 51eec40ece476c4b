#pragma once
// Readers and writers of the settings that the settings dialogs edit. Lengths are drawing units: mm
// in a metric file, 1/24 inch in a feet-and-inches one. A reader never fails: what the file lacks comes
// from the shipped default and is told in the report; each number is clamped to the range its dialog
// lets the user type. A writer replaces the file whole and returns false when it cannot.
// `units` picks the metric twin (Units 1) or the feet-and-inches twin (Units 0) where a file has two,
// and the range of a length where a file has one for both systems.

#include "settings/cfg_file.h"

#include <array>
#include <optional>
#include <string>

// DOORSZE.CFG "%d %d": the start-up single-door width of both systems.
struct DoorSizeSettings {
    int metricWidth = 0;   // mm
    int imperialWidth = 0; // 1/24 inch, whole inches
};
DoorSizeSettings ReadDoorSizes(CfgReport* report = nullptr);
bool WriteDoorSizes(const DoorSizeSettings& settings);
// The width the door dialogs start from: mm in a metric drawing, whole inches in a feet-and-inches one.
int StartUpDoorWidthShown(const DoorSizeSettings& settings, int units);

// INTERN.CFG "%d %d %lf %lf": how doors show in plan views.
struct DoorSwingSettings {
    int angle = 90;      // opening angle in degrees: 30, 60 or 90
    int thickness = 1;   // 1 minimum, 2 maximum
    double sine = 0.0;   // of the angle, as the door tools use it
    double cosine = 0.0; // of the angle
};
// The settings for an angle and thickness, with the sine and cosine taken with pi as 3.14159: stored
// files and every door drawn depend on those digits (60 degrees has the cosine 0.500001).
DoorSwingSettings DoorSwingFor(int angle, int thickness);
DoorSwingSettings ReadDoorSwing(CfgReport* report = nullptr);
bool WriteDoorSwing(const DoorSwingSettings& settings);

// MOFFSET.CFG / IOFFSET.CFG "%d %d %d %d %d %d %d": dimension offsets and text sizes.
struct DimensionSettings {
    int internalOffset = 0;        // arrow offset from the wall of internal dimensions
    int externalOffset = 0;        // of external dimensions
    int overallOffset = 0;         // of overall dimensions
    int textDirection = 0;         // 0 all text horizontal, 2700 text parallel to walls
    int dimensionTextSize = 9;     // points, 9 or 10
    int roomDimensionTextSize = 9; // points, 9 or 10
    int roomNameTextSize = 9;      // points, 9 or 10
};
DimensionSettings ReadDimensionSettings(int units, CfgReport* report = nullptr);
bool WriteDimensionSettings(int units, const DimensionSettings& settings);

// STAIRSM.CFG / STAIRSI.CFG "%d %d".
struct StairSettings {
    int riser = 0; // height of each riser
    int tread = 0; // width of each tread
};
StairSettings ReadStairSettings(int units, CfgReport* report = nullptr);
bool WriteStairSettings(int units, const StairSettings& settings);

// PRNTCALM.CFG / PRNTCALI.CFG "%d %lf".
struct PrintCalibration {
    int measuredLength = 0;  // the calibration line as the user measured it on paper
    double correction = 1.0; // 2 - measured / expected
};
PrintCalibration ReadPrintCalibration(int units, CfgReport* report = nullptr);
bool WritePrintCalibration(int units, const PrintCalibration& calibration);

// TITLE2D.CFG: the titles of the ground, first and second floor plans, written as three lengths and
// then the three texts back to back ("%d %d %d %s%s%s\n"); a title keeps its leading blanks. Files
// written without the blank after the third length read the same. A title holds up to 27 characters,
// though the titles dialog takes 24: files of earlier versions hold longer ones.
struct PlanTitles {
    static constexpr int MaxLength = 27;
    std::array<std::string, 3> titles;
};
PlanTitles ReadPlanTitles(CfgReport* report = nullptr);
bool WritePlanTitles(const PlanTitles& titles); // each title cut to MaxLength

// PTNM.CFG / PTNI.CFG "%d": internal-wall width or double-line spacing.
struct InternalWallSettings {
    int width = 0;
};
InternalWallSettings ReadInternalWallSettings(int units, CfgReport* report = nullptr);
bool WriteInternalWallSettings(int units, const InternalWallSettings& settings);

// METRIC.CFG "%d": the measuring system new drawings take, as stored.
struct UnitsSetting {
    int units = 1; // 1 metric, any other value feet and inches
};
UnitsSetting ReadUnitsSetting(CfgReport* report = nullptr);
bool WriteUnitsSetting(const UnitsSetting& setting);

// START.CFG "%d": how a new drawing starts, as stored.
struct StartSetting {
    int startMode = 2; // 1 layout design rooms, any other value drawing external walls
};
StartSetting ReadStartSetting(CfgReport* report = nullptr);
bool WriteStartSetting(const StartSetting& setting);

// OVERLAY.CFG "%d %d %d %d %d": which floors overlay; a flag counts only when it is 1, and the reader
// turns every other value into 0.
struct OverlaySettings {
    int fourthFloor = 0; // view 53
    int groundFloor = 0; // view 50
    int firstFloor = 0;  // view 51
    int secondFloor = 0; // view 52
    int outlines = 0;    // the dotted outline objects of every view
};
OverlaySettings ReadOverlaySettings(CfgReport* report = nullptr);
bool WriteOverlaySettings(const OverlaySettings& settings);

// CUST.CFG / CUSTIMP.CFG "%d %d %d %d": the custom external wall.
struct CustomWallSettings {
    int lines = 4;      // 2 to 4
    int totalWidth = 0; // of the whole wall
    int outerSpace = 0; // outside line to the second line
    int cavity = 0;     // second line to the third
};
CustomWallSettings ReadCustomWallSettings(int units, CfgReport* report = nullptr);
bool WriteCustomWallSettings(int units, const CustomWallSettings& settings);

// NEWRM.CFG "%d %d".
struct NewRoomSettings {
    // 0 no sizes, 1 below the name, 2 both sizes with arrows, 3 horizontal, 4 vertical size with arrows
    int sizeDisplay = 1;
    // 1 no colour, 2 wet area, 3 bedroom, 4 other rooms; 0 as the fixed-room dialogs write it
    int colour = 1;
};
NewRoomSettings ReadNewRoomSettings(CfgReport* report = nullptr);
bool WriteNewRoomSettings(const NewRoomSettings& settings);

// RMPTNM.CFG / RMPTNI.CFG "%d %d %d": the internal-wall thickness of design rooms per floor.
struct RoomPartitionSettings {
    std::array<int, 3> thickness{}; // ground, first, second floor
};
RoomPartitionSettings ReadRoomPartitions(int units, CfgReport* report = nullptr);
bool WriteRoomPartitions(int units, const RoomPartitionSettings& settings);
// The field a view shows (0 ground, 1 first, 2 second floor): 41 and 51 the first floor, 42 and 52
// the second, every other view the ground floor's, so no view reaches outside the three.
int RoomPartitionFieldShown(int view);
// The field a view changes: as shown for 40 to 42, 45 and 50 to 52; none for any other view (53 among
// them), which then writes nothing.
std::optional<int> RoomPartitionFieldWritten(int view);
// Reads the three fields, replaces the one of `view` and writes all three back. False, with nothing
// written, for a view that changes none or when the file cannot be written.
bool WriteRoomPartitionForView(int units, int view, int thickness);

// WIND.CFG "%d %d %d %d %d %d %d %d": the last window or external door chosen. A type the dialog
// never writes reads as a window.
struct WindowSettings {
    // 1 window, 5 wall opening, 6 single external door, 7 French doors opening in, 8 French doors
    // opening out, 9 garage door, 10 main entry
    int type = 1;
    int width = 0;
    int height = 0;
    int baseElevation = 0; // written 0 by the dialog
    int showSizes = 0;     // 1 yes
    int textSize = 7;      // of the size text: 7 or 9 points
    int showCill = 0;      // 1 yes
    int last = 0;          // written 0 by the dialog
};
WindowSettings ReadWindowSettings(int units, CfgReport* report = nullptr);
// The window dialog writes the line alone; the window tool's Step, rewriting the width of a single
// external door, ends it with a newline. Both read alike.
enum class CfgLineEnd { None, Newline };
bool WriteWindowSettings(const WindowSettings& settings, CfgLineEnd end = CfgLineEnd::None);

// ENTRY.CFG "%d %d %d %d %d %c %c %c": the main entry joinery.
struct EntrySettings {
    int width = 0; // of each door
    int second = 0;
    int third = 0;
    int doors = 1; // 1 single, 2 double
    int fifth = 0;
    char position = 'l'; // 'l', 'r' or 'b'
    char seventh = 'n';
    char eighth = 'n';
};
EntrySettings ReadEntrySettings(int units, CfgReport* report = nullptr);
bool WriteEntrySettings(const EntrySettings& settings);

// LTEXT.CFG: "%d %d/n" (side, length of the text, then the characters / and n), then the text.
struct LineTextSettings {
    static constexpr int MaxLength = 21;
    int side = 1; // 1 left of or above the line, 2 right of or below
    std::string text;
};
// Takes the stored length and that many characters, keeping at most MaxLength of them.
LineTextSettings ReadLineText(CfgReport* report = nullptr);
bool WriteLineText(const LineTextSettings& settings); // the text cut to MaxLength
