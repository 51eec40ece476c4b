#include "walls/wall_edits.h"

#include "model/drawing_list.h"
#include "model/drawn_extents.h"
#include "model/object_class.h"
#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "settings/cfg_file.h"
#include "settings/cfg_state_files.h"
#include "settings/extents_file.h"
#include "tools/drawing_view.h"
#include "tools/status_texts.h"
#include "tools/tool_support.h"
#include "tools/view_support.h"
#include "walls/extwall_tool.h"
#include "walls/wall_geometry.h"

#include <algorithm>
#include <cstdlib>

using tool_support::Clamped;

namespace {

// The arrows of a resize.
constexpr int Up = 1;
constexpr int Right = 2;
constexpr int Down = 3;
constexpr int Left = 4;

bool Vertical(const TExtwallobj& wall) {
    return wall.x1 == wall.x2;
}
bool Horizontal(const TExtwallobj& wall) {
    return wall.y1 == wall.y2;
}

// The wall's length along its line, the way it runs: end minus start along its axis.
long long RunningLength(const TExtwallobj& wall) {
    if (Vertical(wall)) return std::llabs(static_cast<long long>(wall.y2) - wall.y1);
    return std::llabs(static_cast<long long>(wall.x2) - wall.x1);
}

// The box the wall takes before the edit, from its start to the end of its innermost face.
void KeepEditBox(TExtwallobjtool& tool, const TExtwallobj& wall) {
    const bool cavity = wall.ewall2 > 0;
    const int faceX = cavity ? wall.f3x2 : wall.f1x2;
    const int faceY = cavity ? wall.f3y2 : wall.f1y2;
    tool.EditLeft() = std::min(wall.x1, faceX);
    tool.EditRight() = std::max(wall.x1, faceX);
    tool.EditTop() = std::max(wall.y1, faceY);
    tool.EditBottom() = std::min(wall.y1, faceY);
}

// The tool's wall line becomes the wall's, for the repaint of the edit.
void ShowLineOf(TExtwallobjtool& tool, const TExtwallobj& wall) {
    tool.X1 = wall.x1;
    tool.Y1 = wall.y1;
    tool.X2 = wall.x2;
    tool.Y2 = wall.y2;
}

// A neighbour's end at the wall's corner goes back to square: the previous wall's end, the next
// wall's start.
void SquareNeighbour(int neighbour, int end, int edited) {
    if (neighbour == edited) return;
    if (TExtwallobj* wall = ExternalWallAt(neighbour)) SquareWallEnd(*wall, end);
}

void SquareBothNeighbours(const TExtwallobjtool& tool, int edited) {
    SquareNeighbour(tool.PreviousWall, wall_end::End, edited);
    SquareNeighbour(tool.NextWall, wall_end::Start, edited);
}

// The ends of every face at one end of the wall take the wall end's coordinate along the wall, so that
// end of each face is square. All three faces follow, whatever the cavity.
void SquareFacesAlong(TExtwallobj& wall, int end) {
    const bool atEnd = end == wall_end::End;
    if (Vertical(wall)) {
        const int y = atEnd ? wall.y2 : wall.y1;
        (atEnd ? wall.f1y2 : wall.f1y1) = y;
        (atEnd ? wall.f2y2 : wall.f2y1) = y;
        (atEnd ? wall.f3y2 : wall.f3y1) = y;
    } else {
        const int x = atEnd ? wall.x2 : wall.x1;
        (atEnd ? wall.f1x2 : wall.f1x1) = x;
        (atEnd ? wall.f2x2 : wall.f2x1) = x;
        (atEnd ? wall.f3x2 : wall.f3x1) = x;
    }
}

// Lengthen (d > 0) or shorten (d < 0) the wall at the end nearer the cursor (x, y). A wall along no
// axis is refused for the view to tell; one of no length, or one the edit would leave shorter than a
// unit, is left as it is.
void LengthenOrShorten(TExtwallobjtool& tool, int index, int amount, int x, int y) {
    TExtwallobj& stored = *ExternalWallAt(index);
    ShowLineOf(tool, stored);
    if (!Vertical(stored) && !Horizontal(stored)) {
        tool.Dragging = TExtwallobjtool::AngledWallRefused;
        return;
    }
    if (Vertical(stored) && Horizontal(stored)) return;
    const bool shorten = tool.State == wall_edit::Shorten;
    const long long d = shorten ? -static_cast<long long>(amount) : amount;
    TExtwallobj wall = stored;
    long long x1 = wall.x1, y1 = wall.y1, x2 = wall.x2, y2 = wall.y2;
    int moved = wall_end::Start;
    // The end nearer the cursor along the wall; a tie goes to the upper or the left end.
    if (Vertical(wall)) {
        if (y1 > y2) { // running south
            if (y - y2 < y1 - y)
                moved = wall_end::End, y2 -= d;
            else
                y1 += d;
        } else if (y - y1 < y2 - y) {
            y1 -= d;
        } else {
            moved = wall_end::End, y2 += d;
        }
    } else if (x1 < x2) { // running east
        if (x2 - x < x - x1)
            moved = wall_end::End, x2 += d;
        else
            x1 -= d;
    } else if (x1 - x < x - x2) {
        x1 += d;
    } else {
        moved = wall_end::End, x2 -= d;
    }
    // Running the same way, as long as it was; an edit that would fold the wall back is refused.
    const long long length = Vertical(wall) ? (stored.y1 > stored.y2 ? y1 - y2 : y2 - y1)
                                            : (stored.x1 < stored.x2 ? x2 - x1 : x1 - x2);
    if (length < 1) return;
    wall.x1 = Clamped(x1);
    wall.y1 = Clamped(y1);
    wall.x2 = Clamped(x2);
    wall.y2 = Clamped(y2);
    wall.number = Clamped(length);
    SquareFacesAlong(wall, moved);
    stored = wall;

    WorkingWall working;
    working.wall = wall;
    const int before = moved == wall_end::Start ? tool.PreviousWall : tool.NextWall;
    if (shorten) {
        // The neighbour at the moved end loses its mitre.
        SquareNeighbour(before, moved == wall_end::Start ? wall_end::End : wall_end::Start, index);
    } else {
        // Lengthened onto another wall's corner: the two walls meet there and are mitred. The wall
        // met before the edit keeps its faces.
        FindAdjacentExternalWalls(working, index);
        const int met = moved == wall_end::Start ? working.previous : working.next;
        if (d != 0 && met != NoObjectIndex && met != before && met != index) {
            SquareNeighbour(met, moved == wall_end::Start ? wall_end::End : wall_end::Start, index);
            if (moved == wall_end::Start)
                JoinStartCorner(working.wall, met);
            else
                JoinEndCorner(working.wall, met);
            stored = working.wall;
        }
        tool.PreviousWall = working.previous;
        tool.NextWall = working.next;
    }
    // Before the save: a save that fails tells so in a box, and the view may repaint behind it,
    // reading the wall back into another object.
    ShowLineOf(tool, stored);
    DrawingList.WriteDrawing();
}

void DeleteWall(TExtwallobjtool& tool, int index) {
    SquareBothNeighbours(tool, index);
    DrawingList.RemoveAt(index);
    DrawingList.WriteDrawing();
}

// New layers (t1, t2, t3) for the wall, its corners mitred again for them; an end with no neighbour
// is squared at the new depths.
void ChangeWallType(TExtwallobjtool& tool, int index, int outer, int cavity, int inner) {
    SquareBothNeighbours(tool, index);
    TExtwallobj& stored = *ExternalWallAt(index);
    stored.ewall1 = outer;
    stored.ewall2 = cavity;
    stored.ewall3 = inner;
    TExtwallobj wall = stored;
    JoinStartCorner(wall, tool.PreviousWall == index ? NoObjectIndex : tool.PreviousWall);
    JoinEndCorner(wall, tool.NextWall == index ? NoObjectIndex : tool.NextWall);
    // Only the line and faces come back: the neighbours were refitted in the list meanwhile.
    stored = wall;
    ShowLineOf(tool, stored); // before the save, as above
    DrawingList.WriteDrawing();
}

// Cuts the wall in two at the cursor: the wall keeps its left or lower piece, a new wall with its
// layers, heights and colours takes the rest with the old corner at its far end. A cut not strictly
// between the ends, or in a wall of no length, is refused; a wall along no axis is refused for the
// view to tell.
void SplitWall(TExtwallobjtool& tool, int index, int x, int y) {
    TExtwallobj& stored = *ExternalWallAt(index);
    ShowLineOf(tool, stored);
    if (!Vertical(stored) && !Horizontal(stored)) {
        tool.Dragging = TExtwallobjtool::AngledWallRefused;
        return;
    }
    const bool vertical = Vertical(stored) && !Horizontal(stored);
    const bool horizontal = Horizontal(stored) && !Vertical(stored);
    if (!vertical && !horizontal) return;
    const int low = vertical ? std::min(stored.y1, stored.y2) : std::min(stored.x1, stored.x2);
    const int high = vertical ? std::max(stored.y1, stored.y2) : std::max(stored.x1, stored.x2);
    const int cut = vertical ? y : x;
    if (cut <= low || cut >= high) return;

    TExtwallobj kept = stored;
    TExtwallobj added = stored;
    // A new wall starting on an axis would not be made (0 stands for an unset point): no split then.
    const bool cavity = stored.ewall2 > 0;
    // The end of the wall's line and faces that moves to the cut: the upper or right one of the kept
    // wall is its end when it runs north or east, its start otherwise; the new wall the other.
    const bool forwards = vertical ? stored.y1 < stored.y2 : stored.x1 < stored.x2;
    auto cutAt = [&](TExtwallobj& wall, bool end) {
        int* line = vertical ? (end ? &wall.y2 : &wall.y1) : (end ? &wall.x2 : &wall.x1);
        *line = cut;
        int* faces[3];
        if (vertical) {
            faces[0] = end ? &wall.f1y2 : &wall.f1y1;
            faces[1] = end ? &wall.f2y2 : &wall.f2y1;
            faces[2] = end ? &wall.f3y2 : &wall.f3y1;
        } else {
            faces[0] = end ? &wall.f1x2 : &wall.f1x1;
            faces[1] = end ? &wall.f2x2 : &wall.f2x1;
            faces[2] = end ? &wall.f3x2 : &wall.f3x1;
        }
        *faces[0] = cut;
        if (cavity) *faces[1] = *faces[2] = cut;
    };
    cutAt(kept, forwards);
    cutAt(added, !forwards);
    if (added.x1 == 0 || added.y1 == 0) return;
    added.number = Clamped(RunningLength(added));
    kept.number = Clamped(static_cast<long long>(stored.number) - added.number);
    stored = kept;

    WorkingWall working;
    working.wall = added;
    working.previous = working.next = NoObjectIndex;
    tool.TakeWorking(working);
    tool.Group = NewObjectSerial();
    tool.AddWallObject();
}

} // namespace

