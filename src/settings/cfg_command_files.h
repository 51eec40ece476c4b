#pragma once
// Readers and writers of the settings that commands keep (colours, grids, merge distance, font) and of
// the files installed with the program that nothing in it writes (wall colours, wall types, fixed-room
// walls, the size display). Same rules as cfg_dialog_files.h: defaults for what is missing, numbers
// clamped, files replaced whole. Colours are COLORREFs (0x00BBGGRR).

#include "platform/geometry.h"
#include "settings/cfg_file.h"

#include <array>
#include <string>

// CLR.CFG "%ld %ld %ld\n".
struct ColourSettings {
    platform::ColourRef background = 0;
    platform::ColourRef drawing = 0;
    platform::ColourRef overlay = 0;
};
ColourSettings ReadColours(CfgReport* report = nullptr);
bool WriteColours(const ColourSettings& colours);

// RMCLR.CFG "%ld %ld %ld\n": the colours of design rooms.
struct RoomColourSettings {
    platform::ColourRef wetArea = 0;
    platform::ColourRef bedroom = 0;
    platform::ColourRef otherRooms = 0;
};
RoomColourSettings ReadRoomColours(CfgReport* report = nullptr);
bool WriteRoomColours(const RoomColourSettings& colours);

// LYTGRIDM.CFG / LYTGRIDI.CFG (room-layout grid) and GRIDM.CFG / GRIDI.CFG (grid), "%d %ld\n".
struct GridSettings {
    int spacing = 0; // drawing units
    platform::ColourRef colour = 0;
};
// Both grids take at least 250 mm or 10 inches and at most 32000 mm or 1400 inches (drawing units).
int MinGridSpacing(int units);
int MaxGridSpacing(int units);
GridSettings ReadLayoutGrid(int units, CfgReport* report = nullptr);
bool WriteLayoutGrid(int units, const GridSettings& grid);
GridSettings ReadGrid(int units, CfgReport* report = nullptr);
bool WriteGrid(int units, const GridSettings& grid);

// MERGEM.CFG / MERGEI.CFG "%d\n": the distance within which design rooms snap together.
struct MergeSettings {
    int distance = 0;
};
// Design rooms snap within at least 50 mm or 2 inches; the distance is a typed length, so at most
// 32766 drawing units.
int MinMergeDistance(int units);
constexpr int MaxMergeDistance = 32766;
MergeSettings ReadMergeDistance(int units, CfgReport* report = nullptr);
bool WriteMergeDistance(int units, const MergeSettings& merge);

// TEXT.CFG "%d %d %d%s": text size, weight, the face name's length and the name straight after it.
struct TextSettings {
    static constexpr int MaxFontNameLength = 31;
    static constexpr int MinTextSize = 1; // points
    static constexpr int MaxTextSize = 500;
    static constexpr int MinFontWeight = 0;
    static constexpr int MaxFontWeight = 1000;
    int textSize = 10;    // points
    int fontWeight = 400; // 0 to 1000
    std::string fontName;
};
// Takes at most MaxFontNameLength characters of the name; the rest of a longer stored name is skipped.
TextSettings ReadTextSettings(CfgReport* report = nullptr);
bool WriteTextSettings(const TextSettings& text); // the name cut to MaxFontNameLength

// WLCLR.CFG "%ld %ld\n": the two wall colours new walls carry. Installed.
struct WallColourSettings {
    platform::ColourRef first = 0;
    platform::ColourRef second = 0;
};
WallColourSettings ReadWallColours(CfgReport* report = nullptr);
bool WriteWallColours(const WallColourSettings& colours);

// EXTWALLM.CFG / EXTWALLI.CFG "%d %d %d %ld %ld %ld %ld %d %d %ld": the external wall type in use and
// the floor heights.
struct ExternalWallSettings {
    int outer = 0;        // outer layer, or the whole wall of a two-line wall
    int cavity = 0;       // 0 for a two-line wall
    int inner = 0;        // 0 for a two-line wall
    int baseLevel = 0;    // where the ground floor's walls start
    int groundHeight = 0; // wall heights of the ground, first and second floor
    int firstHeight = 0;
    int secondHeight = 0;
    int outerHatch = 0; // hatch styles copied into each new wall
    int innerHatch = 0;
    platform::ColourRef colour = 0; // of new walls
};
ExternalWallSettings ReadExternalWallSettings(int units, CfgReport* report = nullptr);
bool WriteExternalWallSettings(int units, const ExternalWallSettings& settings);

// INTWALL.CFG "%d %ld %ld %ld %d %d %d %d %ld": the walls of fixed rooms. Installed.
struct FixedRoomWallSettings {
    int first = 0; // read, not used
    int z = 0;     // z value of every face of the walls and of the name text
    int third = 0; // read, not used
    int fourth = 0;
    std::array<int, 4> reserved{}; // stored in each wall after its thickness
    platform::ColourRef colour = 0;
};
FixedRoomWallSettings ReadFixedRoomWalls(CfgReport* report = nullptr);
bool WriteFixedRoomWalls(const FixedRoomWallSettings& settings);

// SIZE.CFG "%d %d": whether the house rectangle's size shows. Installed.
struct SizeDisplaySetting {
    int first = 0;    // not used
    int showSize = 0; // 0 shows the size, any other value nothing
};
SizeDisplaySetting ReadSizeDisplay(CfgReport* report = nullptr);
bool WriteSizeDisplay(const SizeDisplaySetting& setting);
