#pragma once
// The drawing objects: one class per kind of drawn thing, every field a signed 32-bit value in the
// order the rest of the program and the record codec expect. The objects carry data and their
// drawing operations only; files and lists live beside them. Coordinates are absolute drawing units
// in memory (1 mm metric, 1/24 inch imperial), y upwards; z values ride along beside their points
// and are never drawn or shifted.

#include "platform/geometry.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace platform {
class DeviceContext;
}

class TObject {
  public:
    // Takes the pen colour in force; every other field starts at its default.
    TObject();
    // Deleting through a base pointer is how the list frees objects, so the destructor is virtual.
    virtual ~TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;

    // Objects come and go in tens of thousands on every paint (the list is emptied and read back), so
    // their memory is kept for reuse by size rather than handed back each time.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory, std::size_t size) noexcept;

    // Draws with the device context's current pen and brush, coordinates divided by Scale.
    virtual void Draw(platform::DeviceContext& dc) const;
    virtual void DrawFilledWall(platform::DeviceContext& dc) const;
    virtual void DrawPatternWall(platform::DeviceContext& dc, int overlay) const;
    // Draws for the bitmap export: x becomes x / divisor - BitmapLeft and y (height - y) / divisor +
    // offset, so y grows downwards.
    virtual void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const;
    virtual void DrawScaledFilledWall(platform::DeviceContext& dc, int divisor, int height, int offset) const;
    virtual void DrawScaledPatternWall(platform::DeviceContext& dc, int overlay, int divisor, int height,
                                       int offset) const;
    // Chooses pen, brush and font by type code and display mode, then draws; shared by every class.
    void Paint(platform::DeviceContext& dc, const platform::Rect& rect, int overlay) const;
    // As Paint, after setting the view mapping of `clientRect` on the device context.
    void PaintMapped(platform::DeviceContext& dc, const platform::Rect& clientRect, int overlay) const;

    // View code: 50..52 floors, 53 fourth plan, 40 room layout, 45 layout while corners are marked;
    // a floor's design rooms under its code - 10, its corner marks under its code - 5.
    int view = 0;
    int aux = 0;    // set by the creating tool and carried unchanged (the erase mark is 30001)
    int number = 0; // floor base (10000, 11000, 12000, 13000) plus the object serial
    int type = 1;
    int penWidth = 1; // 1 thin, 2 thick
    int penStyle = 0; // 0 solid, 1 dash, 2 dot
    int x1 = 0;
    int z1 = 0;
    int x2 = 0;
    int z2 = 0;
    int y1 = 0;
    int y2 = 0;
    int colour = 0; // 0x00BBGGRR, kept signed so any stored value reads back as it was
};

// Lines, external-corner marks (11) and the other line codes.
class TLineobj : public TObject {
  public:
    TLineobj() { type = 1; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    int lineA = 0;
    int lineB = 0;
};

// An arc of the ellipse bounded by (x1, y1)-(x2, y2), from the start to the end point.
class TArcobj : public TObject {
  public:
    TArcobj() { type = 3; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    int startX = 0;
    int startY = 0;
    int endX = 0;
    int endY = 0;
};

// A text anchored at (x1, y1). Here x2 is the direction in tenths of a degree, and y2 and z1 are plain
// integers (a room name keeps its rotation offset in y2).
class TTextobj : public TObject {
  public:
    static constexpr int TextCapacity = 80;
    static constexpr int FontNameCapacity = 32;

    TTextobj() { type = 4; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    char text[TextCapacity] = {};
    char fontName[FontNameCapacity] = {};
    int textLength = 0; // kept equal to the length of `text`
    int fontNameLength = 0;
    int escapement = 0; // tenths of a degree; 2700 reads downwards
    int alignment = 0;  // 1..6
    int weight = 0;     // 500 and above paints bold
    int size = 0;
};

class TEllipseobj : public TObject {
  public:
    TEllipseobj() { type = 5; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;
};

class TCircleobj : public TObject {
  public:
    TCircleobj() { type = 6; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;
};

class TRectangleobj : public TObject {
  public:
    TRectangleobj() { type = 7; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;
};

class TRndrectobj : public TRectangleobj {
  public:
    TRndrectobj() { type = 8; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    int corner = 0; // radius; the rounding ellipse is twice as wide and high
};

// A polygon of up to MaxPoints points; its base coordinates are not used.
class TPolyobj : public TObject {
  public:
    static constexpr int MaxPoints = 16;

    TPolyobj() { type = 100; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    int x[MaxPoints] = {};
    int y[MaxPoints] = {};
    int z[MaxPoints] = {};
    int polyA = 0;
    int polyB = 0;
    int polyC = 0;
    int polyD = 0;
    int count = 0; // points in use, 0..MaxPoints
    int polyE = 0;
    int polyF = 0;
    int polyG = 0;
    int polyH = 0;
    int polyI = 0;
    int fillColour = 0;
};

// A wall opening: drawn as its polygon.
class TOpeningobj : public TPolyobj {
  public:
    TOpeningobj() { type = 28000; }

