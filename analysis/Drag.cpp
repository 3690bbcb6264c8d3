#include "analysis/Drag.h"

#include <cmath>
#include <numbers>

#include "analysis/EffectiveAngle.h"
#include "analysis/TrailingEdgeFlow.h"

namespace aerolune {

namespace {

// The least point count at which the stagnation point is looked for on the
// front half of the chord only.
constexpr int32_t kFrontHalfLeast = 8;

struct Contour {
    View1<const float> x, y, v;
    int32_t n;

    // Node j of the closed contour (node n + 1 is node 1).
    double nodeX(int32_t j) const { return x(j > n ? 1 : j); }
    double nodeY(int32_t j) const { return y(j > n ? 1 : j); }
    // Control point of panel i: the midpoint of nodes i and i + 1.
    double ctrlX(int32_t i) const { return 0.5 * (nodeX(i) + nodeX(i + 1)); }
    double ctrlY(int32_t i) const { return 0.5 * (nodeY(i) + nodeY(i + 1)); }
};

// Stations through the given panels in order, closed by the trailing-edge node.
SurfaceStations stationsThrough(const Contour& c, int32_t stag, int32_t step, int32_t panels) {
    SurfaceStations st;
    st.n = panels + 1;
    st.s.resize(st.n);
    st.Ue.resize(st.n);
    st.x.resize(st.n);
    double px = c.ctrlX(stag), py = c.ctrlY(stag);
    for (int32_t k = 1; k <= panels; ++k) {
        const int32_t i = stag + step * (k - 1);
        const double qx = c.ctrlX(i), qy = c.ctrlY(i);
        st.s(k) = k == 1 ? 0.0 : st.s(k - 1) + std::hypot(qx - px, qy - py);
        st.Ue(k) = std::fabs(c.v(i));
        st.x(k) = qx;
        px = qx;
        py = qy;
    }
    const double tx = c.nodeX(1), ty = c.nodeY(1);
    st.s(st.n) = st.s(panels) + std::hypot(tx - px, ty - py);
    st.Ue(st.n) = st.Ue(panels);
    st.x(st.n) = tx;
    return st;
}

Contour contourOf(const float* nodeX, const float* nodeY, const float* SurfVel, int32_t panelCount) {
    return Contour{View1<const float>(nodeX, panelCount), View1<const float>(nodeY, panelCount),
                   View1<const float>(SurfVel, panelCount), panelCount};
}

// Separated length of a surface whose layer stopped before the last station but one.
double separatedLength(const SurfaceStations& st, const SurfaceBoundaryLayerResult& bl) {
    if (bl.lastStation >= st.n - 1) return 0.0;
    return std::fabs(st.s(st.n) - st.s(bl.lastStation));
}

std::string invalidContour(const float* nodeX, const float* nodeY, const float* SurfVel, int32_t panelCount,
                           int32_t stag) {
    if (!nodeX || !nodeY || !SurfVel) return "no section to estimate the drag of";
    if (panelCount < 4) return "too few points about the section";
    if (stag < 1 || stag > panelCount) return "no stagnation point on the section";
    for (int32_t i = 0; i < panelCount; ++i) {
        if (!std::isfinite(nodeX[i]) || !std::isfinite(nodeY[i]) || !std::isfinite(SurfVel[i]))
            return "the surface solution holds a value that is not a number";
    }
    return {};
}

}  // namespace

SurfaceStations lowerSurfaceStations(const float* nodeX, const float* nodeY, const float* SurfVel,
                                     int32_t panelCount, int32_t stag) {
    return stationsThrough(contourOf(nodeX, nodeY, SurfVel, panelCount), stag, -1, stag);
}

SurfaceStations upperSurfaceStations(const float* nodeX, const float* nodeY, const float* SurfVel,
                                     int32_t panelCount, int32_t stag) {
    return stationsThrough(contourOf(nodeX, nodeY, SurfVel, panelCount), stag, +1, panelCount - stag + 1);
}

int32_t stagnationPanel(const float* SurfVel, int32_t panelCount) {
    double smallest = 10000.0;
    int32_t stag = 0;
    // A closed trailing edge is a stagnation point of the potential flow too,
    // and on a wide edge angle (a blunt base closed off) its panels' speeds
    // can fall below those at the front: the layers were then marched from
    // the trailing edge round the whole section. The front one lies on the
    // front half of the chord, the panels panelCount/4 .. 3 panelCount/4 of the
    // cosine stations.
    const int32_t first = panelCount >= kFrontHalfLeast ? panelCount / 4 : 1;
    const int32_t last = panelCount >= kFrontHalfLeast ? panelCount - panelCount / 4 + 1 : panelCount;
    for (int32_t i = first; i <= last; ++i) {
        const double v = std::fabs(SurfVel[i - 1]);
        if (v <= smallest) {
            smallest = v;
            stag = i;
        }
    }
    return stag;
}

int32_t dragStagnationPoint(const float* SurfVel, int32_t panelCount) {
    const int32_t stag = stagnationPanel(SurfVel, panelCount);
    return stag == panelCount / 2 + 1 ? panelCount / 2 : stag;
}

double trailingEdgeSlopeDegrees(double dx, double dy) {
    const double halfPi = std::numbers::pi / 2.0;
    const double slope = std::fabs(dy) >= halfPi * std::fabs(dx) ? halfPi : std::fabs(dy) / std::fabs(dx);
    return slope * 180.0 / std::numbers::pi;
}

DragResult dragEstimate(const float* nodeX, const float* nodeY, const float* SurfVel, int32_t panelCount,
                        int32_t stagPoint, double angleDeg, double re, int32_t polarSolution) {
    DragResult r;
    r.stagPoint = stagPoint;
    r.effectiveAngleDeg = angleDeg;
    r.error = invalidContour(nodeX, nodeY, SurfVel, panelCount, stagPoint);
    if (!r.error.empty()) return r;

    // Both surfaces from the stagnation point, with the trailing-edge
    // flow of the viscous layers rather than the inviscid stagnation point.
    r.lowerStations = lowerSurfaceStations(nodeX, nodeY, SurfVel, panelCount, stagPoint);
    r.upperStations = upperSurfaceStations(nodeX, nodeY, SurfVel, panelCount, stagPoint);
    applyViscousTrailingEdge({&r.lowerStations.x, &r.lowerStations.Ue, r.lowerStations.n},
                             {&r.upperStations.x, &r.upperStations.Ue, r.upperStations.n});
    r.lower =
        SurfaceBoundaryLayer(r.lowerStations.Ue, r.lowerStations.s, r.lowerStations.n, re, polarSolution);
    if (!r.lower.ok) {
        r.error = r.lower.error;
        return r;
    }
    r.upper =
        SurfaceBoundaryLayer(r.upperStations.Ue, r.upperStations.s, r.upperStations.n, re, polarSolution);
    if (!r.upper.ok) {
        r.error = r.upper.error;
        return r;
    }
    r.transitionLowerX = r.lowerStations.x(r.lower.TransitionPoint);
    r.transitionUpperX = r.upperStations.x(r.upper.TransitionPoint);

    // Separated lengths and the angle corrections they bring.
    const Contour c = contourOf(nodeX, nodeY, SurfVel, panelCount);
    if (angleDeg < 0.0) {
        r.Ll = separatedLength(r.lowerStations, r.lower);
        const double theta_te = trailingEdgeSlopeDegrees(c.nodeX(2) - c.nodeX(1), c.nodeY(2) - c.nodeY(1));
        r.cl = 0.5 * r.Ll * (std::fabs(angleDeg) + theta_te);
    }
    if (angleDeg > 0.0) {
        r.Lu = separatedLength(r.upperStations, r.upper);
        const double theta_te = trailingEdgeSlopeDegrees(c.nodeX(panelCount + 1) - c.nodeX(panelCount),
                                                         c.nodeY(panelCount + 1) - c.nodeY(panelCount));
        r.cu = -0.5 * r.Lu * (angleDeg + theta_te);
    }

    // The drag of both surfaces and the effective angle.
    r.cd = r.lower.drag + r.upper.drag;
    const double correction = r.cl + r.cu;
    r.effectiveAngleDeg =
        correction == 0.0
            ? angleDeg
            : effectiveAngle(angleDeg, contourZeroLiftAngle(nodeX, nodeY, panelCount), correction);
    r.stalled = (r.Ll > 0.5 || r.Lu > 0.5) ? 1 : 0;
    // Whatever the cause, a figure that is not a number is a failure to
    // report, never a result to show.
    if (!std::isfinite(r.cd) || !std::isfinite(r.effectiveAngleDeg)) {
        r.error = "the drag estimate is not a finite number";
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace aerolune
