#include "walls/wall_geometry.h"

#include "model/object_codes.h"
#include "model/object_numbers.h"
#include "model/shared_state.h"
#include "settings/cfg_files.h"
#include "tools/object_creation.h"
#include "tools/tool_support.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

using tool_support::Clamped;

namespace {

// A double cut towards zero and held inside the int range; not-a-number gives 0.
int Truncated(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

struct Offset {
    long long x = 0;
    long long y = 0;
};

// The unit step into the layers of a wall running along an axis: the right-hand side of its travel.
Offset Inward(int bearing) {
    switch (bearing) {
    case 0:
        return {1, 0};
    case 900:
        return {0, -1};
    case 1800:
        return {-1, 0};
    case 2700:
        return {0, 1};
    default:
        return {0, 0};
    }
}

// A face point: layer 1 to 3 at the start (P0, P2, P4) or at the end (P1, P3, P5).
struct FacePoint {
    int& x;
    int& y;
};

FacePoint Face(TExtwallobj& wall, int layer, int end) {
    const bool atEnd = end == wall_end::End;
    switch (layer) {
    case 1:
        return atEnd ? FacePoint{wall.f1x2, wall.f1y2} : FacePoint{wall.f1x1, wall.f1y1};
    case 2:
        return atEnd ? FacePoint{wall.f2x2, wall.f2y2} : FacePoint{wall.f2x1, wall.f2y1};
    default:
        return atEnd ? FacePoint{wall.f3x2, wall.f3y2} : FacePoint{wall.f3x1, wall.f3y1};
    }
}

// The layers whose faces a wall keeps: the first always, the second and third with a cavity.
int LayersOf(const TExtwallobj& wall) {
    return wall.ewall2 > 0 ? 3 : 1;
}

// The depth of face 1 to 3 below the wall line.
long long Depth(const TExtwallobj& wall, int layer) {
    long long depth = wall.ewall1;
    if (layer >= 2) depth += wall.ewall2;
    if (layer >= 3) depth += wall.ewall3;
    return depth;
}

long long Thickness(const TExtwallobj& wall, int layer) {
    return layer == 1 ? wall.ewall1 : layer == 2 ? wall.ewall2 : wall.ewall3;
}

struct Corner {
    long long x;
    long long y;
};

Corner EndPoint(const TExtwallobj& wall, int end) {
    return end == wall_end::End ? Corner{wall.x2, wall.y2} : Corner{wall.x1, wall.y1};
}

void Set(FacePoint point, long long x, long long y) {
    point.x = Clamped(x);
    point.y = Clamped(y);
}

// The ends a face rule covers.
template <typename Each> void ForEnds(int end, Each each) {
    if (end != wall_end::End) each(wall_end::Start);
    if (end != wall_end::Start) each(wall_end::End);
}

// A neighbour's bearing as the angled corner takes it: an axis-parallel one is read again from the
// wall's own line (a wall turned round keeps its stored bearing).
int LineBearing(const TExtwallobj& wall) {
    if (!IsAxisParallel(wall.ewall6)) return wall.ewall6;
    if (wall.y1 == wall.y2) return wall.x2 <= wall.x1 ? 2700 : 900;
    if (wall.x1 == wall.x2) return wall.y2 <= wall.y1 ? 1800 : 0;
    return 0;
}

// A wall along an axis keeps its faces along it: the end points take the start points' y (horizontal)
// or x (vertical).
void Straighten(TExtwallobj& wall) {
    const int layers = LayersOf(wall);
    if (wall.y1 == wall.y2 && wall.x1 != wall.x2) {
        for (int layer = 1; layer <= layers; ++layer)
            Face(wall, layer, wall_end::End).y = Face(wall, layer, wall_end::Start).y;
    } else if (wall.x1 == wall.x2) {
        for (int layer = 1; layer <= layers; ++layer)
            Face(wall, layer, wall_end::End).x = Face(wall, layer, wall_end::Start).x;
    }
}

void Reverse(TExtwallobj& wall) {
    std::swap(wall.x1, wall.x2);
    std::swap(wall.y1, wall.y2);
    wall.ewall6 = wall.ewall6 < 1800 ? wall.ewall6 + 1800 : wall.ewall6 - 1800;
}

void MoveLine(TExtwallobj& wall, long long dx, long long dy) {
    wall.x1 = Clamped(wall.x1 + dx);
    wall.x2 = Clamped(wall.x2 + dx);
    wall.y1 = Clamped(wall.y1 + dy);
    wall.y2 = Clamped(wall.y2 + dy);
}

bool Near(long long ax, long long ay, long long bx, long long by, long long tolerance) {
    return std::llabs(ax - bx) < tolerance && std::llabs(ay - by) < tolerance;
}

// The snap of a new wall onto the walls of its floor: the first of its ends found near an end of a
// wall moves the whole line there. Of the walls met, the second becomes the next wall, every other
// one the previous.
void SnapToFloor(WorkingWall& working) {
    TExtwallobj& wall = working.wall;
    const long long tolerance = 3LL * Shared.Scale;
    int matches = 0;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& other = *DrawingList[i];
        if (other.type != type_code::ExternalWall || other.view != Shared.CurrentView) continue;
        long long dx = 0;
        long long dy = 0;
        if (Near(wall.x1, wall.y1, other.x1, other.y1, tolerance)) {
            dx = static_cast<long long>(other.x1) - wall.x1;
            dy = static_cast<long long>(other.y1) - wall.y1;
        } else if (Near(wall.x1, wall.y1, other.x2, other.y2, tolerance)) {
            dx = static_cast<long long>(other.x2) - wall.x1;
            dy = static_cast<long long>(other.y2) - wall.y1;
        } else if (Near(wall.x2, wall.y2, other.x1, other.y1, tolerance)) {
            dx = static_cast<long long>(other.x1) - wall.x2;
            dy = static_cast<long long>(other.y1) - wall.y2;
        } else if (Near(wall.x2, wall.y2, other.x2, other.y2, tolerance)) {
            dx = static_cast<long long>(other.x2) - wall.x2;
            dy = static_cast<long long>(other.y2) - wall.y2;
        } else {
            continue;
        }
        MoveLine(wall, dx, dy);
        ++matches;
        if (matches == 2)
            working.next = i;
        else
            working.previous = i;
    }
}

// The wall keeps running the way of a neighbour it meets; a wall meeting none is turned so that its
// layers lie on the side chosen for the drawn line.
void Orient(WorkingWall& working, int side) {
    TExtwallobj& wall = working.wall;
    const TExtwallobj* previous = ExternalWallAt(working.previous);
    const TExtwallobj* next = ExternalWallAt(working.next);
    auto startsAtOurStart = [&](const TExtwallobj* other) {
        return other && other->x1 == wall.x1 && other->y1 == wall.y1;
    };
    if (previous && !next) {
        if (startsAtOurStart(previous)) {
            Reverse(wall);
            std::swap(working.previous, working.next);
        }
    } else if (previous && next) {
        if (next->x2 == wall.x1 && next->y2 == wall.y1) {
            std::swap(working.previous, working.next);
        } else if (startsAtOurStart(next)) {
            Reverse(wall);
            std::swap(working.previous, working.next);
        }
    } else if (!previous && !next) {
        auto turn = [&](bool reversed, int bearing) {
            if (!reversed) return;
            wall.ewall6 = bearing;
            std::swap(wall.x1, wall.x2);
            std::swap(wall.y1, wall.y2);
        };
        switch (side) {
        case 1: // below
            turn(wall.x1 > wall.x2, 900);
            break;
        case 2: // left
            turn(wall.y2 > wall.y1, 1800);
            break;
        case 3: // above
            turn(wall.x2 > wall.x1, 2700);
            break;
        case 4: // right
            turn(wall.y1 > wall.y2, 0);
            break;
        default:
            break;
        }
    }
}

} // namespace

