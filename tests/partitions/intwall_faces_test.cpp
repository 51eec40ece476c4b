// The second faces of internal walls and their joins: free walls, the corners of straight walls, and
// the mitred corners where either wall is angled.
#include "intwall_test_support.h"
#include "partitions/intwall_faces.h"

#include <cstdio>

using intwall_test::InternalWallTest;
using intwall_test::SideDistance;

namespace {

class Faces : public InternalWallTest {};

TEST_F(Faces, Explore) {
    const int neighbours[] = {0, 900, 1800, 2700, 300, 600, 1200, 1500, 2100, 2400, 3000, 3300, 450};
    int failures = 0, cases = 0;
    for (int n : neighbours) {
        for (int side = 1; side <= 4; ++side) {
            for (int w = 0; w < 3600; w += 150) {
            for (int code : {1, 2}) {
                const int nbdir = code == 1 ? n : w;
                const bool vertical = nbdir == 0 || nbdir == 1800;
                const bool horizontal = nbdir == 900 || nbdir == 2700;
                if (vertical && (side == 1 || side == 3)) continue;
                if (horizontal && (side == 2 || side == 4)) continue;
                if (IsStraightAngle(n) && IsStraightAngle(w)) continue;
                const int back = n < 1800 ? n + 1800 : n - 1800;
                int corner = std::abs(w - back);
                if (corner > 1800) corner = 3600 - corner;
                if (corner < 300) continue;
                for (int tn : {100, 150}) {
                    {
                        DrawingList.Flush();
                        Shared.ObjectSerial = 0;
                        auto tool = NewTool(side);
                        Thickness(tn);
                        double cx = 10000, cy = 10000;
                        const double rad = 3.14159265358979 / 1800.0;
                        if (code == 1) {
                            DrawAt(*tool, static_cast<long long>(cx - 3000 * std::sin(n * rad)),
                                   static_cast<long long>(cy - 3000 * std::cos(n * rad)), n, 0);
                        }
                        // neighbour ends at (cx, cy) exactly
                        long long sx = std::llround(cx - 3000 * std::sin(n * rad));
                        long long sy = std::llround(cy - 3000 * std::cos(n * rad));
                        DrawingList.Flush();
                        Shared.ObjectSerial = 0;
                        if (code == 1) {
                            Draw(*tool, sx, sy, 10000, 10000, n);
                        } else {
                            // neighbour starts at corner and goes in direction w2 = ...; new wall arrives in n? 
                            Draw(*tool, 10000, 10000, std::llround(10000 + 3000 * std::sin(w * rad)),
                                 std::llround(10000 + 3000 * std::cos(w * rad)), w);
                        }
                        Thickness(100);
                        auto fresh = NewTool(side);
                        fresh->PreviousWall = 0;
                        if (code == 1) {
                            DrawAt(*fresh, 10000, 10000, w, 3000);
                        } else {
                            Draw(*fresh, 10000, 10000, sx, sy, (n + 1800) % 3600);
                        }
                        ++cases;
                        if (Walls() != 2) { ++failures; std::printf("n %d side %d w %d tn %d code %d: refused\n", n, side, w, tn, code); continue; }
                        const TIntwallobj& nb = Wall(DrawingList.count - 2);
                        const TIntwallobj& nw = Wall(DrawingList.count - 1);
                        // corner point of the new wall, its other point
                        double bx = code == 1 ? nw.fx1 : nw.fx2, by = code == 1 ? nw.fy1 : nw.fy2;
                        double ox = code == 1 ? nw.fx2 : nw.fx1, oy = code == 1 ? nw.fy2 : nw.fy1;
                        double mx = code == 1 ? nb.fx2 : nb.fx1, my = code == 1 ? nb.fy2 : nb.fy1;
                        double nox = code == 1 ? nb.fx1 : nb.fx2, noy = code == 1 ? nb.fy1 : nb.fy2;
                        const int T = nw.iwall1, Tn = nb.iwall1;
                        double dNew1 = SideDistance(bx, by, nw.x1, nw.y1, nw.x2, nw.y2);
                        double dNew2 = SideDistance(bx, by, nb.x1, nb.y1, nb.x2, nb.y2);
                        double sNew = SideDistance(ox, oy, nw.x1, nw.y1, nw.x2, nw.y2);
                        double sNb = SideDistance(nox, noy, nb.x1, nb.y1, nb.x2, nb.y2);
                        double dN1 = SideDistance(mx, my, nw.x1, nw.y1, nw.x2, nw.y2);
                        double dN2 = SideDistance(mx, my, nb.x1, nb.y1, nb.x2, nb.y2);
                        bool ok = std::fabs(std::fabs(dNew1) - T) <= 3 && std::fabs(std::fabs(dNew2) - T) <= 3 &&
                                  dNew1 * sNew > 0 && dNew2 * sNb > 0 &&
                                  std::fabs(std::fabs(dN1) - Tn) <= 3 && std::fabs(std::fabs(dN2) - Tn) <= 3 &&
                                  dN1 * sNew > 0 && dN2 * sNb > 0;
                        std::printf("case n %d side %d w %d tn %d code %d ok %d\n", n, side, w, tn, code, ok ? 1 : 0);
                        if (!ok) {
                            ++failures;
                            std::printf("n %d side %d w %d tn %d code %d: new (%g %g) [%g %g sides %g %g] nb (%g %g) [%g %g]\n",
                                        n, side, w, tn, code, bx, by, dNew1, dNew2, sNew, sNb, mx, my, dN1, dN2);
                        }
                    }
                }
            }
        }
    }
    }
    std::printf("%d of %d failed\n", failures, cases);
}

} // namespace
