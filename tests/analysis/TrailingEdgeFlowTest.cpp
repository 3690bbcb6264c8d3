// The edge velocity the layers see near the trailing edge: the inviscid
// stagnation replaced by a run to one speed shared by both surfaces, the same
// however the stations are spaced; and the displaced contour closed there.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/TrailingEdgeFlow.h"

namespace aerolune {
namespace {

// A surface from x = 0 to the trailing edge at x = 1 on `n` stations
// clustered towards both ends (cosine spacing), with a speed that falls
// linearly from `start` by `slope` per chord and then, over the last 2 %,
// drops to zero as at an inviscid trailing-edge stagnation point.
struct Surface {
    Array1<double> x, Ue;
    int32_t n;
};

Surface surface(int32_t n, double start, double slope) {
    Surface s{Array1<double>(n), Array1<double>(n), n};
    for (int32_t i = 1; i <= n; ++i) {
        const double x = 0.5 * (1.0 - std::cos(M_PI * (i - 1) / (n - 1)));
        s.x(i) = x;
        s.Ue(i) = (start + slope * x) * std::min(1.0, std::pow((1.0 - x) / 0.02, 0.1));
    }
    return s;
}

TEST(TrailingEdgeFlow, BothSurfacesEndAtOneSpeedWhateverTheSpacing) {
    // The lines fitted ahead of the region reproduce these linear runs, so
    // the upper surface would end at 1.1 - 0.3 = 0.8 and the lower one at
    // 0.9 - 0.2 = 0.7: both end at the mean, 0.75.
    for (int32_t n : {41, 171}) {
        Surface lo = surface(n, 0.9, -0.2), up = surface(n, 1.1, -0.3);
        const Surface upBefore = up;
        applyViscousTrailingEdge({&lo.x, &lo.Ue, n}, {&up.x, &up.Ue, n});
        // Tolerance 1e-12: the fitted lines reproduce linear data to rounding.
        EXPECT_NEAR(lo.Ue(n), 0.75, 1e-12) << n;
        EXPECT_NEAR(up.Ue(n), 0.75, 1e-12) << n;
        for (int32_t i = 1; i <= n; ++i) {
            if (up.x(i) <= 1.0 - kTrailingEdgeRegion) EXPECT_EQ(up.Ue(i), upBefore.Ue(i)) << i;
            // Within the region the run is a parabola in x alone; at x = 0.975
            // (half-way) 1.1 - 0.3 x + c d^2 with c = (0.75 - 0.8) / 0.05^2.
            else if (std::fabs(up.x(i) - 0.975) < 1e-3) {
                const double d = up.x(i) - 0.95;
                EXPECT_NEAR(up.Ue(i), 1.1 - 0.3 * up.x(i) - 0.05 / 0.0025 * d * d, 1e-9) << n;
            }
        }
    }
}

TEST(TrailingEdgeFlow, SurfacesTooShortToFitKeepTheirSpeeds) {
    Surface lo = surface(3, 1.0, 0.0), up = surface(41, 1.1, -0.3);
    const Surface loBefore = lo;
    applyViscousTrailingEdge({&lo.x, &lo.Ue, 3}, {&up.x, &up.Ue, 41});
    for (int32_t i = 1; i <= 3; ++i) EXPECT_EQ(lo.Ue(i), loBefore.Ue(i));
    EXPECT_NEAR(up.Ue(41), 0.8, 1e-12);  // its own line's edge speed
}

TEST(TrailingEdgeFlow, DisplacementClosesItsThickeningAndKeepsItsCamber) {
    // A flat plate of 2 x 20 panels, node 1 at the trailing edge (x = 1), the
    // lower surface first. The upper surface is displaced by 0.004, the lower
    // by 0.001: camber part 0.0015 everywhere, thickening 0.0025, faded
    // linearly to zero over the last kThicknessClosure of the chord.
    const int32_t n = 40;
    std::vector<float> x(n), y(n, 0.0f), displaced(n);
    for (int32_t j = 0; j < n; ++j) {
        x[j] = static_cast<float>(0.5 * (1.0 + std::cos(M_PI * j / (n / 2))));
        displaced[j] = j > n / 2 ? 0.004f : (j < n / 2 ? -0.001f : 0.0f);
    }
    displaced[0] = 0.0015f;
    const std::vector<float> before = displaced;
    closeDisplacementThickness(x.data(), y.data(), displaced.data(), n);
    for (int32_t j = 1; j < n / 2; ++j) {
        const int32_t m = n - j;
        // Tolerance 1e-9: single-precision ordinates of size 0.004.
        EXPECT_NEAR(0.5 * (displaced[m] + displaced[j]), 0.0015, 1e-9) << x[j];
        const double w = std::min(1.0, (1.0 - x[j]) / kThicknessClosure);
        EXPECT_NEAR(0.5 * (displaced[m] - displaced[j]), 0.0025 * w, 1e-9) << x[j];
    }
    EXPECT_EQ(displaced[0], before[0]);  // the edge node is the caller's
    EXPECT_EQ(displaced[n / 2], before[n / 2]);
}

}  // namespace
}  // namespace aerolune
