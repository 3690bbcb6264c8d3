#include "analysis/Polar.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/LinAero.h"
#include "analysis/PolarDisplacement.h"
#include "analysis/PolarGuard.h"
#include "analysis/PolarLayerModel.h"
#include "analysis/ThinAirfoil.h"
#include "analysis/TrailingEdgeFlow.h"
#include "common/FormatPicture.h"
#include "common/NumberText.h"
#include "common/ParallelFor.h"
#include "geometry/SectionDefinition.h"

namespace aerolune {

namespace {

// delta* at the control point of panel i: the stagnation panel is station 1
// of both layers; panels before it belong to the lower march, after it to the
// upper one.
double panelDeltaStar(const Array1<double>& lower, const Array1<double>& upper, int32_t stag, int32_t i) {
    if (i == stag) return 0.0;
    if (i < stag) return lower(stag - i + 1);
    return upper(i - stag + 1);
}

// Thin-airfoil lift and quarter-chord moment of the section with the given
// node ordinates.
struct ThinFigures {
    double cl, cmQuarter;
};

ThinFigures thinAirfoil(const SectionSolution& sol, const Array1<float>& y, float solveAngle,
                        double angleDeg) {
    LinAero aero;
    aero.angleDeg = solveAngle;
    aero.pointCount = 2 * sol.halfPoints;
    aero.quadratureOrder = 200;
    aero.AeroCoeff(y, sol.NodeX);
    const ThinAirfoilResult thin = thinAirfoilCoefficients(aero, angleDeg);
    return {thin.ClValue, thin.CmLeValue + 0.25 * thin.ClValue};
}

// The panel moment about the quarter chord of a solution at the given angle.
// The panel method gives the moment about the leading edge; carried to the
// quarter chord it takes a quarter of the force normal to the chord, which
// for the inviscid panel force (the lift, normal to the stream) is
// Cl cos(alpha). With the cosine the undisplaced NACA 0012 and 2412 at +-8
// degrees come within 0.0003 of the reference solver's inviscid moments
// (xfoil_inviscid_polars.csv); without it they were up to 0.003 off.
double panelQuarterChordMoment(const SectionSolution& sol, double solveAngleDeg) {
    return sol.cmLe + 0.25 * sol.cl * std::cos(solveAngleDeg * std::numbers::pi / 180.0);
}

// The re-solve on the displaced contour with one under-relaxed sweep of
// direct viscous-inviscid coupling. Leaves the relaxed displaced ordinates
// in sol.NodeY and its lift in sol.cl, and returns its moment about the
// quarter chord.
//
// The first displacement comes from layers marched on the inviscid speeds,
// whose adverse gradient at the rear of a lifting section is steeper than
// the displaced section's: there the displacement itself eases the pressure
// recovery, and a layer marched on the inviscid speeds thickens too fast.
// Method: direct iteration of the displacement, under-relaxed, as in the
// direct coupling schemes reviewed by Lock and Williams (Prog. Aerospace
// Sci. 24, 1987): the layers are marched again on the speeds of the
// displaced section (over the undisplaced surface, as the first time), and
// the displacement taken is delta*_0 + w (delta*_1 - delta*_0), w =
// kCouplingRelaxation. The relaxed step is a small change of the displaced
// camber line, so its change of lift is taken from thin-airfoil theory,
// which is linear in the camber, instead of from a third panel solution
// (the two differ by at most 0.011 in lift on NACA 0012, 2412 and 4412 at
// |angle| <= 8 degrees, Re 1e6, and the sweep saves a factorisation per
// angle). The moment is taken the same way: the panel moment of the first
// displaced section and the thin-airfoil change of the quarter-chord moment
// over the relaxed step. The panel moment carries the thickness's share that
// thin-airfoil theory leaves out (-0.011 for NACA 0012 at 8 degrees,
// inviscid), and the displacement's share near the trailing edge where the
// thin-airfoil weights of the camber line run to infinity.
// The sweep halves the lift's dependence on the point count (NACA 2412 at 4
// degrees, Re 1e6: 0.8 % from 80 to 340 points, 2.3 % without it).
// The first displacement is the row's estimate whenever the step cannot be
// taken: when the second march fails, or when the step does not converge
// (couplingStepConverges): on a section whose rear layer runs into a steep
// deceleration the second march's momentum thickness grows as a power of
// the falling edge speed, and the step then moved the trailing edge by up to
// 570 chords (NACA 8812 at -20 degrees: lift 17,600). A first displacement
// beyond kMostDisplacement is no physical one: the row is not computed.
constexpr double kCouplingRelaxation = 0.5;

struct CoupledFigures {
    double cmQuarter = 0.0;
    std::string notComputed;  ///< why there are no figures; empty when there are
};

CoupledFigures resolveCoupled(SectionState& section, SectionSolution& sol, const DragResult& drag,
                              double angleDeg, float solveAngle, const PolarSettings& settings) {
    const int32_t n = 2 * sol.halfPoints;
    const Array1<float> undisplaced = sol.NodeY;
    const Array1<float> first = displacedOrdinates(sol, drag, settings.re);
    const double thickest = largestDisplacement(undisplaced, first, n);
    if (!(thickest <= kMostDisplacement)) {
        return {0.0,
                "the boundary layer separates over so much of the section that no displaced contour "
                "stands for it (displacement " +
                    formatPicture(thickest, "0.000") + " chord)"};
    }
    resolveDisplaced(section, sol, first, solveAngle);
    const double panelMoment = panelQuarterChordMoment(sol, solveAngle);
    sol.NodeY = undisplaced;

    const DragResult coupled =
        dragEstimate(sol.NodeX.data(), sol.NodeY.data(), sol.SurfVel.data(), n,
                     stagnationPanel(sol.SurfVel.data(), n), angleDeg, settings.re, settings.dragModel);
    const Array1<float> second = coupled.ok ? displacedOrdinates(sol, coupled, settings.re) : first;
    if (!coupled.ok || !couplingStepConverges(undisplaced, first, second, n)) {
        sol.NodeY = first;
        return {panelMoment, {}};
    }
    Array1<float> relaxed = first;
    for (int32_t j = 1; j <= n + 1; ++j)
        relaxed(j) = static_cast<float>(first(j) + kCouplingRelaxation * (second(j) - first(j)));
    const ThinFigures a = thinAirfoil(sol, first, solveAngle, angleDeg);
    const ThinFigures b = thinAirfoil(sol, relaxed, solveAngle, angleDeg);
    sol.cl = static_cast<float>(sol.cl + b.cl - a.cl);
    sol.NodeY = relaxed;
    return {panelMoment + b.cmQuarter - a.cmQuarter, {}};
}

}  // namespace

double polarAngle(int32_t k) { return -20.0 + static_cast<double>(k - 1) / (kPolarPoints - 1) * 40.0; }

Array1<float> displacedOrdinates(const SectionSolution& sol, const DragResult& drag, double re) {
    const int32_t n = 2 * sol.halfPoints;
    const Array1<double> lower = polarDisplacement(drag.lowerStations, drag.lower, re);
    const Array1<double> upper = polarDisplacement(drag.upperStations, drag.upper, re);
    Array1<float> y(static_cast<std::size_t>(n + 1));
    for (int32_t j = 2; j <= n; ++j) {
        const double dstar = 0.5 * (panelDeltaStar(lower, upper, drag.stagPoint, j - 1) +
                                    panelDeltaStar(lower, upper, drag.stagPoint, j));
        const double dx = sol.NodeX(j + 1) - sol.NodeX(j);
        const double dy = sol.NodeY(j + 1) - sol.NodeY(j);
        const double ds = std::hypot(dx, dy);
        const double normalY = ds > 0.0 ? dx / ds : 0.0;
        y(j) = static_cast<float>(sol.NodeY(j) + normalY * dstar);
    }
    closeDisplacementThickness(sol.NodeX.data(), sol.NodeY.data(), y.data(), n);
    y(1) = trailingEdgeOrdinate(sol.NodeY(1), sol.NodeY(2), y(2), sol.NodeY(n), y(n));
    y(n + 1) = y(1);
    return y;
}

bool polarPoint(SectionState& section, SectionSolution& sol, double angleDeg, const PolarSettings& settings,
                PolarPoint& point, std::string& error) {
    if (settings.dragModel == kLayerDragModel) {
        std::string why;
        if (!layerPolarPoint(sol, angleDeg, settings.re, point, why)) markNotComputed(point, why);
        return true;
    }
    const int32_t n = 2 * sol.halfPoints;
    const int32_t stag = stagnationPanel(sol.SurfVel.data(), n);
    const DragResult drag = dragEstimate(sol.NodeX.data(), sol.NodeY.data(), sol.SurfVel.data(), n, stag,
                                         angleDeg, settings.re, settings.dragModel);
    if (!drag.ok) {
        error = drag.error;
        return false;
    }
    // The lift is the panel lift of the displaced section, which carries the
    // thickness's share of the lift that thin-airfoil theory leaves out (about
    // 6 % of NACA 2412's at 4 degrees). Under the effective-angle model the
    // displaced section is solved at the effective angle.
    const double solveAngle = settings.useEffectiveAngle == 1 ? drag.effectiveAngleDeg : angleDeg;
    const CoupledFigures coupled =
        resolveCoupled(section, sol, drag, angleDeg, static_cast<float>(solveAngle), settings);

    point.angle = angleDeg;
    point.cl = sol.cl;
    point.cdTimes1000 = drag.cd * 1000.0;
    point.cm = coupled.cmQuarter;
    point.upperTransition = drag.transitionUpperX;
    point.lowerTransition = drag.transitionLowerX;
    point.notComputed.clear();
    // The last line: a row whose figures no section can have is kept as a
    // row not computed, with the reason, never as numbers.
    const std::string problem = coupled.notComputed.empty() ? polarRowProblem(point) : coupled.notComputed;
    if (!problem.empty()) markNotComputed(point, problem);
    return true;
}

std::string polarSweep(SectionState& section, int32_t panelCount, const PolarSettings& settings,
                       StoredPolar& polar) {
    polar.points.clear();
    const int32_t halfPoints = panelCount / 2;
    if (halfPoints < kMinHalfPoints) return "too few points about the section";

    // Every angle on the undisplaced section first: the section's influence
    // matrix is the same for all of them, so the solver factorises it once
    // instead of once per angle between the re-solves.
    std::vector<SectionSolution> solutions(kPolarPoints);
    for (int32_t k = 1; k <= kPolarPoints; ++k)
        solveSection(section, halfPoints, static_cast<float>(polarAngle(k)), solutions[k - 1]);

    if (settings.dragModel == kLayerDragModel) {
        std::vector<double> angles;
        for (int32_t k = 1; k <= kPolarPoints; ++k) angles.push_back(polarAngle(k));
        layerPolarSweep(solutions, angles, settings.re, polar.points);
        return {};
    }
    // The angles are independent of each other: they run on all cores, each
    // into its own slot, and are taken in order up to the first that failed.
    std::vector<PolarPoint> points(kPolarPoints);
    std::vector<std::string> errors(kPolarPoints);
    std::vector<char> done(kPolarPoints, 0);
    parallelFor(kPolarPoints, [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        done[k] = polarPoint(section, solutions[k], polarAngle(i + 1), settings, points[k], errors[k]);
    });
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (!done[k]) return errors[k];
        polar.points.push_back(points[k]);
    }
    return {};
}

