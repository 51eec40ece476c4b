// The second faces of internal walls and their joins, called as the placement calls them: free walls,
// the corners of straight walls, and the mitred corners where either wall is angled.
#include "intwall_test_support.h"
#include "partitions/intwall_faces.h"

#include <string>

using intwall_test::InternalWallTest;
using intwall_test::SideDistance;

namespace {

constexpr int NoWall = TIntwallobjtool::NoWall;

class Faces : public InternalWallTest {
  protected:
    // The new wall's first face, angle, side in use and thickness, as the key and the placement leave
    // them before the faces are computed.
    static void Stage(TIntwallobjtool& tool, long long x1, long long y1, long long x2, long long y2,
                      int angle, int side, int thickness) {
        tool.X1 = static_cast<int>(x1), tool.Y1 = static_cast<int>(y1);
        tool.X2 = static_cast<int>(x2), tool.Y2 = static_cast<int>(y2);
        tool.WallAngle() = angle;
        tool.SideInUse() = side;
        tool.WallThickness = thickness;
        tool.SecondFaceStartSet = tool.SecondFaceEndSet = false;
    }
    // A free wall of the list, its second face computed as a free wall on `side`; its index.
    static int AddFreeWall(long long x1, long long y1, long long x2, long long y2, int angle, int side,
                           int thickness) {
        TIntwallobjtool staged;
        Stage(staged, x1, y1, x2, y2, angle, side, thickness);
        JoinInternalWallEnds(staged, NoWall, NoWall);
        EXPECT_TRUE(staged.SecondFaceStartSet && staged.SecondFaceEndSet) << angle << " side " << side;
        auto wall = std::make_unique<TIntwallobj>();
        wall->view = 50;
        wall->x1 = staged.X1, wall->y1 = staged.Y1, wall->x2 = staged.X2, wall->y2 = staged.Y2;
        wall->fx1 = staged.BX1, wall->fy1 = staged.BY1, wall->fx2 = staged.BX2, wall->fy2 = staged.BY2;
        wall->iwall1 = thickness;
        wall->iwall6 = angle;
        DrawingList.Add(std::move(wall));
        return DrawingList.count - 1;
    }
    static std::vector<int> SecondFace(const TIntwallobjtool& tool) {
        return {tool.BX1, tool.BY1, tool.BX2, tool.BY2};
    }
    static long long Along(long long from, int angle, double length, bool x) {
        const double rad = angle * 3.14159265358979 / 1800.0;
        return from + std::llround(length * (x ? std::sin(rad) : std::cos(rad)));
    }
};

TEST_F(Faces, FreeWallsTakeTheSideChosen) {
    TIntwallobjtool tool;
    Stage(tool, 1000, 1000, 3000, 1000, 900, 1, 100);
    JoinInternalWallEnds(tool, NoWall, NoWall);
    EXPECT_EQ(SecondFace(tool), (std::vector<int>{1000, 1100, 3000, 1100}));
    // A straight wall along its chosen side has no second face.
    Stage(tool, 1000, 1000, 3000, 1000, 900, 2, 100);
    JoinInternalWallEnds(tool, NoWall, NoWall);
    EXPECT_FALSE(tool.SecondFaceStartSet || tool.SecondFaceEndSet);
    Stage(tool, 1000, 1000, 1000, 3000, 0, 4, 100);
    JoinInternalWallEnds(tool, NoWall, NoWall);
    EXPECT_EQ(SecondFace(tool), (std::vector<int>{900, 1000, 900, 3000}));
    // At 45 degrees the offsets are 70.7 truncated, in tenths first: 70.
    Stage(tool, 1000, 1000, 3000, 3000, 450, 1, 100);
    JoinInternalWallEnds(tool, NoWall, NoWall);
    EXPECT_EQ(SecondFace(tool), (std::vector<int>{930, 1070, 2930, 3070}));
    // Each side of each quarter lies off the first face by the thickness, on the side named.
    for (int angle : {300, 1200, 2100, 3000}) {
        for (int side = 1; side <= 4; ++side) {
            const long long x2 = Along(5000, angle, 2000, true), y2 = Along(5000, angle, 2000, false);
            Stage(tool, 5000, 5000, x2, y2, angle, side, 100);
            JoinInternalWallEnds(tool, NoWall, NoWall);
            const double d = SideDistance(tool.BX1, tool.BY1, 5000, 5000, static_cast<double>(x2),
                                          static_cast<double>(y2));
            EXPECT_NEAR(std::fabs(d), 100, 1.5) << angle << " side " << side;
            const int towards[] = {0, tool.BY1 - 5000, tool.BX1 - 5000, 5000 - tool.BY1, 5000 - tool.BX1};
            EXPECT_GT(towards[side], 0) << angle << " side " << side;
        }
    }
}

// The eight corners of two straight walls and the four walls that go straight on, at the new wall's
// start (the neighbour ends there) and at its end (the neighbour starts there), with the neighbour's
// second face on either side: T 100, Tn 150.
TEST_F(Faces, StraightCornersMeetOnBothSecondFaces) {
    const int angles[] = {0, 900, 1800, 2700};
    int corners = 0;
    int straightOn = 0;
    for (int theirs : angles) {
        for (int ours : angles) {
            if ((theirs + 1800) % 3600 == ours) continue; // back along the neighbour
            const bool vertical = theirs == 0 || theirs == 1800;
            for (int side : vertical ? std::vector<int>{2, 4} : std::vector<int>{1, 3}) {
                for (int end : {1, 2}) {
                    DrawingList.Flush();
                    const long long cx = 10000, cy = 10000;
                    // The arriving wall ends at the corner, the leaving one starts there.
                    const int arriving = end == 1 ? theirs : ours;
                    const int leaving = end == 1 ? ours : theirs;
                    const long long ax = Along(cx, arriving, -3000, true),
                                    ay = Along(cy, arriving, -3000, false);
                    const long long lx = Along(cx, leaving, 3000, true), ly = Along(cy, leaving, 3000, false);
                    TIntwallobjtool tool;
                    tool.SecondLineSide() = 2;
                    int n = 0;
                    if (end == 1) {
                        n = AddFreeWall(ax, ay, cx, cy, theirs, side, 150);
                        Stage(tool, cx, cy, lx, ly, ours, 2, 100);
                        JoinInternalWallEnds(tool, n, NoWall);
                    } else {
                        n = AddFreeWall(cx, cy, lx, ly, theirs, side, 150);
                        Stage(tool, ax, ay, cx, cy, ours, 2, 100);
                        JoinInternalWallEnds(tool, NoWall, n);
                    }
                    const TIntwallobj before = Wall(n);
                    const std::string what = std::to_string(theirs) + "/" + std::to_string(ours) + " side " +
                                             std::to_string(side) + " end " + std::to_string(end);
                    ASSERT_TRUE(tool.SecondFaceStartSet && tool.SecondFaceEndSet) << what;
                    const int cornerX = end == 1 ? tool.BX1 : tool.BX2;
                    const int cornerY = end == 1 ? tool.BY1 : tool.BY2;
                    const TIntwallobj& after = Wall(n);
                    // On the new second face: the first face moved by T to the side of the other end.
                    const double ownSide =
                        SideDistance(end == 1 ? tool.BX2 : tool.BX1, end == 1 ? tool.BY2 : tool.BY1, tool.X1,
                                     tool.Y1, tool.X2, tool.Y2);
                    EXPECT_NEAR(std::fabs(ownSide), 100, 0.01) << what;
                    EXPECT_NEAR(SideDistance(cornerX, cornerY, tool.X1, tool.Y1, tool.X2, tool.Y2), ownSide,
                                0.01)
                        << what;
                    const double theirSide =
                        SideDistance(end == 1 ? before.fx1 : before.fx2, end == 1 ? before.fy1 : before.fy2,
                                     before.x1, before.y1, before.x2, before.y2);
                    if (theirs != ours) {
                        ++corners;
                        // On the neighbour's second face too, and the neighbour's face now ends there.
                        EXPECT_NEAR(SideDistance(cornerX, cornerY, after.x1, after.y1, after.x2, after.y2),
                                    theirSide, 0.01)
                            << what;
                        EXPECT_EQ(end == 1 ? after.fx2 : after.fx1, cornerX) << what;
                        EXPECT_EQ(end == 1 ? after.fy2 : after.fy1, cornerY) << what;
                    } else {
                        ++straightOn;
                        // Straight on: the neighbour's side, the neighbour untouched.
                        EXPECT_GT(ownSide * theirSide, 0) << what;
                        EXPECT_EQ((std::vector<int>{after.fx1, after.fy1, after.fx2, after.fy2}),
                                  (std::vector<int>{before.fx1, before.fy1, before.fx2, before.fy2}))
                            << what;
                    }
                }
            }
        }
    }
    EXPECT_EQ(corners, 8 * 2 * 2);
    EXPECT_EQ(straightOn, 4 * 2 * 2);
}

// Mitred corners: angled neighbours and straight ones in every direction, new walls at every 15 degrees
// making a corner of 30 degrees or more, both ends, equal and unequal thicknesses. The new wall's corner
// lies T from both first faces and the neighbour's new point Tn from both, on the second faces' side.
TEST_F(Faces, MitredCornersLieOnBothSecondFaces) {
    int checked = 0;
    for (int theirs : {0, 900, 1800, 2700, 300, 450, 1200, 1500, 2100, 2400, 3000, 3300}) {
        for (int ours = 0; ours < 3600; ours += 150) {
            if (IsStraightAngle(theirs) && IsStraightAngle(ours)) continue;
            for (int end : {1, 2}) {
                const int arriving = end == 1 ? theirs : ours;
                const int leaving = end == 1 ? ours : theirs;
                int corner = std::abs(leaving - (arriving + 1800) % 3600);
                if (corner > 1800) corner = 3600 - corner;
                if (corner < 300) continue;
                for (int side = 1; side <= 4; ++side) {
                    if ((theirs == 0 || theirs == 1800) && side % 2 == 1) continue;
                    if ((theirs == 900 || theirs == 2700) && side % 2 == 0) continue;
                    const int tn = (side + ours / 150) % 2 == 0 ? 100 : 150;
                    DrawingList.Flush();
                    const long long cx = 10000, cy = 10000;
                    const long long ax = Along(cx, arriving, -3000, true),
                                    ay = Along(cy, arriving, -3000, false);
                    const long long lx = Along(cx, leaving, 3000, true), ly = Along(cy, leaving, 3000, false);
                    TIntwallobjtool tool;
                    int n = 0;
                    if (end == 1) {
                        n = AddFreeWall(ax, ay, cx, cy, theirs, side, tn);
                        Stage(tool, cx, cy, lx, ly, ours, 2, 100);
                        JoinInternalWallEnds(tool, n, NoWall);
                    } else {
                        n = AddFreeWall(cx, cy, lx, ly, theirs, side, tn);
                        Stage(tool, ax, ay, cx, cy, ours, 2, 100);
                        JoinInternalWallEnds(tool, NoWall, n);
                    }
                    const std::string what = std::to_string(theirs) + "/" + std::to_string(ours) + " side " +
                                             std::to_string(side) + " end " + std::to_string(end);
                    ASSERT_TRUE(tool.SecondFaceStartSet && tool.SecondFaceEndSet) << what;
                    const TIntwallobj& nb = Wall(n);
                    const double ox = end == 1 ? tool.BX2 : tool.BX1, oy = end == 1 ? tool.BY2 : tool.BY1;
                    const double kx = end == 1 ? nb.fx1 : nb.fx2, ky = end == 1 ? nb.fy1 : nb.fy2;
                    const double ourSide = SideDistance(ox, oy, tool.X1, tool.Y1, tool.X2, tool.Y2);
                    const double theirSide = SideDistance(kx, ky, nb.x1, nb.y1, nb.x2, nb.y2);
                    auto check = [&](double px, double py, double thickness, const char* point) {
                        const double fromOurs = SideDistance(px, py, tool.X1, tool.Y1, tool.X2, tool.Y2);
                        const double fromTheirs = SideDistance(px, py, nb.x1, nb.y1, nb.x2, nb.y2);
                        EXPECT_NEAR(std::fabs(fromOurs), thickness, 3) << what << " " << point;
                        EXPECT_NEAR(std::fabs(fromTheirs), thickness, 3) << what << " " << point;
                        EXPECT_GT(fromOurs * ourSide, 0) << what << " " << point;
                        EXPECT_GT(fromTheirs * theirSide, 0) << what << " " << point;
                    };
                    const int cornerX = end == 1 ? tool.BX1 : tool.BX2;
                    const int cornerY = end == 1 ? tool.BY1 : tool.BY2;
                    check(cornerX, cornerY, 100, "new corner");
                    check(end == 1 ? nb.fx2 : nb.fx1, end == 1 ? nb.fy2 : nb.fy1, tn, "their corner");
                    if (tn == 100) {
                        // Equal thicknesses: one point, where the second faces cross.
                        EXPECT_EQ(cornerX, end == 1 ? nb.fx2 : nb.fx1) << what;
                        EXPECT_EQ(cornerY, end == 1 ? nb.fy2 : nb.fy1) << what;
                    }
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 1500);
}

TEST_F(Faces, AWallBackAlongItsNeighbourKeepsThatEndUnset) {
    // Straight: up, then straight back down.
    const int up = AddFreeWall(5000, 5000, 5000, 8000, 0, 2, 100);
    TIntwallobjtool tool;
    Stage(tool, 5000, 8000, 5000, 6000, 1800, 2, 100);
    JoinInternalWallEnds(tool, up, NoWall);
    EXPECT_FALSE(tool.SecondFaceStartSet);
    EXPECT_FALSE(tool.SecondFaceEndSet); // the face step has no entry for it either
    // Angled: the join has no bisector (R = B) and leaves the start to the face step, which set only the
    // end.
    DrawingList.Flush();
    const int slope = AddFreeWall(5000, 5000, 7000, 7000, 450, 1, 100);
    Stage(tool, 7000, 7000, 6000, 6000, 2250, 1, 100);
    JoinInternalWallEnds(tool, slope, NoWall);
    EXPECT_FALSE(tool.SecondFaceStartSet);
    EXPECT_TRUE(tool.SecondFaceEndSet);
    EXPECT_EQ((std::vector<int>{Wall(slope).fx2, Wall(slope).fy2}), (std::vector<int>{6930, 7070}));
}

TEST_F(Faces, ASlopingNeighbourStoredWithAStraightAngleTakesItsFacesDirection) {
    // Stored as 0 (up) but running up and to the right at 45 degrees; an angled wall turning from it
    // gets the mitre of a 450 neighbour.
    const int n = AddFreeWall(7000, 7000, 10000, 10000, 450, 1, 100);
    Wall(n).iwall6 = 0;
    TIntwallobjtool tool;
    Stage(tool, 10000, 10000, 12000, 8000, 1350, 2, 100);
    JoinInternalWallEnds(tool, n, NoWall);
    ASSERT_TRUE(tool.SecondFaceStartSet && tool.SecondFaceEndSet);
    EXPECT_NEAR(SideDistance(tool.BX1, tool.BY1, 7000, 7000, 10000, 10000), 100, 3);
    EXPECT_NEAR(SideDistance(tool.BX1, tool.BY1, 10000, 10000, 12000, 8000), 100, 3);
    EXPECT_EQ((std::vector<int>{Wall(n).fx2, Wall(n).fy2}), (std::vector<int>{tool.BX1, tool.BY1}));
}

} // namespace
