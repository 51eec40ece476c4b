#pragma once
// What the display dialogs read in DisplayMode. Its tens say how walls show (0 normal, 10 cross hatched,
// 20 solid); its units what else shows (0 one floor with its dimensions, 1 without, 2 the overlaid
// floors with the working floor's dimensions, 3 without).

// The wall style's tens of a display mode below 30; -1 for any other, which ticks no wall button.
constexpr int WallStyleOf(int displayMode) {
    return displayMode >= 0 && displayMode < 30 ? displayMode / 10 * 10 : -1;
}

// The modes whose dimensions show: units 0 and 2 of the three wall styles.
constexpr bool DimensionsShown(int displayMode) {
    const int units = displayMode % 10;
    return WallStyleOf(displayMode) >= 0 && (units == 0 || units == 2);
}
