#include "model/rotate_mirror.h"

#include "model/drawing_file.h"
#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "model/whole_file.h"
#include "platform/desktop.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Radians per degree as the drawings in use were turned with: a little short of pi / 180, which is
// why a quarter turn takes a text anchor at 1000 to 999.
constexpr double RadiansPerDegree = 0.01745329;

// Stored values plus the sheet centre wrap as the record codec's shifts do, so that a second mirror
// undoes the first exactly, whatever the values.
int Wrapped(long long value) {
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

// Truncated towards zero and held within 32 bits.
long long TruncatedToInteger(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<long long>(value);
}

// Bearings are kept in tenths of a degree from 0 to 3599.
int WithinOneTurn(long long tenths) {
    const long long turned = tenths % 3600;
    return static_cast<int>(turned < 0 ? turned + 3600 : turned);
}

// A text's direction and escapement lose one whole turn when they pass 3599, once: the texts in use
// were stored by this rule, which leaves other values as they are.
int LosingOneTurnAbove3599(long long tenths) {
    return Wrapped(tenths > 3599 ? tenths - 3600 : tenths);
}

// Alignments 4 and 6 put a text on the two sides of its anchor; turning it over swaps them.
void SwapSides(int& alignment) {
    if (alignment == 6)
        alignment = 4;
    else if (alignment == 4)
        alignment = 6;
}

template <std::size_t Capacity>
void SwapStrings(char (&a)[Capacity], int& aLength, char (&b)[Capacity], int& bLength) {
    std::swap(a, b);
    std::swap(aLength, bLength);
}

} // namespace

int RoundTurned(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    const long long hundredths = static_cast<long long>(value * 100.0);
    const long long whole = hundredths / 100;
    const long long rest = hundredths % 100;
    const long long rounded = rest > 49 ? whole + 1 : (rest < -49 ? whole - 1 : whole);
    return static_cast<int>(rounded > INT_MAX ? INT_MAX : (rounded < INT_MIN ? INT_MIN : rounded));
}

std::optional<PlanTurn> PlanTurn::For(int operation, RecordOrigin centre) {
    if (operation == Mirror) return PlanTurn(0, centre);
    if (operation == 90 || operation == 180 || operation == 270) return PlanTurn(operation, centre);
    return std::nullopt;
}

PlanTurn::PlanTurn(int clockwise, RecordOrigin centre) : clockwise_(clockwise), centre_(centre) {
    if (clockwise_ == 0) return;
    // A clockwise turn by A is the counter-clockwise turn by 360 - A.
    const double angle = (360 - clockwise_) * RadiansPerDegree;
    cosine_ = std::cos(angle);
    sine_ = std::sin(angle);
}

PlanTurn::Point PlanTurn::Rounded(int x, int y) const {
    // The centre is added before rounding: the rounding of a value near zero depends on its sign.
    return {RoundTurned(x * cosine_ - y * sine_ + centre_.x),
            RoundTurned(x * sine_ + y * cosine_ + centre_.y)};
}

PlanTurn::Point PlanTurn::Truncated(int x, int y) const {
    return {Wrapped(TruncatedToInteger(x * cosine_ - y * sine_) + centre_.x),
            Wrapped(TruncatedToInteger(x * sine_ + y * cosine_) + centre_.y)};
}

void PlanTurn::RoundedPair(int& xa, int& ya, int& xb, int& yb) const {
    const Point a = Rounded(xa, ya);
    const Point b = Rounded(xb, yb);
    xa = a.x, ya = a.y, xb = b.x, yb = b.y;
}

// Reflects both points about the centre's vertical line and swaps them, so a line keeps running the
// way its mirror image reads.
void PlanTurn::MirroredPair(int& xa, int& ya, int& xb, int& yb) const {
    const int firstX = Wrapped(static_cast<long long>(centre_.x) - xb);
    const int firstY = Wrapped(static_cast<long long>(centre_.y) + yb);
    const int secondX = Wrapped(static_cast<long long>(centre_.x) - xa);
    const int secondY = Wrapped(static_cast<long long>(centre_.y) + ya);
    xa = firstX, ya = firstY, xb = secondX, yb = secondY;
}

int PlanTurn::Bearing(int tenths) const {
    if (IsMirror()) return WithinOneTurn(1800LL - tenths);
    return WithinOneTurn(static_cast<long long>(tenths) + 10LL * clockwise_);
}

