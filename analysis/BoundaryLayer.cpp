#include "analysis/BoundaryLayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/BoundaryLayerPost.h"
#include "analysis/BoundaryLayerStations.h"
#include "analysis/PipelineSolve.h"
#include "analysis/ResultBounds.h"
#include "analysis/TrailingEdgeFlow.h"
#include "common/FormatPicture.h"
#include "common/NumberText.h"
#include "common/ParallelFor.h"
#include "numerics/blayer/Blayer2.h"

namespace aerolune {

namespace {

struct SolverSettings {
    double re = 0.0;
    int32_t points = 0;
    double limit = 0.0;
    double roughness = 0.0;
    int32_t model = 0;
};

std::string readSettings(const AppState& state, SolverSettings& set) {
    set.re = state.flow.reynolds;
    set.points = state.settings.boundaryLayerPoints;
    set.limit = state.settings.boundaryLayerHeight;
    set.roughness = state.flow.roughness;
    set.model = static_cast<int>(state.flow.transitionModel) - 1;
    if (!std::isfinite(set.re) || set.re < BlayerLimits::minReynolds)
        return "the Reynolds number " + formatGeneral(state.flow.reynolds) +
               " is too low for a boundary layer";
    if (set.points < BlayerLimits::minPoints || set.points > BlayerLimits::maxPoints)
        return "the number of points across the boundary layer is out of range";
    if (!(set.limit >= BlayerLimits::minLimit && set.limit <= BlayerLimits::maxLimit))
        return "the boundary-layer grid height is out of range";
    if (!std::isfinite(set.roughness)) return "the roughness is not a number";
    if (set.model < 0 || set.model > 2) return "no such transition model";
    return {};
}

// The section's nodes (closed with node 1) and panel velocities, copied so
// the re-solve can be handed its own arrays.
struct ContourCopy {
    Array1<float> nodeX, nodeY, SurfVel;
    PanelContour view() const {
        return {nodeX.data(), nodeY.data(), SurfVel.data(),
                SurfVel.size() > 0 ? static_cast<int32_t>(SurfVel.size()) : 0};
    }
};

std::string copyContour(const SectionState& sec, int32_t N, ContourCopy& c) {
    if (N < 4 || sec.nodeX.size() < N || sec.nodeY.size() < N || sec.surfaceSpeed.size() < N)
        return "there is no section solution to compute the boundary layer on";
    c.nodeX.resize(static_cast<std::size_t>(N) + 1);
    c.nodeY.resize(static_cast<std::size_t>(N) + 1);
    c.SurfVel.resize(static_cast<std::size_t>(N));
    for (int32_t i = 1; i <= N; ++i) {
        c.nodeX(i) = sec.nodeX(i);
        c.nodeY(i) = sec.nodeY(i);
        c.SurfVel(i) = sec.surfaceSpeed(i);
        if (!std::isfinite(c.nodeX(i)) || !std::isfinite(c.nodeY(i)) || !std::isfinite(c.SurfVel(i)))
            return "the section solution holds a value that is not a number";
    }
    c.nodeX(N + 1) = c.nodeX(1);
    c.nodeY(N + 1) = c.nodeY(1);
    return {};
}

// Blayer2 on the surface's finer marching steps (see marchingArrays); the
// results are kept at the surface's own stations.
std::string marchSurface(BoundaryLayerSurface& surface, const SolverSettings& set, int32_t substeps,
                         double maxStep) {
    MarchingArrays m = marchingArrays(surface, substeps, maxStep);
    int32_t steps = static_cast<int32_t>(m.s.size());
    const BlayerLayout layout = blayerLayout(steps, set.points);
    std::vector<double> profileU(layout.profileSize()), profileY(layout.profileSize()),
        wall(layout.stationOutSize()), table(layout.tableSize());
    int32_t rows = set.points, model = set.model;
    double re = set.re, roughness = set.roughness, limit = set.limit;
    Blayer2(m.s.data(), m.Ue.data(), &re, profileU.data(), profileY.data(), wall.data(), table.data(), &steps,
            &rows, &roughness, &model, &limit);
    if (rows < 1) return "the boundary layer cannot be started from the stagnation point";

    const int32_t n = surface.n, P = set.points;
    surface.rows = 0;
    while (surface.rows < n && m.step[static_cast<std::size_t>(surface.rows)] < rows) ++surface.rows;
    surface.table.resize(static_cast<std::size_t>(n), BlayerLayout::tableColumns);
    surface.profileU.resize(static_cast<std::size_t>(P), static_cast<std::size_t>(n));
    surface.profileY.resize(static_cast<std::size_t>(P), static_cast<std::size_t>(n));
    surface.transitionStation = 0;
    for (int32_t i = 1; i <= surface.rows; ++i) {
        const auto step = static_cast<std::size_t>(m.step[static_cast<std::size_t>(i - 1)]);
        for (int32_t col = 1; col <= BlayerLayout::tableColumns; ++col)
            surface.table(i, col) = table[step + static_cast<std::size_t>(steps) * (col - 1)];
        for (int32_t j = 1; j <= P; ++j) {
            surface.profileU(j, i) = profileU[static_cast<std::size_t>(j - 1) + P * step];
            surface.profileY(j, i) = profileY[static_cast<std::size_t>(j - 1) + P * step];
        }
        if (surface.transitionStation == 0 && surface.table(i, BlayerTurbulent) == 1.0)
            surface.transitionStation = i;
    }
    surface.shown = 1;
    while (surface.shown < n && surface.x(surface.shown + 1) <= kShownChordLimit) ++surface.shown;
    return {};
}

// The warning for a layer that separated before 90 % of the
// surface, at the chord position of the last station it reached. The surface
// is measured by arc length, not by counting stations: the panels crowd
// towards the trailing edge, where 90 % of the stations lie past 97 % of the
// chord, and the inviscid layer ends near there on every section.
void warnIfSeparated(BoundaryLayerSurface& surface, bool upper, ViewSeam& seam) {
    surface.separationX = surface.x(surface.rows);
    surface.separated = surface.s(surface.rows) < kSeparationWarningFraction * surface.s(surface.n);
    if (surface.separated) seam.showSeparationWarning(separationCaption(upper, surface.separationX));
}

// A layer that separates within the first 5 % of the chord has no trailing
// edge to take a drag from: the estimate scales the nose's momentum thickness
// up to the whole surface and gives a drag of 0.3 to 0.9. That is a failure
// to report, not a result.
constexpr double kNoseChord = 0.05;

std::string noseSeparation(const BoundaryLayerSurface& surface, bool upper) {
    if (surface.rows < 1 || surface.rows >= surface.n || surface.x(surface.rows) >= kNoseChord) return {};
    return std::string(upper ? "the upper" : "the lower") +
           " layer separates at the leading edge (x = " + formatPicture(surface.x(surface.rows), "0.000") +
           "): no drag can be estimated";
}

// A layer that separates at the nose is a result the user is told, with
// where it separates, even though no drag or lift can follow from it.
void reportNoseSeparation(BoundaryLayerSolution& sol, ViewSeam& seam) {
    for (bool upper : {false, true}) {
        BoundaryLayerSurface& surface = upper ? sol.upper : sol.lower;
        if (noseSeparation(surface, upper).empty()) continue;
        surface.separated = true;
        surface.separationX = surface.x(surface.rows);
        sol.noseSeparation = noSolutionPastSeparation(upper, surface.separationX);
        seam.showSeparationWarning(separationCaption(upper, surface.separationX));
        return;
    }
}

// newCLCm: the section re-solved on the displaced contour (Airfoil mode 1,
// the undisplaced ordinates as argument 6). The state's own inviscid
// solution is not touched.
std::string newCLCm(SectionState& sec, const ContourCopy& contour, BoundaryLayerSolution& sol) {
    const int32_t N = contour.view().N;
    Array1<float> nodeX = contour.nodeX, undisplaced = contour.nodeY, displaced = sol.displacedY;
    Array1<float> ctrl(static_cast<std::size_t>(N));
    sol.viscousVel.resize(static_cast<std::size_t>(N));
    callAirfoil(sec, N / 2, sec.angleDeg, kSolveDisplaced, nodeX.data(), ctrl.data(), displaced.data(),
                undisplaced.data(), sol.viscousVel.data(), sol.cl, sol.cmLe);
    if (!std::isfinite(sol.cl) || !std::isfinite(sol.cmLe))
        return "the re-solve on the displaced contour failed";
    return {};
}

// Both layers marched on the speeds of `speeds` from its stagnation point,
// each continued past its separation; `cd` receives the trailing-edge drag.
// The separation warning is the caller's.
std::string marchBoth(const ContourCopy& speeds, const SolverSettings& set, int32_t substeps, double maxStep,
                      int32_t stagHint, BoundaryLayerSolution& sol, double& cd) {
    const PanelContour c = speeds.view();
    const StagnationCrossing stag = locateStagnation(c, stagHint);
    if (stag.k == 0) return "the section solution has no stagnation point";
    sol.lower = BoundaryLayerSurface{};
    sol.upper = BoundaryLayerSurface{};
    surfaceStations(c, stag, false, sol.lower);
    surfaceStations(c, stag, true, sol.upper);
    applyViscousTrailingEdge({&sol.lower.x, &sol.lower.Ue, sol.lower.n},
                             {&sol.upper.x, &sol.upper.Ue, sol.upper.n});
    // The two surfaces march independently of each other, one per core;
    // their problems and drags are then taken lower surface first.
    std::string marchProblem[2];
    parallelFor(2, [&](int upper) {
        marchProblem[upper] = marchSurface(upper ? sol.upper : sol.lower, set, substeps, maxStep);
    });
    cd = 0.0;
    for (bool upper : {false, true}) {
        BoundaryLayerSurface& surface = upper ? sol.upper : sol.lower;
        if (!marchProblem[upper].empty()) return marchProblem[upper];
        if (std::string problem = noseSeparation(surface, upper); !problem.empty()) return problem;
        cd += trailingEdgeDragTerm(surface);
        continuePastSeparation(surface);
    }
    return {};
}

// Viscous-inviscid coupling by direct iteration, the classical direct method
// of the displacement-surface approach as reviewed by Lock and Williams
// (Prog. Aerospace Sci. 24, 1987): march the layers on the current edge
// speeds, displace the section by their displacement thickness, re-solve
// the displaced section, and take the new edge speeds from it, under-relaxed
// (Ue <- Ue + w (Ue_displaced - Ue)) since the plain iteration overshoots
// where the layer is thick. Marched on the inviscid speeds alone, the layer
// sees the full adverse gradient of the bare section over its rear, so the
// laminar layer separated and turned turbulent up to a tenth of the chord
// early at Re 1e6, and the station that first caught the separation (and so
// the drag) changed with the marching step. The displaced section's speeds
// soften that gradient. A fixed kCouplingSweeps sweeps on the section's own
// stations (the fine marching step is kept for the final march) bring the
// transition of NACA 0012, 2412 and 4412 at 0 to 4 degrees within 0.05 chord
// of the reference solver's in 12 of the 15 reference cases, against 7
// marched on the inviscid speeds. A sweep whose layer cannot be marched ends
// the coupling: the final march runs on the speeds reached so far.
constexpr int kCouplingSweeps = 2;
constexpr double kCouplingRelaxation = 0.75;
// The sweeps need only the displacement thickness, which 32 points across
// give nearly as well as more (boundaryLayerCd of the reference cases at 340 points
// and 64 across moves by up to 5.3 %, within 10 % of the reference either
// way) at half the cost.
constexpr int32_t kCouplingPointsAcross = 32;

void coupleSpeeds(SectionState& sec, const ContourCopy& contour, const SolverSettings& set, int32_t stagHint,
                  ContourCopy& speeds) {
    const int32_t N = contour.view().N;
    SolverSettings across = set;
    across.points = std::min(set.points, kCouplingPointsAcross);
    for (int sweep = 0; sweep < kCouplingSweeps; ++sweep) {
        BoundaryLayerSolution trial;
        double cd = 0.0;
        if (!marchBoth(speeds, across, 1, 0.0, stagHint, trial, cd).empty()) return;
        trial.displacedY = displacedOrdinates(contour.view(), trial.lower, trial.upper);
        if (!newCLCm(sec, contour, trial).empty()) return;
        for (int32_t i = 1; i <= N; ++i) {
            const double next =
                speeds.SurfVel(i) + kCouplingRelaxation * (trial.viscousVel(i) - speeds.SurfVel(i));
            if (!std::isfinite(next)) return;
            speeds.SurfVel(i) = static_cast<float>(next);
        }
    }
}

// The coupling of a finer section runs on the same section built with
// kCouplingPoints points, and the change it makes to the edge speed is
// carried over to the fine section's panels by their position along the
// contour, linearly, as a coarse-grid correction is carried to the fine grid
// in Brandt's multi-level method (Math. Comp. 31, 1977): the coarse level
// serves only the slowly varying interaction term. The displacement changes
// the speeds smoothly, over tenths of the chord, which the coarse section
// resolves, while the fine section keeps its own inviscid speeds with their
// sharper suction peak for the final march. Each sweep's march and re-solve
// then cost what they cost at 120 points whatever the section's point count:
// about 2 ms a sweep, against 12 ms on the 340-point section itself (the
// re-solve's factorisation grows with the cube of the points), where the two
// sweeps took three fifths of the routine's time. Nor did the fine sweeps
// bring the layer nearer the reference solver: at 340 points and 64 across,
// coupled on the section itself, boundaryLayerCd of the 15 reference cases was 0.97
// to 1.16 of the reference's and transition up to 0.15 chord early; coupled
// at 120 points, 0.97 to 1.07 and at most 0.08 chord early (0.07 at 120
// points).
constexpr int32_t kCouplingPoints = 120;

// Where each panel's control point lies along the contour from node 1,
// as a fraction of the contour's length.
std::vector<double> controlPointArc(const ContourCopy& c) {
    const int32_t N = c.view().N;
    std::vector<double> arc(static_cast<std::size_t>(N));
    double run = 0.0;
    for (int32_t i = 1; i <= N; ++i) {
        const double length = std::hypot(c.nodeX(i + 1) - c.nodeX(i), c.nodeY(i + 1) - c.nodeY(i));
        arc[static_cast<std::size_t>(i - 1)] = run + 0.5 * length;
        run += length;
    }
    for (double& a : arc) a = run > 0.0 ? a / run : 0.0;
    return arc;
}

// Velocity of panel i taken positive along the contour's node order, so that
// it runs on smoothly round the leading edge.
double alongContour(const ContourCopy& c, int32_t i, double v) { return i <= c.view().N / 2 ? -v : v; }

// The coarse section's speed change (coupled minus inviscid), interpolated
// linearly in contour position and added to the fine section's speeds; held
// at its end values beyond the coarse section's first and last panels.
void addSpeedChange(const ContourCopy& coarse, const ContourCopy& coupled, ContourCopy& fine) {
    const std::vector<double> from = controlPointArc(coarse), to = controlPointArc(fine);
    const auto M = static_cast<int32_t>(from.size());
    std::vector<double> change(from.size());
    for (int32_t i = 1; i <= M; ++i)
        change[static_cast<std::size_t>(i - 1)] =
            alongContour(coarse, i, coupled.SurfVel(i)) - alongContour(coarse, i, coarse.SurfVel(i));
    std::size_t k = 0;
    for (int32_t i = 1; i <= fine.view().N; ++i) {
        const double a = to[static_cast<std::size_t>(i - 1)];
        while (k + 2 < from.size() && from[k + 1] < a) ++k;
        const double t = std::clamp((a - from[k]) / (from[k + 1] - from[k]), 0.0, 1.0);
        const double dv = change[k] + t * (change[k + 1] - change[k]);
        fine.SurfVel(i) = static_cast<float>(fine.SurfVel(i) + alongContour(fine, i, dv));
    }
}

// The section built and solved with kCouplingPoints points; false when it
// cannot be (the caller then couples on the section itself).
bool coarseSection(SectionState& sec, ContourCopy& coarse) {
    const int32_t N = kCouplingPoints;
    coarse.nodeX.resize(static_cast<std::size_t>(N) + 1);
    coarse.nodeY.resize(static_cast<std::size_t>(N) + 1);
    coarse.SurfVel.resize(static_cast<std::size_t>(N));
    Array1<float> ctrl(static_cast<std::size_t>(N)), cp(static_cast<std::size_t>(N));
    float cl = 0.0f, cmLe = 0.0f;
    callAirfoil(sec, N / 2, sec.angleDeg, kBuildAndSolve, coarse.nodeX.data(), ctrl.data(),
                coarse.nodeY.data(), cp.data(), coarse.SurfVel.data(), cl, cmLe);
    coarse.nodeX(N + 1) = coarse.nodeX(1);
    coarse.nodeY(N + 1) = coarse.nodeY(1);
    // A section the builder cannot make, or a failed solve, leaves zeros.
    bool moving = false;
    for (int32_t i = 1; i <= N; ++i) {
        if (!std::isfinite(coarse.nodeX(i)) || !std::isfinite(coarse.nodeY(i)) ||
            !std::isfinite(coarse.SurfVel(i)))
            return false;
        moving = moving || coarse.SurfVel(i) != 0.0f;
    }
    return moving && std::isfinite(cl);
}

// The coupled edge speeds of the section `contour` (see above).
void coupledSpeeds(SectionState& sec, const ContourCopy& contour, const SolverSettings& set, int32_t stagHint,
                   ContourCopy& speeds) {
    speeds = contour;
    const int32_t N = contour.view().N;
    ContourCopy coarse;
    if (N <= kCouplingPoints || !coarseSection(sec, coarse) || locateStagnation(coarse.view(), 0).k == 0) {
        coupleSpeeds(sec, contour, set, stagHint, speeds);
        return;
    }
    const int32_t coarseHint =
        static_cast<int32_t>(std::lround(static_cast<double>(stagHint) * kCouplingPoints / N));
    ContourCopy coupled = coarse;
    coupleSpeeds(sec, coarse, set, coarseHint, coupled);
    addSpeedChange(coarse, coupled, speeds);
}

std::string solve(AppState& state, ViewSeam& seam, BoundaryLayerSolution& sol) {
    SolverSettings set;
    if (std::string problem = readSettings(state, set); !problem.empty()) return problem;
    const int32_t N = 2 * state.shared.HalfPoints;
    ContourCopy contour;
    if (std::string problem = copyContour(state.section, N, contour); !problem.empty()) return problem;
    const int32_t stagHint = state.analysis.stagnationIndex;
    if (locateStagnation(contour.view(), stagHint).k == 0)
        return "the section solution has no stagnation point";

    sol.panelCount = N;
    sol.pointsAcross = set.points;
    sol.profileCount = std::max(0, state.display.profileCount);
    ContourCopy speeds;
    coupledSpeeds(state.section, contour, set, stagHint, speeds);
    double cd = 0.0;
    if (std::string problem = marchBoth(speeds, set, marchingSubsteps(N), kMarchingStep, stagHint, sol, cd);
        !problem.empty()) {
        reportNoseSeparation(sol, seam);
        return problem;
    }
    warnIfSeparated(sol.lower, false, seam);
    warnIfSeparated(sol.upper, true, seam);

    sol.displacedY = displacedOrdinates(contour.view(), sol.lower, sol.upper);
    if (std::string problem = newCLCm(state.section, contour, sol); !problem.empty()) return problem;
    // The last line: figures no section can have are a failure, not a result.
    for (const std::string& problem :
         {liftProblem(sol.cl), leadingEdgeMomentProblem(sol.cmLe), dragProblem(cd)})
        if (!problem.empty()) return "the boundary layer's " + problem;
    sol.boundaryLayerCd = cd;
    sol.title = boundaryLayerTitle(sol.cl, sol.boundaryLayerCd);
    return {};
}

}  // namespace

std::string separationCaption(bool upper, double x) {
    return std::string(upper ? "Upper" : "Lower") + " Surface Seperation at x= " + formatPicture(x, "0.00");
}

std::string noSolutionPastSeparation(bool upper, double x) {
    return std::string(upper ? "The upper" : "The lower") +
           " boundary layer separates at x = " + formatPicture(x, "0.000") +
           ", at the leading edge: the layer cannot be marched past a separation there, so no "
           "boundary-layer drag or lift follows.";
}

std::string boundaryLayerTitle(double cl, double cd) {
    return "CFD Boundary Layer Solution: Cl = " + formatPicture(cl, "0.00000") +
           "  Cd = " + formatPicture(cd, "#0.00000");
}

bool BoundaryLayer(AppState& state, ViewSeam& seam) {
    const bool compute =
        state.settings.boundaryLayerRequested || state.shared.DialogCancelled.toDouble() == 0.0;
    if (!compute) return false;

    BoundaryLayerSolution next;
    next.airfoilBoundaryLayerViewEnabled = state.boundaryLayer.airfoilBoundaryLayerViewEnabled;
    const std::string problem = solve(state, seam, next);
    if (!problem.empty()) {
        state.boundaryLayer.ok = false;
        state.boundaryLayer.error = problem;
        state.boundaryLayer.noseSeparation = next.noseSeparation;
        seam.showMessage(next.noseSeparation.empty() ? kBoundaryLayerErrorMessage : next.noseSeparation);
        return false;
    }
    next.ok = true;
    next.airfoilBoundaryLayerViewEnabled = true;
    state.analysis.boundaryLayerCd = next.boundaryLayerCd;
    seam.setStatus(next.title);
    state.boundaryLayer = std::move(next);
    return true;
}

}  // namespace aerolune
