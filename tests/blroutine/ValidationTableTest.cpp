// Validation against the reference solver's viscous polars
// (tests/data/reference/xfoil_viscous_polars.csv, Ncrit 9) at 120 points:
// the finite-difference layer's drag boundaryLayerCd and transition, and the polar's
// lift and drag. Each row carries the tolerance it is held to. The aims are
// boundaryLayerCd within 10 %, transition within 0.05 chord, polar lift within 5 % and
// polar drag within 30 %; where a row is held to more, the comment on it
// says by how much the aim is missed as measured, and why.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "BoundaryLayerRun.h"
#include "analysis/BoundaryLayerPost.h"
#include "analysis/Polar.h"
#include "numerics/blayer/Blayer2.h"

namespace aerolune::test {
namespace {

struct ReferencePoint {
    double cl, cd, xtrTop, xtrBottom, cm;
};

// (section, Re, alpha) -> the reference point.
const std::map<std::tuple<std::string, double, int>, ReferencePoint>& referencePolars() {
    static const auto table = [] {
        std::map<std::tuple<std::string, double, int>, ReferencePoint> t;
        for (const auto& c : readCsv("reference/xfoil_viscous_polars.csv"))
            if (c.size() >= 11 && c[10].front() == '1')  // converged points only
                t[{c[0], std::stod(c[1]), std::stoi(c[3])}] = {
                    std::stod(c[4]), std::stod(c[5]), std::stod(c[8]), std::stod(c[9]), std::stod(c[7])};
        return t;
    }();
    return table;
}

double transitionX(const BoundaryLayerSurface& s) {
    return s.transitionStation > 0 ? s.x(s.transitionStation) : 1.0;
}

TEST(Validation, BoundaryLayerDragAndTransition) {
    struct Row {
        const char* section;
        double re;
        int alpha;
        double cdTolerance;   ///< relative
        double xtrTolerance;  ///< chords
    };
    // Measured ratios boundaryLayerCd / reference in the comments; transition is the
    // first turbulent station (0.015 to 0.05 chord apart at 120 points), 1
    // where the layer stays laminar. Largest transition miss 0.037 chord
    // (NACA 0012 at 4 degrees, Re 1e6, upper: 0.217 against 0.254; NACA
    // 2412 at 0 degrees, Re 1e6, lower).
    const Row rows[] = {
        {"0012", 1e6, 0, 0.10, 0.05},  // 1.02
        {"0012", 1e6, 2, 0.10, 0.05},  // 1.04; lower 0.844 against 0.868
        {"0012", 1e6, 4, 0.10, 0.05},  // 1.02
        {"2412", 1e6, 0, 0.10, 0.05},  // 1.05; lower 0.642 against 0.679
        {"2412", 1e6, 2, 0.10, 0.05},  // 0.98; upper 0.513 against 0.526
        {"2412", 1e6, 4, 0.10, 0.05},  // 0.98
        {"4412", 1e6, 0, 0.10, 0.05},  // 0.99; upper 0.642 against 0.610
        {"4412", 1e6, 2, 0.10, 0.05},  // 1.01; upper 0.539 against 0.522
        {"4412", 1e6, 4, 0.10, 0.05},  // 0.99
        {"0012", 3e6, 0, 0.10, 0.05},  // 1.00
        {"0012", 3e6, 2, 0.10, 0.05},  // 1.00
        {"0012", 3e6, 4, 0.10, 0.05},  // 1.01
        {"2412", 3e6, 0, 0.10, 0.05},  // 0.99
        {"2412", 3e6, 2, 0.10, 0.05},  // 1.01
        {"2412", 3e6, 4, 0.10, 0.05},  // 1.06
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.section) + " Re " + std::to_string(r.re) + " at " +
                     std::to_string(r.alpha));
        const ReferencePoint ref = referencePolars().at({r.section, r.re, r.alpha});
        AppState state = sectionAt(r.section, std::to_string(r.alpha));
        state.flow.reynolds = r.re;
        recomputeWithLayer(state);
        const BoundaryLayerSolution& bl = state.boundaryLayer;
        ASSERT_TRUE(bl.ok) << bl.error;
        EXPECT_TRUE(nearlyEqual(bl.boundaryLayerCd, ref.cd, 0.0, r.cdTolerance))
            << bl.boundaryLayerCd << " against " << ref.cd;
        EXPECT_NEAR(transitionX(bl.upper), ref.xtrTop, r.xtrTolerance);
        EXPECT_NEAR(transitionX(bl.lower), ref.xtrBottom, r.xtrTolerance);
    }
}

