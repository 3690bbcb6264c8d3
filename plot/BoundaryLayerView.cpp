#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "common/FormatPicture.h"
#include "plot/Blasius.h"
#include "plot/Graph.h"
#include "plot/NiceAxis.h"
#include "plot/Views.h"

namespace aerolune::plot {

namespace {

// Profile k of S on a surface of `count` profile stations, as the export
// picks them: upper station Int((k - 1) U / S) + 1, lower Int(k L / S), at least 1.
int profileStation(int k, int profiles, int count, bool upper) {
    const int s = upper ? (k - 1) * count / profiles + 1 : k * count / profiles;
    return std::clamp(s, 1, count);
}

double niceCeiling(double v) { return v > 0 && std::isfinite(v) ? v : 1.0; }

// Above this share of its outer value a profile has reached the layer's edge.
constexpr double kEdgeShare = 0.995;
// Room above the thickest layer drawn, as a share of its height, so the
// profiles bend over visibly below the top of the frame.
constexpr double kHeadroom = 0.25;

// Height at which the profile of station st reaches the layer's edge; the
// grid's top when it never does.
double edgeHeight(const BoundaryLayerSurface& surf, int st, int points) {
    const double outer = surf.profileU(points, st);
    for (int j = 1; j <= points; ++j)
        if (std::isfinite(surf.profileU(j, st)) && surf.profileU(j, st) >= kEdgeShare * outer)
            return surf.distance(j, st);
    return surf.distance(points, st);
}

struct Profile {
    std::vector<double> u, y;
};

// The profile of station st from the wall up to height top: the point past
// it is moved back along its segment onto the top, so the curve reaches the
// frame instead of stopping a segment short of it.
Profile profileBelow(const BoundaryLayerSurface& surf, int st, int points, double top) {
    Profile p;
    for (int j = 1; j <= points; ++j) {
        const double u = surf.velocityRatio(j, st), y = surf.distance(j, st);
        if (!(y > top) || p.y.empty()) {
            p.u.push_back(u);
            p.y.push_back(y);
            continue;
        }
        const double f = (top - p.y.back()) / (y - p.y.back());
        p.u.push_back(p.u.back() + f * (u - p.u.back()));
        p.y.push_back(top);
        break;
    }
    return p;
}

// Axes that hold the profiles drawn: the velocity from its least (reversed
// flow near separation is negative) to its greatest value, the height up to
// the thickest layer's edge with some room, both on round numbers.
void fitProfileAxes(GraphAxes& axes, const BoundaryLayerSurface& surf, const std::vector<int>& stations,
                    int points) {
    double uLo = 0, uHi = 1, top = 0, grid = 0;
    for (int st : stations) {
        for (int j = 1; j <= points; ++j) {
            const double u = surf.velocityRatio(j, st), y = surf.distance(j, st);
            if (std::isfinite(u)) {
                uLo = std::min(uLo, u);
                uHi = std::max(uHi, u);
            }
            if (std::isfinite(y)) grid = std::max(grid, y);
        }
        const double edge = edgeHeight(surf, st, points);
        if (std::isfinite(edge)) top = std::max(top, edge);
    }
    const AxisRange x = niceRange(uLo, uHi, 6);
    axes.xMin = x.lo, axes.xMax = x.hi, axes.xDivisions = x.divisions;
    top = std::min(niceCeiling(top) * (1 + kHeadroom), niceCeiling(grid));
    const AxisRange y = niceRange(0, top, 5);
    axes.yMin = y.lo, axes.yMax = y.hi, axes.yDivisions = y.divisions;
}

const char* const kKeyTitle = "Profile Station";

std::string keyLine(double x) { return "       x= " + formatPicture(x, "0.00"); }

// Pixels the station key needs right of the frame: a gap of one "X" before
// it and half of one after it.
double keyPixels(Surface& s, const BoundaryLayerSurface& surf, const std::vector<int>& stations) {
    s.setScaleUnits(ScaleUnits::Pixels);
    double widest = s.textWidth(kKeyTitle);
    for (int st : stations) widest = std::max(widest, s.textWidth(keyLine(surf.x(st))));
    return widest + 1.5 * s.textWidth("X");
}

// The key in the room right of the frame, from the frame's top down, each
// station's line in its profile's colour; rows that would leave the plot
// area are left out.
void drawKey(Surface& s, const BoundaryLayerSurface& surf, const std::vector<int>& stations,
             const std::vector<int>& colours, const GraphAxes& axes) {
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    const double h = down * s.textHeight("X");
    const double bottom = s.scaleTop() + s.scaleHeight();
    const double x = axes.xMax + s.textWidth("X");
    double y = axes.yMax;
    s.setDrawStyle(DrawStyle::Solid);
    s.setCurrent(x, y);
    s.printText(kKeyTitle);
    for (std::size_t k = 0; k < stations.size(); ++k) {
        if ((y + 2 * h - bottom) * down > 0) break;
        y += h;
        s.line(x, y + h / 2, x + s.textWidth("XX"), y + h / 2, colours[k]);
        s.setCurrent(x, y);
        s.printText(keyLine(surf.x(stations[k])));
    }
}

void drawProfiles(Surface& s, const BoundaryLayerSurface& surf, const BoundaryLayerSolution& bl, bool upper,
                  bool blasius, GraphAxes axes, PlotStyle style) {
    const int count = surf.profileStations();
    const int profiles = std::min(bl.profileCount, count);
    const int points = static_cast<int>(surf.profileU.rows());
    std::vector<int> stations;
    for (int k = 1; k <= profiles; ++k) stations.push_back(profileStation(k, profiles, count, upper));
    fitProfileAxes(axes, surf, stations, points);
    style.scaleGraph = true;  // the key goes right of the frame
    axes.legendPixels = keyPixels(s, surf, stations);

    // Frame, grid and titles once; every profile over them.
    graph(s, {{}, {}, style.foregroundIndex}, axes, style);
    axes.decorate = false;
    int colour = 8;
    std::vector<int> colours;
    for (int st : stations) {
        colour = colour >= 14 ? 9 : colour + 1;
        colours.push_back(colour);
        const Profile p = profileBelow(surf, st, points, axes.yMax);
        graph(s, {p.u, p.y, colour}, axes, style);
    }
    if (blasius && !stations.empty()) {
        // The flat-plate layer with the displacement thickness and edge
        // velocity of the first profile drawn that has a layer (the
        // stagnation point has none), dotted, to compare shapes.
        for (int st : stations) {
            if (!(surf.displacement(st) > 0)) continue;
            const BlasiusCurve b = blasiusProfile(surf.displacement(st), surf.Ue(st), axes.yMax);
            graph(s, {b.u, b.y, 15, 1, DrawStyle::Dot}, axes, style);
            break;
        }
    }
    drawKey(s, surf, stations, colours, guardedAxes(axes));
}

void drawAlong(Surface& s, const BoundaryLayerSurface& surf, int column, const GraphAxes& axes,
               DrawStyle style, const PlotStyle& ps) {
    std::vector<double> x, y;
    for (int i = 1; i <= surf.shown; ++i) {
        x.push_back(surf.s(i));
        y.push_back(surf.table(i, column));
    }
    graph(s, {x, y, 15, 1, style}, axes, ps);
}

}  // namespace

bool drawBoundaryLayerView(Surface& s, const AppState& state) {
    const PlotStyle style = plotStyleFrom(state);
    clearPlot(s, style);
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    if (!bl.ok) return false;
    const int opt = std::clamp(static_cast<int>(state.display.boundaryLayerPlot), 1, 6);
    const bool upper = opt % 2 == 1;
    const BoundaryLayerSurface& surf = upper ? bl.upper : bl.lower;
    const std::string side = upper ? "Upper Surface" : "Lower Surface";
    GraphAxes axes;
    axes.yMin = 0;
    axes.title = "CFD Boundary Layer Solution: Cl = " + formatPicture(bl.cl, "0.00000") +
                 "  Cd = " + formatPicture(bl.boundaryLayerCd, "#0.00000");
    if (opt <= 2) {
        axes.xTitle = "U/Uinf (" + side + ")";
        axes.yTitle = "Distance Above Surface";
        drawProfiles(s, surf, bl, upper, state.display.showBlasiusProfile, axes, style);
        return true;
    }
    axes.xMin = 0, axes.xMax = 1.2, axes.xDivisions = 6, axes.yDivisions = 5;
    axes.xTitle = "Arc Length (%c, " + side + ")";
    double lo = 10000000, hi = -1000000;
    const int column = opt <= 4 ? 2 : 4;  // displacement thickness, or friction
    for (int i = 1; i <= surf.shown; ++i) {
        const double v = surf.table(i, column);
        if (!std::isfinite(v)) continue;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (opt <= 4) {
        axes.yTitle = "Distance (Normal from Airfoil)";
        axes.yMax = niceCeiling(hi);
        drawAlong(s, surf, 2, axes, DrawStyle::Solid, style);  // displacement thickness
        axes.decorate = false;                                 // frame and titles drawn once
        drawAlong(s, surf, 3, axes, DrawStyle::Dot, style);    // momentum thickness, dotted
    } else {
        axes.yTitle = "Friction Coefficient";
        axes.yMin = lo <= hi ? lo : 0;
        axes.yMax = lo <= hi ? hi : 1;
        drawAlong(s, surf, 4, axes, DrawStyle::Solid, style);
    }
    return true;
}

}  // namespace aerolune::plot