void EditExternalWall(TExtwallobjtool& tool, int a, int b, int c) {
    const int index = tool.Aux;
    const TExtwallobj* wall = ExternalWallAt(index);
    if (!wall || wall->view != Shared.CurrentView) return;
    WorkingWall neighbours;
    FindAdjacentExternalWalls(neighbours, index);
    tool.PreviousWall = neighbours.previous;
    tool.NextWall = neighbours.next;
    KeepEditBox(tool, *wall);
    switch (tool.State) {
    case wall_edit::Lengthen:
    case wall_edit::Shorten:
        LengthenOrShorten(tool, index, a, b, c);
        break;
    case wall_edit::Delete:
        DeleteWall(tool, index);
        break;
    case wall_edit::Split:
        SplitWall(tool, index, b, c);
        break;
    case wall_edit::ChangeType:
        ChangeWallType(tool, index, a, b, c);
        break;
    default:
        break;
    }
}

bool TellAngledWallRefused(const TDrawingtool& tool) {
    if (tool.Dragging != TExtwallobjtool::AngledWallRefused) return false;
    ViewMessageBox("Angled walls cannot be altered", "NO ACTION",
                   platform::MessageBoxStyle::Ok | platform::MessageBoxStyle::IconExclamation);
    return true;
}

namespace {

// The side of the cut line that moves, and by how much.
struct Cut {
    bool alongY = false; // the line is horizontal: y values move (Up and Down)
    bool above = false;  // beyond is greater than the line (Up, Right), else smaller
    long long line = 0;
    long long shift = 0;
    bool Beyond(long long value) const { return above ? value > line : value < line; }
    // Moves one coordinate by the shift.
    void Move(int& value) const { value = Clamped(value + shift); }
};

// The nearest external walls of the current floor on the four sides of the cursor, along the axes.
struct SideWalls {
    static constexpr long long Far = 125000;
    long long left = Far, right = Far, below = Far, above = Far;
    int leftX = 0, rightX = 0, belowY = 0, aboveY = 0;
    bool Complete() const { return left < Far && right < Far && below < Far && above < Far; }
};

SideWalls FindSideWalls(long long x, long long y) {
    SideWalls sides;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& wall = *DrawingList[i];
        if (wall.type != type_code::ExternalWall || wall.view != Shared.CurrentView) continue;
        if (wall.x1 == wall.x2) {
            if (wall.x1 < x && x - wall.x1 < sides.left) sides.left = x - wall.x1, sides.leftX = wall.x1;
            if (wall.x1 > x && wall.x1 - x < sides.right) sides.right = wall.x1 - x, sides.rightX = wall.x1;
        } else if (wall.y1 == wall.y2) {
            if (wall.y1 < y && y - wall.y1 < sides.below) sides.below = y - wall.y1, sides.belowY = wall.y1;
            if (wall.y1 > y && wall.y1 - y < sides.above) sides.above = wall.y1 - y, sides.aboveY = wall.y1;
        }
    }
    return sides;
}