// One surface of a solution marched again on its own stations and edge
// speeds in the routine's steps made `refinement` times finer, as the routine
// marches it: the rows kept at the surface's stations.
BoundaryLayerSurface remarched(const BoundaryLayerSurface& surface, double re, int32_t refinement) {
    const MarchingArrays m =
        marchingArrays(surface, refinement * marchingSubsteps(120), kMarchingStep / refinement);
    std::vector<double> s = m.s, ue = m.Ue;
    int32_t steps = static_cast<int32_t>(s.size()), rows = 32, model = 2;
    double roughness = 0.0, limit = 50.0;
    const BlayerLayout layout = blayerLayout(steps, rows);
    std::vector<double> u(layout.profileSize()), y(layout.profileSize()), wall(layout.stationOutSize()),
        table(layout.tableSize());
    Blayer2(s.data(), ue.data(), &re, u.data(), y.data(), wall.data(), table.data(), &steps, &rows,
            &roughness, &model, &limit);
    BoundaryLayerSurface out = surface;
    out.rows = 0;
    while (out.rows < surface.n && m.step[static_cast<std::size_t>(out.rows)] < rows) ++out.rows;
    out.table.resize(static_cast<std::size_t>(surface.n), BlayerLayout::tableColumns);
    for (int32_t i = 1; i <= surface.n; ++i)
        for (int32_t col = 1; col <= BlayerLayout::tableColumns; ++col)
            out.table(i, col) = i <= out.rows ? table[static_cast<std::size_t>(m.step[i - 1]) +
                                                      static_cast<std::size_t>(steps) * (col - 1)]
                                              : 0.0;
    return out;
}

// delta* at chord position x, linear between the stations around it.
double displacementAt(const BoundaryLayerSurface& s, double x) {
    for (int32_t i = 2; i <= s.n; ++i)
        if ((s.x(i - 1) - x) * (s.x(i) - x) <= 0.0 && s.x(i) != s.x(i - 1))
            return s.displacement(i - 1) +
                   (x - s.x(i - 1)) / (s.x(i) - s.x(i - 1)) * (s.displacement(i) - s.displacement(i - 1));
    return 0.0;
}