TExtwallobj* ExternalWallAt(int index) {
    if (index < 0 || index >= DrawingList.count) return nullptr;
    TObject* object = DrawingList.Edit(index);
    if (object->type != type_code::ExternalWall) return nullptr;
    return dynamic_cast<TExtwallobj*>(object);
}

void SquareWallEnd(TExtwallobj& wall, int end) {
    if (IsAxisParallel(wall.ewall6))
        JoinExtwallFacesStraight(wall, end);
    else
        JoinExtwallFacesAngled(wall, end);
}

void JoinStartCorner(TExtwallobj& wall, int previous) {
    const TExtwallobj* neighbour = ExternalWallAt(previous);
    if (!neighbour) {
        SquareWallEnd(wall, wall_end::Start);
    } else if (IsAxisParallel(wall.ewall6) && IsAxisParallel(neighbour->ewall6)) {
        JoinExtwallCornerStraight(wall, previous, wall_end::Start);
    } else {
        JoinExtwallCornerAngled(wall, previous, angled_corner::OwnStart);
        JoinExtwallCornerAngled(wall, previous, angled_corner::PreviousWallEnd);
    }
}

void JoinEndCorner(TExtwallobj& wall, int next) {
    const TExtwallobj* neighbour = ExternalWallAt(next);
    if (!neighbour) {
        SquareWallEnd(wall, wall_end::End);
    } else if (IsAxisParallel(wall.ewall6) && IsAxisParallel(neighbour->ewall6)) {
        JoinExtwallCornerStraight(wall, next, wall_end::End);
    } else {
        JoinExtwallCornerAngled(wall, next, angled_corner::OwnEnd);
        JoinExtwallCornerAngled(wall, next, angled_corner::NextWallStart);
    }
}