// The checks of a shrink: a drawing whose extents are known and span the amount, and external walls
// on every side of the cursor. They may move the cut line onto the nearest wall ahead less the
// amount. False when the shrink is refused.
bool ShrinkAllowed(int direction, long long amount, long long& x, long long& y) {
    if (!WriteExtents(DrawingList)) return false;
    CfgReport report;
    const DrawnExtents extents = ReadDrawnExtents(&report);
    if (!report.Complete()) return false;
    if (extents.minX == DrawnExtents::NothingDrawn || extents.minY == DrawnExtents::NothingDrawn ||
        extents.maxX == 0 || extents.maxY == 0)
        return false;
    const long long span = direction == Up || direction == Down
                               ? static_cast<long long>(extents.maxY) - extents.minY
                               : static_cast<long long>(extents.maxX) - extents.minX;
    if (span < amount) return false;
    const SideWalls sides = FindSideWalls(x, y);
    if (!sides.Complete()) return false;
    switch (direction) {
    case Up:
        if (sides.above < amount) y = sides.aboveY - amount;
        break;
    case Down:
        if (sides.below < amount) y = sides.belowY + amount;
        break;
    case Right:
        if (sides.right < amount) x = sides.rightX - amount;
        break;
    default:
        if (sides.left < amount) x = sides.leftX + amount;
        break;
    }
    return true;
}

