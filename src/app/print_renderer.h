#pragma once
// The print renderer: one floor of the drawing on a printer page the page printer has prepared (its
// mapping, Scale and the line weight in PenWidthFactor), while CurrentView is 1000 plus the floor's view
// code. TList operations of the printing layer, as free functions taking the list.

#include <memory>

class TList;
class TTextobj;

namespace platform {
class DeviceContext;
}

// Prints the objects of the floor being printed (CurrentView - 1000) in list order through PrintObject:
// in DisplayMode 0, 10 and 20 every one below the information records, in 1, 11 and 21 all but the
// automatic dimensions (texts 34, arrows 25000); in any other mode none. Nothing while CurrentView is
// below 100.
void PrintAll(const TList& list, platform::DeviceContext& dc);

// The scale caption "scale N : 1" of the floor being printed, placed 30 times its height below the
// floor's first title (or, without one, its lowest automatic dimension text), in that text's font. Null
// with neither, or when `showScale` is not 1. The caption is drawn, never stored: the page prints it
// after PrintAll and nothing of the list or the drawing file holds it.
std::unique_ptr<TTextobj> PrintScaleCaption(const TList& list, int scale, int showScale);

// Prints one object as PrintAll would, under the same display-mode rule (the scale caption).
void PrintUnderDisplayMode(TTextobj& caption, platform::DeviceContext& dc);