TEST(Validation, BoundaryLayerStepConvergence) {
    // Halving the routine's marching step (at 120 points: 4 steps per
    // station interval and none longer than a 480-point section's longest
    // panel, against 8 and half that) changes boundaryLayerCd, and delta* at 0.9 chord
    // on each surface, by less than 2 % on the 15 cases of the table above,
    // as measured: largest change 1.9 % (delta* lower, NACA 0012 at 4
    // degrees, Re 1e6, a laminar layer to the trailing edge); boundaryLayerCd changes
    // by 0.6 % at most.
    struct Row {
        const char* section;
        double re;
        int alpha;
        double cdTolerance, thicknessTolerance;  ///< relative
    };
    const Row rows[] = {
        {"0012", 1e6, 0, 0.02, 0.02}, {"0012", 1e6, 2, 0.02, 0.02}, {"0012", 1e6, 4, 0.02, 0.02},
        {"2412", 1e6, 0, 0.02, 0.02}, {"2412", 1e6, 2, 0.02, 0.02}, {"2412", 1e6, 4, 0.02, 0.02},
        {"4412", 1e6, 0, 0.02, 0.02}, {"4412", 1e6, 2, 0.02, 0.02}, {"4412", 1e6, 4, 0.02, 0.02},
        {"0012", 3e6, 0, 0.02, 0.02}, {"0012", 3e6, 2, 0.02, 0.02}, {"0012", 3e6, 4, 0.02, 0.02},
        {"2412", 3e6, 0, 0.02, 0.02}, {"2412", 3e6, 2, 0.02, 0.02}, {"2412", 3e6, 4, 0.02, 0.02},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.section) + " Re " + std::to_string(r.re) + " at " +
                     std::to_string(r.alpha));
        AppState state = sectionAt(r.section, std::to_string(r.alpha));
        state.flow.reynolds = r.re;
        recomputeWithLayer(state);
        const BoundaryLayerSolution& bl = state.boundaryLayer;
        ASSERT_TRUE(bl.ok) << bl.error;
        double cd[2] = {0.0, 0.0}, thickness[2][2] = {};
        for (int h = 0; h < 2; ++h) {
            int side = 0;
            for (const BoundaryLayerSurface* s : {&bl.lower, &bl.upper}) {
                BoundaryLayerSurface again = remarched(*s, r.re, 1 << h);
                cd[h] += trailingEdgeDragTerm(again);
                continuePastSeparation(again);
                thickness[h][side++] = displacementAt(again, 0.9);
            }
        }
        // The coarser march is the routine's own: the same drag to rounding.
        ASSERT_NEAR(cd[0], bl.boundaryLayerCd, 1e-12 * bl.boundaryLayerCd);
        EXPECT_TRUE(nearlyEqual(cd[1], cd[0], 0.0, r.cdTolerance)) << cd[0] << " then " << cd[1];
        for (int side = 0; side < 2; ++side)
            EXPECT_TRUE(nearlyEqual(thickness[1][side], thickness[0][side], 0.0, r.thicknessTolerance))
                << (side ? "upper " : "lower ") << thickness[0][side] << " then " << thickness[1][side];
    }
}

TEST(Validation, PolarLiftAndDrag) {
    // Re 1e6, |alpha| <= 8 degrees for the lift, <= 6 for the drag. The
    // polar's lift is the panel lift of the displaced section. The aim is 5 %
    // of the reference lift; lifts below 0.2 are compared absolutely (to
    // tolerance x 0.2), since near zero lift 5 % of the lift is no measure.
    // Measured worst lift errors (120 points) in the comments, relative to
    // max(|lift|, 0.2). The moment about c/4 (the displaced section's panel
    // moment) within 0.01 of the reference's at |alpha| <= 6, the aim:
    // measured worst 0.0058, NACA 2412 at -6 degrees (at 8 degrees NACA
    // 4412's is 0.0098 off, with its lift 3.4 % high: too close to the aim
    // to test there).
    struct Row {
        int designation;
        const char* section;
        double liftTolerance, dragTolerance;
    };
    const Row rows[] = {
        {12, "0012", 0.05, 0.30},    // lift 4.3 % low at +-6 degrees; drag 1.26 at 0
        {2412, "2412", 0.05, 0.30},  // lift 4.4 % high at 0 degrees; drag 1.26 at 2
        {4412, "4412", 0.05, 0.30},  // lift 3.5 % high at 4 degrees; drag 1.22 at 2
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.section);
        SectionState section;
        section.designationNumber = r.designation;
        StoredPolar polar;
        ASSERT_EQ(polarSweep(section, 120, PolarSettings{}, polar), "");
        for (const PolarPoint& p : polar.points) {
            const int alpha = static_cast<int>(std::lround(p.angle));
            if (std::abs(alpha) > 8) continue;
            const ReferencePoint ref = referencePolars().at({r.section, 1e6, alpha});
            EXPECT_NEAR(p.cl, ref.cl, r.liftTolerance * std::max(std::fabs(ref.cl), 0.2)) << alpha;
            if (std::abs(alpha) > 6) continue;
            EXPECT_TRUE(nearlyEqual(p.cdTimes1000 / 1000.0, ref.cd, 0.0, r.dragTolerance)) << alpha;
            EXPECT_NEAR(p.cm, ref.cm, 0.01) << alpha;
        }
    }
}

}  // namespace
}  // namespace aerolune::test