// Moves what of one object lies beyond the cut; a wall crossing the line is stretched or shortened.
// Automatic dimensions, the lines and polygon of codes 27000 to 27004, information records and
// unknown codes stay; wall openings move as polygons do.
void MoveBeyond(TObject& object, const Cut& cut, long long amount) {
    const bool y = cut.alongY;
    int& first = y ? object.y1 : object.x1;
    int& second = y ? object.y2 : object.x2;
    switch (ClassOfType(object.type)) {
    case ObjectClass::ExternalWall: {
        auto* wall = dynamic_cast<TExtwallobj*>(&object);
        if (!wall) return;
        const long long low = std::min(first, second);
        const long long high = std::max(first, second);
        if (cut.line > low && cut.line < high) wall->number = Clamped(wall->number + amount);
        const bool cavity = wall->ewall2 > 0;
        if (cut.Beyond(first)) {
            cut.Move(first);
            cut.Move(y ? wall->f1y1 : wall->f1x1);
            if (cavity) cut.Move(y ? wall->f2y1 : wall->f2x1), cut.Move(y ? wall->f3y1 : wall->f3x1);
        }
        if (cut.Beyond(second)) {
            cut.Move(second);
            cut.Move(y ? wall->f1y2 : wall->f1x2);
            if (cavity) cut.Move(y ? wall->f2y2 : wall->f2x2), cut.Move(y ? wall->f3y2 : wall->f3x2);
        }
        return;
    }
    case ObjectClass::InternalWall: {
        auto* wall = dynamic_cast<TIntwallobj*>(&object);
        if (!wall) return;
        if (cut.Beyond(first)) cut.Move(first), cut.Move(y ? wall->fy1 : wall->fx1);
        if (cut.Beyond(second)) cut.Move(second), cut.Move(y ? wall->fy2 : wall->fx2);
        return;
    }
    case ObjectClass::Line:
        if (object.type > type_code::AutomaticDimension) return;
        if (cut.Beyond(first)) cut.Move(first);
        if (cut.Beyond(second)) cut.Move(second);
        return;
    case ObjectClass::Room:
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
    case ObjectClass::RoundedRectangle:
        if (cut.Beyond(first) && cut.Beyond(second)) cut.Move(first), cut.Move(second);
        return;
    case ObjectClass::Text:
        // A text's x2 is its direction and its y2 no coordinate: only its anchor moves.
        if (cut.Beyond(first)) cut.Move(first);
        return;
    case ObjectClass::Arc: {
        auto* arc = dynamic_cast<TArcobj*>(&object);
        if (!arc) return;
        int& start = y ? arc->startY : arc->startX;
        int& end = y ? arc->endY : arc->endX;
        if (cut.Beyond(start) && cut.Beyond(end))
            cut.Move(first), cut.Move(second), cut.Move(start), cut.Move(end);
        return;
    }
    case ObjectClass::Arrow: {
        auto* arrow = dynamic_cast<TArrowobj*>(&object);
        if (!arrow || object.type != type_code::ManualDimension) return;
        int* points[6] = {&first,
                          &second,
                          y ? &arrow->ay1 : &arrow->ax1,
                          y ? &arrow->ay2 : &arrow->ax2,
                          y ? &arrow->ay3 : &arrow->ax3,
                          y ? &arrow->ay4 : &arrow->ax4};
        if (std::all_of(std::begin(points), std::end(points), [&](const int* p) { return cut.Beyond(*p); }))
            for (int* p : points)
                cut.Move(*p);
        return;
    }
    case ObjectClass::Polygon:
    case ObjectClass::Opening: {
        auto* polygon = dynamic_cast<TPolyobj*>(&object);
        // An opening moves with the wall it is cut into; the polygon of code 27000 stays.
        if (!polygon || (object.type > type_code::AutomaticDimension && object.type != type_code::Opening))
            return;
        const int count = std::clamp(polygon->count, 0, TPolyobj::MaxPoints);
        int* values = y ? polygon->y : polygon->x;
        if (std::all_of(values, values + count, [&](int v) { return cut.Beyond(v); }))
            for (int i = 0; i < count; ++i)
                cut.Move(values[i]);
        return;
    }
    default:
        return;
    }
}

} // namespace