bool IsAxisParallel(int bearing) {
    return bearing == 0 || bearing == 900 || bearing == 1800 || bearing == 2700;
}

int WallSettingsUnits() {
    return Shared.Units == 1 ? 1 : 0;
}

void PlaceExternalWall(WorkingWall& working, int side, int snap) {
    TExtwallobj& wall = working.wall;
    const WallColourSettings colours = ReadWallColours();
    wall.ewall8 = static_cast<int>(colours.first);
    wall.ewall9 = static_cast<int>(colours.second);
    wall.aux = NewObjectSerial();
    working.previous = working.next = NoObjectIndex;
    if (snap > 0) SnapToFloor(working);
    Orient(working, side);

    const ExternalWallSettings type = ReadExternalWallSettings(WallSettingsUnits());
    wall.ewall1 = type.outer;
    wall.ewall2 = type.cavity;
    wall.ewall3 = type.inner;
    wall.ewall4 = type.outerHatch;
    wall.ewall5 = type.innerHatch;
    wall.colour = static_cast<int>(type.colour);
    const long long base = type.baseLevel;
    const long long ground = type.groundHeight;
    const long long first = type.firstHeight;
    switch (Shared.CurrentView) {
    case view_code::GroundFloor:
        wall.z1 = Clamped(base);
        wall.z2 = Clamped(base + ground);
        break;
    case view_code::FirstFloor:
        wall.z1 = Clamped(base + ground);
        wall.z2 = Clamped(base + ground + first);
        break;
    case view_code::SecondFloor:
        wall.z1 = Clamped(base + ground + first);
        wall.z2 = Clamped(base + ground + first + type.secondHeight);
        break;
    default:
        break;
    }
    // Every face is built afresh below, so none keeps a value of the wall the tool made before.
    for (int layer = 1; layer <= 3; ++layer)
        for (int end : {wall_end::Start, wall_end::End})
            Set(Face(wall, layer, end), 0, 0);
    wall.ewall10 = wall.ewall11 = wall.ewall12 = wall.ewall13 = 0;
    wall.view = Shared.CurrentView;
    JoinExternalWallEnds(wall, working.previous, working.next);
}

void JoinExternalWallEnds(TExtwallobj& wall, int previous, int next) {
    const TExtwallobj* before = ExternalWallAt(previous);
    const TExtwallobj* after = ExternalWallAt(next);
    // Only the x of a meeting is compared, as walls have always been joined.
    const bool startJoined = before && before->x2 == wall.x1;
    const bool endJoined = after && after->x1 == wall.x2;
    if (!startJoined) SquareWallEnd(wall, wall_end::Start);
    if (!endJoined) SquareWallEnd(wall, wall_end::End);
    if (startJoined) JoinStartCorner(wall, previous);
    if (endJoined) JoinEndCorner(wall, next);
}

void JoinExtwallFacesStraight(TExtwallobj& wall, int end) {
    const Offset inward = Inward(wall.ewall6);
    const int layers = LayersOf(wall);
    ForEnds(end, [&](int at) {
        const Corner corner = EndPoint(wall, at);
        for (int layer = 1; layer <= layers; ++layer) {
            const long long depth = Depth(wall, layer);
            Set(Face(wall, layer, at), corner.x + depth * inward.x, corner.y + depth * inward.y);
        }
    });
}

void JoinExtwallFacesAngled(TExtwallobj& wall, int end) {
    const int bearing = wall.ewall6;
    // The angle to the nearest north-south line, and the quarter the layers lie towards.
    int angle = bearing;
    if (bearing > 900 && bearing < 1800)
        angle = 1800 - bearing;
    else if (bearing > 1800 && bearing < 2700)
        angle = bearing - 1800;
    else if (bearing > 2700)
        angle = 3600 - bearing;
    const int signX = bearing < 1800 ? (bearing < 900 ? 1 : -1) : (bearing < 2700 ? -1 : 1);
    const int signY = bearing < 1800 ? -1 : 1;
    const double cosine = std::cos(angle * RadiansPerTenth);
    const double sine = std::sin(angle * RadiansPerTenth);
    const int layers = LayersOf(wall);
    ForEnds(end, [&](int at) {
        const Corner corner = EndPoint(wall, at);
        for (int layer = 1; layer <= layers; ++layer) {
            const double depth = static_cast<double>(Depth(wall, layer));
            const long long across = Truncated(depth * cosine);
            const long long along = Truncated(depth * sine);
            Set(Face(wall, layer, at), corner.x + signX * across, corner.y + signY * along);
        }
    });
}

