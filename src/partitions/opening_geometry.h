#pragma once
// What the steps that build windows, external doors and their joinery share: the quadrant arithmetic
// of angled walls, the layers of an external wall, and the ways the steps make their objects (lines
// through the tool's CreateObject, objects of their own shown at once and appended).

#include "model/drawing_objects.h"
#include "partitions/intwall_geometry.h"
#include "platform/device_context.h"
#include "platform/geometry.h"

#include <memory>

class TDrawingtool;

// Angles are tenths of a degree clockwise from +y, turned into radians by RadiansPerTenth
// (intwall_geometry.h), which falls just short of pi / 1800: stored drawings depend on the positions it
// gives.

// The quadrant of a wall angle and the angle within it.
struct WallQuadrant {
    int quadrant = 1;     // 1 below 900, 2 below 1800, 3 below 2700, 4 the rest
    int residue = 0;      // the angle less 0, 900, 1800 or 2700
    double radians = 0.0; // the residue in radians
};
WallQuadrant QuadrantOf(int angle);

// The sum of an external wall's three layers, and its angle; 0 for an object of another class.
long long WallLayers(const TObject& wall);
int WallAngleOf(const TObject& wall);

// The vectors of an opening in an angled wall of `angle`: the half vector (hu, hv) along the wall for a
// half width, the across vector (a, b) for the wall's thickness, and the step (stepX, stepY) from the
// outer face to the inner face (a and b with the quadrant's signs). Every product is rounded with
// RoundToLong.
struct AngledOpening {
    WallQuadrant quadrant;
    long long hu = 0;
    long long hv = 0;
    long long a = 0;
    long long b = 0;
    long long stepX = 0;
    long long stepY = 0;
};
AngledOpening AngledOpeningOf(int angle, int halfWidth, int thickness);

// The ends of a centred opening on the wall line of an angled wall, p - (hu, hv) and p + (hu, hv) in
// the first and third quadrants, p + (-hu, hv) and p + (hu, -hv) in the others.
struct OpeningEnds {
    long long x1 = 0;
    long long y1 = 0;
    long long x2 = 0;
    long long y2 = 0;
};
OpeningEnds CentredEnds(const AngledOpening& geometry, long long px, long long py);

// The tool's line from (x1, y1) to (x2, y2), made by its CreateObject: shown, appended and saved when
// it has a length and no coordinate is 0.
void MakeToolLine(TDrawingtool& tool, platform::DeviceContext& dc, const platform::Rect& client, long long x1,
                  long long y1, long long x2, long long y2);

// The fields every object of an opening takes: the current view, the tool's group and object number,
// the type, a thin solid pen in DrawingColour.
void SetOpeningPartFields(TObject& object, const TDrawingtool& tool, int type);

// An object of the step's own, shown at once on the view and appended; the caller saves.
void ShowAndAppend(std::unique_ptr<TObject> object, platform::DeviceContext& dc,
                   const platform::Rect& client);

// A dotted swing arc on the current view around the box (left, top)-(right, bottom), from
// (startX, startY) counter-clockwise to (endX, endY), with the tool's group and object number, in
// DrawingColour.
std::unique_ptr<TArcobj> SwingArc(const TDrawingtool& tool, long long left, long long top, long long right,
                                  long long bottom, long long startX, long long startY, long long endX,
                                  long long endY);