void ResizeFloorPlan(TExtwallobjtool& tool, int amount, int x, int y) {
    const int direction = tool.Aux;
    if (direction < Up || direction > Left) return;
    long long signedAmount = amount;
    long long cutX = x;
    long long cutY = y;
    if (tool.State == TExtwallobjtool::Shrink) {
        if (!ShrinkAllowed(direction, amount, cutX, cutY)) return;
        signedAmount = -signedAmount;
    }
    Cut cut;
    cut.alongY = direction == Up || direction == Down;
    cut.above = direction == Up || direction == Right;
    cut.line = cut.alongY ? cutY : cutX;
    cut.shift = cut.above ? signedAmount : -signedAmount;
    for (int i = 0; i < DrawingList.count; ++i) {
        if (DrawingList[i]->view == Shared.CurrentView) MoveBeyond(*DrawingList.Edit(i), cut, signedAmount);
    }
}

void InvalidateWallEditArea(DrawingView& view, const platform::Rect& client, int mode) {
    if (mode != 1 && mode != 2) return;
    auto* tool = dynamic_cast<TExtwallobjtool*>(&view.Tool());
    if (!tool) return;
    int left = tool->EditLeft();
    int right = tool->EditRight();
    int top = tool->EditTop();
    int bottom = tool->EditBottom();
    if (mode == 1) {
        left = std::min({left, tool->X1, tool->X2});
        right = std::max({right, tool->X1, tool->X2});
        top = std::max({top, tool->Y1, tool->Y2});
        bottom = std::min({bottom, tool->Y1, tool->Y2});
    }
    const int scale = Shared.Scale > 0 ? Shared.Scale : 1;
    const long long margin = 10LL * scale;
    auto logical = [&](int units, long long by) {
        const long long value = units / scale + by;
        return static_cast<int>(std::clamp<long long>(value, -1000000000LL, 1000000000LL));
    };
    platform::Point from = LogicalToClient(view, {logical(left, -margin), logical(top, margin)});
    platform::Point to = LogicalToClient(view, {logical(right, margin), logical(bottom, -margin)});
    from.x = std::max(from.x, 0);
    from.y = std::max(from.y, 0);
    to.x = std::min(to.x, client.right);
    to.y = std::min(to.y, client.bottom);
    InvalidateViewArea(view, platform::Rect{from.x, from.y, to.x, to.y});
}
