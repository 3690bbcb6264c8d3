// The transition models of Blayer2, and the march on real section surfaces:
// the edge velocities of the reference solver's boundary-layer dumps
// (tests/data/reference/xfoil_bl/), compared with its transition points
// (xfoil_viscous_polars.csv, Ncrit 9) and thicknesses.

#include <gtest/gtest.h>

#include <cmath>

#include "BlayerRun.h"

namespace aerolune::test {
namespace {

int firstTurbulentRow(const BlayerRun& r) {
    for (int i = 1; i <= r.rows; ++i)
        if (r.t(i, BlayerTurbulent) == 1.0) return i;
    return 0;
}

TEST(BlayerTransition, ModelDecidesWhatHappensAtLaminarSeparation) {
    // Howarth's flow Ue = 1 - x separates laminar at x = 0.1197. Model 0 stops
    // there; models 1 and 2 (the plate is too short for natural transition at
    // Re 1e5) turn turbulent with full intermittency at once, starting at most
    // 15 % of the run upstream of the last laminar station (documented), and
    // carry on; the laminar rows before that are the same as model 0's.
    auto [s, ue] = stations(201, 0.2, [](double x) { return 1.0 - x; });
    const BlayerRun laminar = runBlayer(s, ue, {1e5, 32, 50.0, 0, 0.0});
    ASSERT_GT(laminar.rows, 100);
    ASSERT_LT(laminar.rows, 130);
    EXPECT_EQ(firstTurbulentRow(laminar), 0);
    for (int32_t model : {1, 2}) {
        SCOPED_TRACE(model);
        const BlayerRun r = runBlayer(s, ue, {1e5, 32, 50.0, model, 0.0});
        EXPECT_GT(r.rows, laminar.rows + 10);
        const int tr = firstTurbulentRow(r);
        ASSERT_GT(tr, 1);
        EXPECT_LE(tr, laminar.rows + 1);
        EXPECT_GE(r.s[tr - 1], 0.85 * laminar.s[laminar.rows]);
        EXPECT_EQ(r.t(tr, BlayerIntermittency), 1.0);
        EXPECT_EQ(r.t(tr - 1, BlayerDisplacement), laminar.t(tr - 1, BlayerDisplacement));
        EXPECT_LT(r.t(r.rows, BlayerShape), 2.5);  // a turbulent profile again
    }
}

TEST(BlayerTransition, RoughnessTripsWhereTheRoughnessReynoldsNumberReaches600) {
    // Documented rule: transition at the first station where u(k) k / nu >= 600,
    // u(k) read from the laminar profile at the height k of the roughness. In
    // plane stagnation flow Ue = 2x the layer keeps its thickness while Ue
    // grows, so u(k) k / nu rises steadily through 600 (near x = 0.7 here).
    const double re = 1e6, k = 7e-4;
    auto [s, ue] = stations(101, 1.0, [](double x) { return 2.0 * x; });
    const BlayerRun r = runBlayer(s, ue, {re, 32, 50.0, 2, k});
    const int tr = firstTurbulentRow(r);
    ASSERT_GT(tr, 2);
    auto reK = [&](int i) {
        for (int j = 2; j <= r.set.points; ++j)
            if (r.y(j, i) >= k) {
                const double t = (k - r.y(j - 1, i)) / (r.y(j, i) - r.y(j - 1, i));
                return r.ue[i - 1] * (r.u(j - 1, i) + t * (r.u(j, i) - r.u(j - 1, i))) * k * re;
            }
        return r.ue[i - 1] * k * re;
    };
    EXPECT_GE(reK(tr), 600.0);
    EXPECT_LT(reK(tr - 1), 600.0);
    const BlayerRun smooth = runBlayer(s, ue, {re, 32, 50.0, 2, 0.0});
    EXPECT_EQ(firstTurbulentRow(smooth), 0);
}

struct SectionCase {
    const char* file;
    double xtrUpper, xtrLower;  // xfoil_viscous_polars.csv, Re 1e6, Ncrit 9
    // The reference is attached at x = 0.9 on this surface (not inside a
    // laminar separation bubble, which a direct method cannot reproduce).
    bool attachedUpper, attachedLower;
};

class BlayerOnSections : public ::testing::TestWithParam<SectionCase> {};

TEST_P(BlayerOnSections, TransitionWithinATenthOfTheChordOfTheReference) {
    // Both use the e^9 envelope on this edge velocity, so the layer itself
    // makes the difference: ahead of transition our shape factor and the
    // reference's integral closure differ by up to 2 % (0.05), the growth
    // rate moves 5 % for 0.01 in H, and over an amplification run of 0.3 to
    // 0.4 chord that moves the onset by up to about 0.1 chord.
    const SectionCase c = GetParam();
    const auto [upper, lower] = readReferenceSurfaces(c.file);
    for (const auto& [surf, xtr] : {std::pair{upper, c.xtrUpper}, std::pair{lower, c.xtrLower}}) {
        SCOPED_TRACE(xtr);
        const BlayerRun r = runBlayer(surf.s, surf.ue, {1e6, 32, 50.0, 2, 0.0});
        ASSERT_GT(r.rows, 0.9 * r.n());
        const int tr = firstTurbulentRow(r);
        // The reference reports 1.0 for a surface laminar to its trailing edge.
        const double ours = tr > 0 ? surf.x[tr - 1] : 1.0;
        EXPECT_NEAR(ours, xtr, 0.1);
    }
}

TEST_P(BlayerOnSections, ThicknessesLaminarWithinTwoAndAftWithin25Percent) {
    // delta* and theta against the reference dump, on its own edge velocity.
    // At x = 0.15, laminar on every surface here in both, the two solve one
    // laminar layer and differ only by the reference's integral closure:
    // theta within 2 % (0.1 to 0.8 % when written). At x = 0.9, 25 %: the
    // transition points lie up to 0.1 chord apart (above) and the turbulent
    // closures differ (an eddy viscosity across our layer, an integral
    // closure in the reference).
    const SectionCase c = GetParam();
    const auto [upper, lower] = readReferenceSurfaces(c.file);
    for (const auto& [surf, attached] :
         {std::pair{upper, c.attachedUpper}, std::pair{lower, c.attachedLower}}) {
        const BlayerRun r = runBlayer(surf.s, surf.ue, {1e6, 32, 50.0, 2, 0.0});
        const int lam = rowNear(surf, 0.15), row = rowNear(surf, 0.9), k = row - 1;
        EXPECT_TRUE(nearlyEqual(r.t(lam, BlayerMomentum), surf.theta[lam - 1], 0.0, 0.02)) << surf.x[lam - 1];
        if (!attached) continue;
        ASSERT_LE(row, r.rows);
        SCOPED_TRACE(surf.x[k]);
        EXPECT_TRUE(nearlyEqual(r.t(row, BlayerDisplacement), surf.dstar[k], 0.0, 0.25))
            << r.t(row, BlayerDisplacement);
        EXPECT_TRUE(nearlyEqual(r.t(row, BlayerMomentum), surf.theta[k], 0.0, 0.25))
            << r.t(row, BlayerMomentum);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reference, BlayerOnSections,
    ::testing::Values(SectionCase{"reference/xfoil_bl/naca0012_re1e6_a0_bl.csv", 0.6870, 0.6870, true, true},
                      SectionCase{"reference/xfoil_bl/naca0012_re1e6_a4_bl.csv", 0.2537, 0.9685, true, false},
                      SectionCase{"reference/xfoil_bl/naca2412_re1e6_a0_bl.csv", 0.6517, 0.6795, true, true},
                      SectionCase{"reference/xfoil_bl/naca2412_re1e6_a4_bl.csv", 0.3980, 1.0, true, true}),
    [](const auto& testCase) {  // the dump's section, Reynolds number and angle, e.g. naca0012_re1e6_a4
        const std::string file = testCase.param.file;
        const std::size_t from = file.rfind('/') + 1;
        return file.substr(from, file.rfind("_bl.csv") - from);
    });

}  // namespace
}  // namespace aerolune::test