void PlanTurn::Text(TTextobj& text) const {
    if (IsMirror()) {
        text.x1 = Wrapped(static_cast<long long>(centre_.x) - text.x1);
        text.y1 = Wrapped(static_cast<long long>(centre_.y) + text.y1);
        if (text.x2 == 0 || text.x2 == 1800) {
            text.x2 = LosingOneTurnAbove3599(text.x2 + 1800LL);
            SwapSides(text.alignment);
        }
        if (text.escapement > 0 && text.escapement < 900)
            text.escapement += 2700;
        else if (text.escapement > 2700)
            text.escapement -= 2700;
        return;
    }
    const int counterClockwise = 360 - clockwise_;
    if (text.type == 36) {
        // A room name keeps its reading direction and moves by its offset (y2) to stay inside the room.
        const Point anchor = Truncated(text.x1, text.y1);
        text.x1 = anchor.x, text.y1 = anchor.y;
        const long long offset = text.y2;
        if (offset <= 0) return;
        const long long dx = counterClockwise == 90 ? -offset : (counterClockwise == 270 ? offset : 0);
        const long long dy = counterClockwise == 180 ? -2 * offset : -offset;
        text.x1 = Wrapped(text.x1 + dx);
        text.y1 = Wrapped(text.y1 + dy);
        return;
    }
    const long long escapement = text.escapement;
    const bool low = escapement < 901;
    const bool high = escapement > 2699;
    long long direction = text.x2;
    long long turnedEscapement = escapement;
    if (counterClockwise == 180) {
        SwapSides(text.alignment);
        direction += 1800;
    } else {
        // Escapements from 901 to 2699 stay.
        if ((counterClockwise == 270 && low) || (counterClockwise == 90 && high)) SwapSides(text.alignment);
        direction += counterClockwise == 270 ? 900 : 2700;
        turnedEscapement += low ? 2700 : (high ? 900 : 0);
    }
    text.escapement = LosingOneTurnAbove3599(turnedEscapement);
    text.x2 = LosingOneTurnAbove3599(direction);
    const Point anchor = Truncated(text.x1, text.y1);
    text.x1 = anchor.x, text.y1 = anchor.y;
}

void PlanTurn::Room(TRoomobj& room) const {
    if (IsMirror())
        MirroredPair(room.x1, room.y1, room.x2, room.y2);
    else
        RoundedPair(room.x1, room.y1, room.x2, room.y2);
    // A room's first point is its upper-left corner; the room finders rely on it.
    const int left = std::min(room.x1, room.x2);
    const int right = std::max(room.x1, room.x2);
    const int top = std::max(room.y1, room.y2);
    const int bottom = std::min(room.y1, room.y2);
    room.x1 = left, room.y1 = top, room.x2 = right, room.y2 = bottom;
    if (clockwise_ == 90 || clockwise_ == 270) {
        std::swap(room.width, room.length);
        SwapStrings(room.label1, room.label1Length, room.label2, room.label2Length);
    }
}

