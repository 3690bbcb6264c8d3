// Every combination the dialogs can produce: sections, 40..340 points, flap
// lengths and deflections, angles -20..20 degrees and a typed 90. The
// application relies on finite numbers, on the smallest |V| marking the front
// stagnation point, and on a contour that does not cross itself.

#include <gtest/gtest.h>

#include <cmath>

#include "AirfoilRun.h"

namespace aerolune::test {
namespace {

// The panel of smallest |V| sits at a stagnation point: a node where the
// velocity along the node order changes sign, or the trailing edge. At the
// angles of attached flow it must be the front one, where the velocity turns
// from negative (flowing forward on the lower surface) to positive. At 90
// degrees the Kutta flow stagnates at or next to the trailing edge, and
// which of the two stagnation points the smaller |V| marks is a matter of a
// few thousandths.
bool smallestSpeedAtStagnation(const AirfoilResult& r, bool frontOnly) {
    const int n = r.panels();
    int smallest = 0;
    for (int i = 1; i < n; ++i)
        if (std::fabs(r.velocity[i]) < std::fabs(r.velocity[smallest])) smallest = i;
    for (int j = 0; j < n; ++j) {
        int next = (j + 1) % n;
        bool front = panelVelocity(r, j) <= 0.0 && panelVelocity(r, next) > 0.0;
        bool rear = panelVelocity(r, j) >= 0.0 && panelVelocity(r, next) < 0.0;
        if ((front || (!frontOnly && rear)) && (smallest == j || smallest == next)) return true;
    }
    return !frontOnly && (smallest == 0 || smallest == n - 1);
}

struct SweepSection {
    int32_t designation;
    int32_t source;  // 1: the Karman-Trefftz file
};

// Two corners of the range are left out of the stagnation check (they stay in
// the finite-output and simple-contour checks): a 1 % section with a 50 %
// flap at 30 degrees against the angle (the nose radius, 1e-4 chord, is far
// below one panel, so the unresolved nose stagnation is no slower than the
// flow in the concave hinge knuckle), and the 9930 with its flap down (mean
// line and flap together turn the edge past vertical, where stations in x
// cannot follow the surface).
bool stagnationUnresolved(int32_t designation, double deflection, double length, float alpha) {
    if (designation == 1) return length >= 50.0 && std::fabs(deflection) >= 30.0 && alpha * deflection < 0.0;
    return designation == 9930 && deflection > 0.0;
}

TEST(Sweep, FiniteStagnationAndSimpleContourEverywhere) {
    const SweepSection sections[] = {{12, 0}, {2412, 0}, {9930, 0}, {1, 0}, {23012, 0}, {25030, 0}, {0, 1}};
    const std::pair<double, double> flaps[] = {{0, 0}, {20, 10}, {50, 30}, {50, -30}, {10, -20}};
    const float angles[] = {-20, -15, -10, -5, 0, 5, 10, 15, 20, 90};
    int failures = 0;
    for (const SweepSection& s : sections) {
        for (int32_t total : {40, 120, 240, 340}) {
            for (auto [length, deflection] : flaps) {
                AirfoilCall call = withFlap(s.source == 1 ? karmanTrefftzCall("KT_cambered.txt", 0.0f, total)
                                                          : nacaCall(s.designation, 0.0f, total),
                                            length, deflection);
                bool simpleChecked = false;
                for (float alpha : angles) {
                    call.alphaDeg = alpha;
                    AirfoilResult r = runAirfoil(call);
                    std::string where = std::to_string(s.designation) + "/" + std::to_string(s.source) +
                                        " points " + std::to_string(total) + " flap " +
                                        std::to_string(length) + "% " + std::to_string(deflection) +
                                        " alpha " + std::to_string(alpha);
                    bool ok = r.guardsIntact() && r.finiteOutputs();
                    if (!stagnationUnresolved(s.designation, deflection, length, alpha))
                        ok = ok && smallestSpeedAtStagnation(r, std::fabs(alpha) <= 20.0f);
                    if (!simpleChecked)
                        ok = ok && contourIsSimple(r);  // geometry does not change with the angle
                    simpleChecked = true;
                    EXPECT_TRUE(ok) << where;
                    if (!ok && ++failures > 10) return;
                }
            }
        }
    }
}

}  // namespace
}  // namespace aerolune::test
