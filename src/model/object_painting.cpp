// The pen and operation an object is painted with, on the view, on paper and in the bitmap export.
#include "model/object_painting.h"

#include "model/paint_mapping.h"
#include "model/shared_state.h"
#include "model/view_mapping.h"
#include "platform/device_context.h"

#include <algorithm>

using platform::DeviceContext;
using platform::Pen;
using platform::PenStyle;

bool IsTextType(int type) {
    return type == 4 || type == 24 || (type >= 34 && type <= 37);
}

bool IsWallType(int type) {
    return type == 1000 || type == 1500;
}

bool IsDottedOutlineType(int type) {
    return (type >= 131 && type <= 149) || type == 500;
}

bool IsDimensionOrTextType(int type) {
    return IsTextType(type) || type == 25000 || type == 26000;
}

namespace {

// Which of an object's operations runs. Walls follow the tens digit of DisplayMode.
enum class Operation { Text, Outline, FilledWall, PatternWall, Nothing };

Operation ChooseOperation(int type) {
    if (IsTextType(type)) return Operation::Text;
    if (IsWallType(type) && Shared.DisplayMode >= 10) {
        if (Shared.DisplayMode < 20) return Operation::PatternWall;
        if (Shared.DisplayMode < 30) return Operation::FilledWall;
        return Operation::Nothing;
    }
    return Operation::Outline;
}

// A stored pen-style code as a pen style. Codes the platform has no pen for fail, as making such a pen
// fails, and the object then draws with the pen the device context holds.
bool PenStyleOfCode(int code, PenStyle& style) {
    if (code < 0 || code > 6) return false;
    // 6 is the inside-frame pen, which draws as a solid one.
    style = code == 6 ? PenStyle::Solid : static_cast<PenStyle>(code);
    return true;
}

bool IsDottedArc(const TObject& object) {
    return object.type == 3 && object.penStyle == 2;
}

// The view's pen. `width` is the object's width as the target reads it (the printer reduces it to 1
// or 2 first); `roomRule` gives rooms with a styled pen a solid pen of factor 1.
bool ViewPen(const TObject& object, int width, int overlay, bool roomRule, Pen& pen) {
    int styleCode = IsDottedOutlineType(object.type) ? 2 : 0;
    int factor = Shared.PenWidthFactor;
    if (object.penStyle == 0) {
        // keeps the dotted-outline rule
    } else if (IsDottedArc(object)) {
        // A dotted pen wider than one unit would draw solid: a dotted arc is always one unit wide.
        factor = 1;
        width = 1;
        styleCode = 2;
    } else if (roomRule && object.type == 29000) {
        factor = 1;
    } else {
        styleCode = object.penStyle;
    }
    if (!PenStyleOfCode(styleCode, pen.style)) return false;
    pen.width = paint_mapping::Product(width, factor);
    pen.colour = overlay <= 0 ? static_cast<platform::ColourRef>(object.colour) : Shared.OverlayColour;
    return true;
}

// Runs the outline or filled-wall operation with `pen` selected, then selects the earlier pen back.
template <typename Operate> void WithPen(DeviceContext& dc, bool havePen, const Pen& pen, Operate operate) {
    if (!havePen) {
        operate();
        return;
    }
    const Pen previous = dc.SelectPen(pen);
    operate();
    dc.SelectPen(previous);
}

void PaintOnView(const TObject& object, DeviceContext& dc, int overlay, int width, bool roomRule) {
    const Operation operation = ChooseOperation(object.type);
    switch (operation) {
    case Operation::Text:
        object.Draw(dc);
        return;
    case Operation::Nothing:
        return;
    case Operation::PatternWall:
        object.DrawPatternWall(dc, overlay);
        return;
    case Operation::Outline:
    case Operation::FilledWall:
        break;
    }
    Pen pen;
    const bool havePen = ViewPen(object, width, overlay, roomRule, pen);
    WithPen(dc, havePen, pen, [&] {
        if (operation == Operation::FilledWall)
            object.DrawFilledWall(dc);
        else
            object.Draw(dc);
    });
}

} // namespace

void TObject::Paint(DeviceContext& dc, const platform::Rect& /*rect*/, int overlay) const {
    PaintOnView(*this, dc, overlay, penWidth, true);
}

void TObject::PaintMapped(DeviceContext& dc, const platform::Rect& clientRect, int overlay) const {
    // The view's mapping (logical units, y up), so a tool can show a new object at once without a
    // repaint; copy-pen undoes any exclusive-or mode the tool was drawing its outline in.
    SetViewMapping(dc, clientRect);
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetBkColor(Shared.BackgroundColour);
    dc.SetROP2(platform::RasterOp::CopyPen);
    Paint(dc, clientRect, overlay);
}

void PrintObject(const TObject& object, DeviceContext& dc) {
    PaintOnView(object, dc, 0, object.penWidth == 2 ? 2 : 1, false);
}

void PaintObjectScaled(const TObject& object, DeviceContext& dc, int /*unused*/, int divisor, int height,
                       int offset) {
    const Operation operation = ChooseOperation(object.type);
    switch (operation) {
    case Operation::Text:
        object.DrawScaled(dc, divisor, height, offset);
        return;
    case Operation::Nothing:
        return;
    case Operation::PatternWall:
        object.DrawScaledPatternWall(dc, 0, divisor, height, offset);
        return;
    case Operation::Outline:
    case Operation::FilledWall:
        break;
    }
    Pen pen;
    int width = object.penWidth;
    if (width > 2 && Shared.Scale != 0) width /= Shared.Scale;
    int styleCode = object.penStyle;
    if (IsDottedArc(object)) {
        width = 1;
    } else if (IsDottedOutlineType(object.type) && object.penStyle == 0) {
        styleCode = 2;
    }
    const bool havePen = PenStyleOfCode(styleCode, pen.style);
    pen.width = width;
    pen.colour = static_cast<platform::ColourRef>(object.colour);
    WithPen(dc, havePen, pen, [&] {
        if (operation == Operation::FilledWall)
            object.DrawScaledFilledWall(dc, divisor, height, offset);
        else
            object.DrawScaled(dc, divisor, height, offset);
    });
}

void CopyPoints(const TObject* /*object*/, const int* source, int count,
                int (&destination)[TPolyobj::MaxPoints]) {
    std::fill(std::begin(destination), std::end(destination), 0);
    const int kept = std::clamp(count, 0, TPolyobj::MaxPoints);
    if (source != nullptr) std::copy(source, source + kept, destination);
}

void CopyQuad(const TObject* /*object*/, const int* source, int* destination) {
    std::copy(source, source + 4, destination);
}
