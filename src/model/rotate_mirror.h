#pragma once
// Turning a whole drawing in the store: a rotation by 90, 180 or 270 degrees clockwise about the
// sheet centre, or a mirror left to right. TList::RotateDrawing reads the drawing file's records with
// the origin {0, 0}, so each object holds its stored values, relative to the sheet centre; a PlanTurn
// then turns them and adds the centre back, in place of the plain shift of an ordinary read.
//
// The rounding is uneven on purpose, and stored drawings carry its results: lines, walls, rooms,
// shapes, arcs, polygons and information records are rounded (four quarter turns give them back
// exactly), dimension arrows and text anchors are truncated and may creep one unit towards the centre
// per quarter turn.

#include "model/drawing_objects.h"
#include "model/object_class.h"
#include "model/record_codec.h"

#include <optional>

class PlanTurn {
  public:
    static constexpr int Mirror = 1;

    // The turn for `operation` (Mirror, or 90, 180 or 270 degrees clockwise) about `centre`, the
    // sheet centre in absolute drawing units; none for any other operation.
    static std::optional<PlanTurn> For(int operation, RecordOrigin centre);

    bool IsMirror() const { return clockwise_ == 0; }

    // Turns an object read with the origin {0, 0} into its absolute, turned place. False for an object
    // the turn drops: a rotation drops floor titles (type 37), to be made again under the turned plan.
    bool Apply(TObject& object, ObjectClass objectClass) const;

  private:
    PlanTurn(int clockwise, RecordOrigin centre);

    struct Point {
        int x;
        int y;
    };
    Point Rounded(int x, int y) const;
    Point Truncated(int x, int y) const;
    void RoundedPair(int& xa, int& ya, int& xb, int& yb) const;
    void MirroredPair(int& xa, int& ya, int& xb, int& yb) const;
    int Bearing(int tenths) const;
    void Text(TTextobj& text) const;
    void Room(TRoomobj& room) const;

    int clockwise_; // degrees: 90, 180 or 270; 0 for a mirror
    RecordOrigin centre_;
    double cosine_ = 1.0; // of the counter-clockwise turn by 360 - clockwise degrees
    double sine_ = 0.0;
};

// A turned coordinate rounded to whole units, judged on its first two decimals: x.50 and above goes
// away from zero, x.49 and below towards it (1234.5 gives 1235, -1234.5 gives -1235, 1234.49 gives
// 1234). Values beyond the 32-bit range are held at its ends.
int RoundTurned(double value);