bool PlanTurn::Apply(TObject& object, ObjectClass objectClass) const {
    const auto pair = [this](int& xa, int& ya, int& xb, int& yb) {
        if (IsMirror())
            MirroredPair(xa, ya, xb, yb);
        else
            RoundedPair(xa, ya, xb, yb);
    };
    switch (objectClass) {
    case ObjectClass::None:
        return false;
    case ObjectClass::Line: {
        auto& line = static_cast<TLineobj&>(object);
        pair(line.x1, line.y1, line.x2, line.y2);
        if (line.type == 11) line.lineA = Bearing(line.lineA); // a corner mark keeps its bearing there
        return true;
    }
    case ObjectClass::ExternalWall: {
        auto& wall = static_cast<TExtwallobj&>(object);
        pair(wall.x1, wall.y1, wall.x2, wall.y2);
        pair(wall.f1x1, wall.f1y1, wall.f1x2, wall.f1y2);
        pair(wall.f2x1, wall.f2y1, wall.f2x2, wall.f2y2);
        pair(wall.f3x1, wall.f3y1, wall.f3x2, wall.f3y2);
        wall.ewall6 = Bearing(wall.ewall6);
        return true;
    }
    case ObjectClass::InternalWall: {
        auto& wall = static_cast<TIntwallobj&>(object);
        pair(wall.x1, wall.y1, wall.x2, wall.y2);
        pair(wall.fx1, wall.fy1, wall.fx2, wall.fy2);
        wall.iwall6 = Bearing(wall.iwall6);
        return true;
    }
    case ObjectClass::Arrow: {
        auto& arrow = static_cast<TArrowobj&>(object);
        if (IsMirror()) {
            MirroredPair(arrow.x1, arrow.y1, arrow.x2, arrow.y2);
            MirroredPair(arrow.ax1, arrow.ay1, arrow.ax2, arrow.ay2);
            MirroredPair(arrow.ax3, arrow.ay3, arrow.ax4, arrow.ay4);
            return true;
        }
        for (auto [x, y] : {std::pair{&arrow.x1, &arrow.y1},
                            {&arrow.x2, &arrow.y2},
                            {&arrow.ax1, &arrow.ay1},
                            {&arrow.ax2, &arrow.ay2},
                            {&arrow.ax3, &arrow.ay3},
                            {&arrow.ax4, &arrow.ay4}}) {
            const Point turned = Truncated(*x, *y);
            *x = turned.x, *y = turned.y;
        }
        return true;
    }
    case ObjectClass::Opening:
    case ObjectClass::Polygon: {
        auto& polygon = static_cast<TPolyobj&>(object);
        for (int i = 0; i < polygon.count && i < TPolyobj::MaxPoints; ++i) {
            if (IsMirror()) {
                polygon.x[i] = Wrapped(static_cast<long long>(centre_.x) - polygon.x[i]);
                polygon.y[i] = Wrapped(static_cast<long long>(centre_.y) + polygon.y[i]);
            } else {
                const Point turned = Rounded(polygon.x[i], polygon.y[i]);
                polygon.x[i] = turned.x, polygon.y[i] = turned.y;
            }
        }
        return true;
    }
    case ObjectClass::Room:
        Room(static_cast<TRoomobj&>(object));
        return true;
    case ObjectClass::Text:
        if (!IsMirror() && object.type == 37) return false;
        Text(static_cast<TTextobj&>(object));
        return true;
    case ObjectClass::Arc: {
        auto& arc = static_cast<TArcobj&>(object);
        pair(arc.x1, arc.y1, arc.x2, arc.y2);
        pair(arc.startX, arc.startY, arc.endX, arc.endY);
        return true;
    }
    case ObjectClass::Info:
    case ObjectClass::Ellipse:
    case ObjectClass::Circle:
    case ObjectClass::Rectangle:
    case ObjectClass::RoundedRectangle:
        pair(object.x1, object.y1, object.x2, object.y2);
        return true;
    }
    return false;
}

DrawingTurn TList::RotateDrawing(int operation, const std::string& newName) {
    DrawingTurn result;
    const std::optional<PlanTurn> turn = PlanTurn::For(operation, SheetCentreInForce());
    if (!turn || newName.empty() || newName.find('/') != std::string::npos) return result;
    WriteHeldDrawing();
    std::string text;
    if (!ReadWholeFile(DrawingFilePath(), text)) return result;

    RecordReader reader(text);
    RecordHeader header{};
    std::vector<std::unique_ptr<TObject>> turned;
    std::array<bool, 3> titled{}; // floors 50, 51, 52
    const bool whole =
        reader.ReadHeader(header) &&
        reader.ReadEntries(header[0], RecordOrigin{},
                           [&](std::unique_ptr<TObject> object, ObjectClass objectClass) {
                               if (object->type == 37 && object->view >= 50 && object->view <= 52)
                                   titled[object->view - 50] = true;
                               if (turn->Apply(*object, objectClass)) turned.push_back(std::move(object));
                           });
    if (!whole) {
        // Writing what could be read would throw away the rest of the drawing for good.
        platform::TheDesktop().MessageBox("The drawing file " + DrawingFilePath() +
                                              " is damaged - it was not rotated or mirrored",
                                          "ROTATE/MIRROR", platform::MessageBoxStyle::Ok);
        return result;
    }

    Flush();
    for (std::unique_ptr<TObject>& object : turned)
        Add(std::move(object));
    TakeAsDrawing();
    Shared.Units = header[4];
    Shared.ObjectSerial = header[5];
    const std::string oldName = DrawingName;
    DrawingName = newName;
    if (!WriteDrawingNow()) {
        // The turned drawing is not stored anywhere; the open drawing stays the one on disk.
        DrawingName = oldName;
        return result;
    }
    result.written = true;
    if (!turn->IsMirror())
        for (int floor = 0; floor < 3; ++floor)
            if (titled[static_cast<std::size_t>(floor)]) result.floorsToTitle.push_back(50 + floor);
    return result;
}