std::string rowsNotComputed(const StoredPolar& polar) {
    std::string text;
    for (const PolarPoint& p : polar.points) {
        if (p.computed()) continue;
        if (!text.empty()) text += '\n';
        text += "the polar row at " + formatGeneral(p.angle) + " degrees is not computed: " + p.notComputed;
    }
    return text;
}

namespace {

// The wait cursor and status line of a sweep that takes seconds, ended however
// the sweep ends.
class SlowSweepNotice {
public:
    SlowSweepNotice(ViewSeam& seam, const PolarSettings& settings, const std::string& sectionName)
        : seam_(seam), shown_(settings.dragModel == kLayerDragModel) {
        if (!shown_) return;
        seam_.slowSweepStarting(" Computing the polar of " + sectionName +
                                " with the coupled boundary layer: 21 angles, a few seconds...");
    }
    ~SlowSweepNotice() {
        if (shown_) seam_.slowSweepEnded();
    }
    SlowSweepNotice(const SlowSweepNotice&) = delete;
    SlowSweepNotice& operator=(const SlowSweepNotice&) = delete;

private:
    ViewSeam& seam_;
    bool shown_;
};

}  // namespace

bool Polar(AppState& state, ViewSeam& seam, int32_t panelCount) {
    PolarStore& store = state.analysis.polars;
    store.truncate(state.analysis.polarCount);
    state.section.designationNumber = sectionNumberFromText(state.texts.sectionName);

    const PolarHeader header{state.texts.sectionName, state.texts.flapDeflection, state.texts.flapLength,
                             state.flow.reynolds};
    const PolarModel model{static_cast<int>(state.settings.dragModel), state.settings.useEffectiveAngle,
                           panelCount};
    if (store.find(header, model)) {
        state.analysis.polarCount = static_cast<int16_t>(store.count());
        return true;
    }
    StoredPolar& polar = store.add(header, model);
    state.analysis.polarCount = static_cast<int16_t>(store.count());

    const PolarSettings settings{state.flow.reynolds, static_cast<int>(state.settings.dragModel),
                                 state.settings.useEffectiveAngle};
    std::string stopped;
    {
        const SlowSweepNotice notice(seam, settings, state.texts.sectionName);
        stopped = polarSweep(state.section, panelCount, settings, polar);
    }
    if (!stopped.empty()) {
        seam.showMessage(kBoundaryLayerErrorMessage);
        return false;
    }
    if (const std::string rows = rowsNotComputed(polar); !rows.empty()) seam.notePolarRows(rows);
    return true;
}

}  // namespace aerolune
