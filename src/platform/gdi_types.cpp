#include "platform/gdi_types.h"

namespace platform {

const char* PenStyleName(PenStyle style) {
    switch (style) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dash: return "dash";
    case PenStyle::Dot: return "dot";
    case PenStyle::DashDot: return "dashdot";
    case PenStyle::DashDotDot: return "dashdotdot";
    case PenStyle::Null: return "null";
    }
    return "?";
}

const char* RasterOpName(RasterOp op) {
    switch (op) {
    case RasterOp::Black: return "black";
    case RasterOp::NotMergePen: return "notmergepen";
    case RasterOp::MaskNotPen: return "masknotpen";
    case RasterOp::NotCopyPen: return "notcopypen";
    case RasterOp::MaskPenNot: return "maskpennot";
    case RasterOp::Not: return "not";
    case RasterOp::XorPen: return "xor";
    case RasterOp::NotMaskPen: return "notmaskpen";
    case RasterOp::MaskPen: return "maskpen";
    case RasterOp::NotXorPen: return "notxor";
    case RasterOp::Nop: return "nop";
    case RasterOp::MergeNotPen: return "mergenotpen";
    case RasterOp::CopyPen: return "copy";
    case RasterOp::MergePenNot: return "mergepennot";
    case RasterOp::MergePen: return "mergepen";
    case RasterOp::White: return "white";
    }
    return "?";
}

const char* BrushStyleName(BrushStyle style) {
    switch (style) {
    case BrushStyle::Solid: return "solid";
    case BrushStyle::Null: return "null";
    case BrushStyle::Hatched: return "hatch";
    }
    return "?";
}

} // namespace platform