void JoinExtwallCornerStraight(TExtwallobj& wall, int neighbour, int end) {
    TExtwallobj* other = ExternalWallAt(neighbour);
    if (!other) {
        SquareWallEnd(wall, end);
        return;
    }
    const int a = wall.ewall6;
    const int b = other->ewall6;
    const int turn = std::abs(a - b);
    if (turn == 0) {
        // The walls continue in line.
        JoinExtwallFacesStraight(wall, end);
        return;
    }
    if (turn != 900 && turn != 2700) {
        // The neighbour runs back along the wall: no corner to build.
        SquareWallEnd(wall, end);
        return;
    }
    const Corner corner = EndPoint(wall, end);
    const Offset ours = Inward(a);
    const Offset theirs = Inward(b);
    for (int layer = 1; layer <= LayersOf(wall); ++layer) {
        const long long depth = Depth(wall, layer);
        const long long otherDepth = Depth(*other, layer);
        Set(Face(wall, layer, end), corner.x + depth * ours.x + otherDepth * theirs.x,
            corner.y + depth * ours.y + otherDepth * theirs.y);
    }
    // The neighbour's points at the corner move across our layers from where they are; the previous
    // wall meets us with its end, the next with its start.
    const int theirEnd = end == wall_end::Start ? wall_end::End : wall_end::Start;
    for (int layer = 1; layer <= LayersOf(*other); ++layer) {
        const long long depth = Depth(wall, layer);
        FacePoint point = Face(*other, layer, theirEnd);
        Set(point, point.x + depth * ours.x, point.y + depth * ours.y);
    }
}

void JoinExtwallCornerAngled(TExtwallobj& wall, int neighbour, int code) {
    TExtwallobj* other = ExternalWallAt(neighbour);
    const bool ownFaces = code == angled_corner::OwnStart || code == angled_corner::OwnEnd;
    if (!other) {
        if (ownFaces) SquareWallEnd(wall, code == angled_corner::OwnStart ? wall_end::Start : wall_end::End);
        return;
    }
    // The bearings of the wall arriving at the corner and of the one leaving it.
    const bool atOurStart = code == angled_corner::OwnStart || code == angled_corner::PreviousWallEnd;
    const int arriving = atOurStart ? LineBearing(*other) : wall.ewall6;
    const int leaving = atOurStart ? wall.ewall6 : LineBearing(*other);
    TExtwallobj& built = ownFaces ? wall : *other;
    int builtEnd = wall_end::Start;
    switch (code) {
    case angled_corner::OwnEnd:
    case angled_corner::PreviousWallEnd:
        builtEnd = wall_end::End;
        break;
    default:
        break;
    }

    const int reverse = arriving < 1800 ? arriving + 1800 : arriving - 1800;
    int turn = reverse - leaving;
    if (turn < 0) turn += 3600;
    const int half = turn / 2;
    const double cosine = std::cos(std::abs(900 - half) * RadiansPerTenth);
    if (!(cosine >= SmallestMitreCosine)) {
        if (ownFaces) SquareWallEnd(wall, builtEnd);
        return;
    }
    int bisector = leaving + half;
    if (bisector > 3600) bisector -= 3600;
    const int gamma = leaving > 1800 ? std::abs(3600 - (leaving + half)) : std::abs(1800 - (half + leaving));
    const double sine = std::sin(gamma * RadiansPerTenth);
    const double cosGamma = std::cos(gamma * RadiansPerTenth);
    const int signX = bisector < 1800 ? 1 : -1;
    const int signY = bisector < 900 || bisector >= 2700 ? 1 : -1;

    // Each layer's step is rounded, not cut: a cut step such as 109.986 left the faces a unit or more
    // short of their depths, and the straightening carries that along the whole of a straight wall.
    Corner point = EndPoint(built, builtEnd);
    for (int layer = 1; layer <= LayersOf(built); ++layer) {
        const double length = static_cast<double>(Thickness(built, layer)) / cosine;
        point.x += signX * static_cast<long long>(RoundToLong(std::fabs(length * sine)));
        point.y += signY * static_cast<long long>(RoundToLong(std::fabs(length * cosGamma)));
        Set(Face(built, layer, builtEnd), point.x, point.y);
    }
    Straighten(wall);
    Straighten(*other);
}

void FindAdjacentExternalWalls(WorkingWall& working, int index) {
    working.previous = working.next = NoObjectIndex;
    const TExtwallobj* wall = ExternalWallAt(index);
    if (!wall) return;
    const int startX = wall->x1;
    const int startY = wall->y1;
    const int endX = wall->x2;
    const int endY = wall->y2;
    for (int i = 0; i < DrawingList.count; ++i) {
        const TObject& other = *DrawingList[i];
        if (other.type != type_code::ExternalWall || other.view != Shared.CurrentView) continue;
        if (other.x2 == startX && other.y2 == startY)
            working.previous = i;
        else if (other.x1 == endX && other.y1 == endY)
            working.next = i;
    }
}