    int openingA = 0;
    int openingB = 0;
};

// A dimension: the line (x1, y1)-(x2, y2); the first two further points are drawn as lines from
// (x1, y1), the last two as one more line.
class TArrowobj : public TObject {
  public:
    TArrowobj() { type = 25000; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    int ax1 = 0;
    int ay1 = 0;
    int ax2 = 0;
    int ay2 = 0;
    int ax3 = 0;
    int ay3 = 0;
    int ax4 = 0;
    int ay4 = 0;
};

// A design or fixed room; (x1, y1) is its upper-left corner.
class TRoomobj : public TObject {
  public:
    static constexpr int NameCapacity = 21;
    static constexpr int LabelCapacity = 17;

    TRoomobj() { type = 29000; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;

    int width = 0; // drawing units
    int length = 0;
    int nameLength = 0;
    int label1Length = 0;
    int label2Length = 0;
    int roomA = 0;
    int textSize = 0;
    int fillColour = 0;
    char name[NameCapacity] = {};
    char label1[LabelCapacity] = {}; // the two size labels
    char label2[LabelCapacity] = {};
};

// An internal wall: faces (x1, y1)-(x2, y2) and (fx1, fy1)-(fx2, fy2); iwall1 is the thickness.
class TIntwallobj : public TObject {
  public:
    TIntwallobj() { type = 1500; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawFilledWall(platform::DeviceContext& dc) const override;
    void DrawPatternWall(platform::DeviceContext& dc, int overlay) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;
    void DrawScaledFilledWall(platform::DeviceContext& dc, int divisor, int height,
                              int offset) const override;
    void DrawScaledPatternWall(platform::DeviceContext& dc, int overlay, int divisor, int height,
                               int offset) const override;

    int iwall1 = 0;
    int iwall2 = 0;
    int iwall3 = 0;
    int iwall4 = 0;
    int iwall5 = 0;
    int iwall6 = 0;
    int iwall7 = 0;
    int fx1 = 0;
    int fz1 = 0;
    int fy1 = 0;
    int fx2 = 0;
    int fy2 = 0;
    int iwall8 = 0;
    int iwall9 = 0;
    int iwall10 = 0;
    int iwall11 = 0;
    int iwall12 = 0;
    int iwall13 = 0;
};

// One side of the house outline, a composite wall. The outer face is (x1, y1)-(x2, y2); ewall1..3
// are the outer leaf, cavity (0 for a solid wall) and inner leaf, ewall6 the angle in tenths of a
// degree. A solid wall's inner face is face 1, a cavity wall's face 3.
class TExtwallobj : public TObject {
  public:
    TExtwallobj() { type = 1000; }
    void Draw(platform::DeviceContext& dc) const override;
    void DrawFilledWall(platform::DeviceContext& dc) const override;
    void DrawPatternWall(platform::DeviceContext& dc, int overlay) const override;
    void DrawScaled(platform::DeviceContext& dc, int divisor, int height, int offset) const override;
    void DrawScaledFilledWall(platform::DeviceContext& dc, int divisor, int height,
                              int offset) const override;
    void DrawScaledPatternWall(platform::DeviceContext& dc, int overlay, int divisor, int height,
                               int offset) const override;

    int ewall1 = 0;
    int ewall2 = 0;
    int ewall3 = 0;
    int ewall4 = 0;
    int ewall5 = 0;
    int ewall6 = 0;
    int ewall7 = 0;
    int f1x1 = 0;
    int f1y1 = 0;
    int f1x2 = 0;
    int f1y2 = 0;
    int f2x1 = 0;
    int f2y1 = 0;
    int f2x2 = 0;
    int f2y2 = 0;
    int f3x1 = 0;
    int f3y1 = 0;
    int f3x2 = 0;
    int f3y2 = 0;
    int ewall8 = 0;
    int ewall9 = 0;
    int ewall10 = 0;
    int ewall11 = 0;
    int ewall12 = 0;
    int ewall13 = 0;
};

// An information record; never drawn. The floor-area records (32000..32003) keep the area in value.
class TInfoobj : public TObject {
  public:
    TInfoobj() { type = 32000; }

    int value = 0;
};

// Copies `text` into a fixed string field, keeping at most Capacity - 1 characters and a terminating
// NUL, and sets `length` to the number of characters kept. A NUL inside `text` ends it, so `length`
// always equals the length of the field's string.
template <std::size_t Capacity>
void SetObjectString(char (&field)[Capacity], int& length, std::string_view text) {
    const std::size_t end = std::min(text.find('\0'), Capacity - 1);
    const std::size_t kept = std::min(end, text.size());
    text.copy(field, kept);
    field[kept] = '\0';
    length = static_cast<int>(kept);
}

// The characters of a fixed string field up to its NUL (or its capacity less one).
template <std::size_t Capacity> std::string_view ObjectString(const char (&field)[Capacity]) {
    const char* end = std::find(field, field + Capacity - 1, '\0');
    return std::string_view(field, static_cast<std::size_t>(end - field));
}
