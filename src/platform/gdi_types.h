#pragma once
// The drawing objects and modes of a device context: pens, brushes, fonts, raster operations, text
// alignment and background modes. The numeric values are the ones stored in drawing and settings files.

#include "platform/geometry.h"

#include <string>

namespace platform {

enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };

// A pen's width is in logical units; it is turned into device pixels by the mapping when it draws.
struct Pen {
    ColourRef colour = Rgb(0, 0, 0);
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle : int { Solid = 0, Null = 1, Hatched = 2 };

// Hatch patterns of a hatched brush.
enum class Hatch : int { Horizontal = 0, Vertical = 1, ForwardDiagonal = 2, BackwardDiagonal = 3, Cross = 4, DiagonalCross = 5 };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    ColourRef colour = Rgb(255, 255, 255);
    Hatch hatch = Hatch::Horizontal;
    friend bool operator==(const Brush&, const Brush&) = default;

    static Brush SolidBrush(ColourRef colour) { return Brush{BrushStyle::Solid, colour, Hatch::Horizontal}; }
    static Brush NullBrush() { return Brush{BrushStyle::Null, Rgb(0, 0, 0), Hatch::Horizontal}; }
};

// A logical font. height > 0 is the character cell height, height < 0 the character height without the
// internal leading, 0 a default size; both in logical units. escapement is the angle of the baseline in
// tenths of a degree, turning from +x towards -y in logical units.
struct Font {
    std::string face = "System";
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    int outputPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

// Pitch and quality values of a font.
constexpr int VariablePitch = 2;
constexpr int ProofQuality = 2;

// Binary raster operations: how a pen or brush colour combines with the pixels under it.
enum class RasterOp : int {
    Black = 1,
    NotMergePen = 2,
    MaskNotPen = 3,
    NotCopyPen = 4,
    MaskPenNot = 5,
    Not = 6,
    XorPen = 7,
    NotMaskPen = 8,
    MaskPen = 9,
    NotXorPen = 10,
    Nop = 11,
    MergeNotPen = 12,
    CopyPen = 13,
    MergePenNot = 14,
    MergePen = 15,
    White = 16,
};

enum class BackgroundMode : int { Transparent = 1, Opaque = 2 };

// Text alignment flags: one horizontal and one vertical choice, or-ed.
namespace TextAlign {
constexpr unsigned UpdateCurrentPosition = 1;
constexpr unsigned Left = 0;
constexpr unsigned Right = 2;
constexpr unsigned Center = 6;
constexpr unsigned Top = 0;
constexpr unsigned Bottom = 8;
constexpr unsigned Baseline = 24;
constexpr unsigned HorizontalMask = 6;
constexpr unsigned VerticalMask = 24;
} // namespace TextAlign

enum class MapMode : int { Text = 1, Isotropic = 7, Anisotropic = 8 };

// Text metrics in the units of whoever asked: device pixels from a surface, logical units from a
// device context.
struct TextMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 400;
};

const char* PenStyleName(PenStyle style);
const char* RasterOpName(RasterOp op);
const char* BrushStyleName(BrushStyle style);

} // namespace platform
