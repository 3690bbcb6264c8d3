// The influence matrix evaluates each node pair's logarithm and direction
// once and reads them back for the pair's other row. Checked here against
// the closed form evaluated panel by panel with the angle each panel
// subtends taken directly, on contours whose node directions cross the
// arctangent's cut at +-pi (every closed section does, at its nose and its
// trailing edge) and whose panels shrink to a few ten-thousandths of the
// chord at the ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numerics/airfoil/PanelInfluence.h"
#include "tests/airfoil/AirfoilRun.h"

namespace aerolune::test {
namespace {

// psi at node i of panel j's linear sheet, as coefficients of its two end
// values, with the angle the panel subtends from the field point evaluated
// as one arctangent.
void directInfluence(const PanelGeometry& g, int i, int j, double& aA, double& aB) {
    const double l = g.length[j];
    const double dx = g.x[i] - g.x[j], dy = g.y[i] - g.y[j];
    const double x = dx * g.tx[j] + dy * g.ty[j];
    const double y = -dx * g.ty[j] + dy * g.tx[j];
    const double ex = g.x[i] - g.x[j + 1], ey = g.y[i] - g.y[j + 1];
    const double r1sq = dx * dx + dy * dy, r2sq = ex * ex + ey * ey;
    const double lnr1 = r1sq > 0.0 ? 0.5 * std::log(r1sq) : 0.0;
    const double lnr2 = r2sq > 0.0 ? 0.5 * std::log(r2sq) : 0.0;
    const double dTheta = std::atan2(y * l, x * (x - l) + y * y);
    const double i0 = x * lnr1 - (x - l) * lnr2 - l + y * dTheta;
    const double i1 = x * i0 - 0.5 * (r1sq * lnr1 - r2sq * lnr2) + 0.25 * (2.0 * x * l - l * l);
    aA = (i0 - i1 / l) / (2.0 * std::numbers::pi);
    aB = (i1 / l) / (2.0 * std::numbers::pi);
}

Contour contourOf(const AirfoilCall& call) {
    const AirfoilResult r = runAirfoil(call);
    Contour c;
    c.halfPoints = r.halfPoints;
    c.x.assign(r.nodeX.begin(), r.nodeX.begin() + r.panels());
    c.y.assign(r.nodeY.begin(), r.nodeY.begin() + r.panels());
    return c;
}

TEST(PanelInfluence, MatchesThePanelByPanelClosedForm) {
    AirfoilCall flapped = nacaCall(2412, 0.0f, 120);
    flapped.flapRad = static_cast<float>(20.0 * std::numbers::pi / 180.0);
    flapped.flapHinge = 0.75f;
    struct Case {
        const char* name;
        AirfoilCall call;
    };
    const Case cases[] = {
        {"NACA 0012, 4 points (a diamond)", nacaCall(12, 0.0f, 4)},
        {"NACA 0012, 40 points", nacaCall(12, 0.0f, 40)},
        {"NACA 2412 with a 25 % flap at 20 degrees", flapped},
        {"NACA 23015, 340 points", nacaCall(23015, 0.0f, 340)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PanelGeometry g = panelGeometry(contourOf(c.call));
        const Eigen::MatrixXd a = influenceMatrix(g);
        const int n = g.n;
        ASSERT_EQ(a.rows(), n + 2);
        Eigen::MatrixXd expected = Eigen::MatrixXd::Zero(n + 2, n + 2);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                double aA, aB;
                directInfluence(g, i, j, aA, aB);
                expected(i, j) += aA;
                expected(i, j + 1) += aB;
            }
            expected(i, n + 1) = -1.0;
        }
        expected(n, 0) = 1.0;
        expected(n + 1, n) = 1.0;
        // The two ways differ by the rounding of a difference of two
        // directions, two units of 4.4e-16 (the spacing of doubles near pi),
        // times the field point's distance off the panel's line and along
        // it (under 1.2 chords each), divided by the panel's length in the
        // second moment I1 / L: within 2e-15 / (shortest panel). A pair read
        // back from the wrong place, or turned the wrong way, is off by
        // the size of the entries, 1e-5 and more.
        const double shortest = *std::min_element(g.length.begin(), g.length.end());
        EXPECT_LT((a - expected).cwiseAbs().maxCoeff(), 2e-15 / shortest);
        EXPECT_GT(a.topRows(n).cwiseAbs().maxCoeff(), 1e-5);
    }
}

}  // namespace
}  // namespace aerolune::test
