#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "common/FormatPicture.h"
#include "plot/Blasius.h"
#include "plot/Graph.h"
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

void drawProfiles(Surface& s, const BoundaryLayerSurface& surf, const BoundaryLayerSolution& bl, bool upper,
                  bool blasius, GraphAxes axes, const PlotStyle& style) {
    const int count = surf.profileStations();
    const int profiles = std::min(bl.profileCount, count);
    const int points = static_cast<int>(surf.profileU.rows());
    std::vector<int> stations;
    for (int k = 1; k <= profiles; ++k) stations.push_back(profileStation(k, profiles, count, upper));
    double top = 0;
    for (int st : stations)
        for (int j = 1; j <= points; ++j)
            if (std::isfinite(surf.distance(j, st))) top = std::max(top, surf.distance(j, st));
    axes.yMax = niceCeiling(top);

    int colour = 8;
    std::vector<int> colours;
    for (int st : stations) {
        colour = colour >= 14 ? 9 : colour + 1;
        colours.push_back(colour);
        std::vector<double> u, y;
        for (int j = 1; j <= points; ++j) {
            u.push_back(surf.velocityRatio(j, st));
            y.push_back(surf.distance(j, st));
        }
        graph(s, {u, y, colour}, axes, style);
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
    // The key at the right edge of the plot area.
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    const double x = s.scaleLeft() + s.scaleWidth() - s.textWidth("XXXXXXXXXXXXXXX");
    const double h = down * s.textHeight("X");
    s.setDrawStyle(DrawStyle::Solid);
    s.setCurrent(x, s.scaleTop() + 2 * h);
    s.printText("Profile Station");
    for (std::size_t k = 0; k < stations.size(); ++k) {
        const double y = s.scaleTop() + (3 + static_cast<double>(k)) * h;
        s.line(x, y + h / 2, x + s.textWidth("XX"), y + h / 2, colours[k]);
        s.setCurrent(x, y);
        s.printText("       x= " + formatPicture(surf.x(stations[k]), "0.00"));
    }
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
    const int opt = std::clamp(state.pub.boundaryLayerPlot.toInt(), 1, 6);
    const bool upper = opt % 2 == 1;
    const BoundaryLayerSurface& surf = upper ? bl.upper : bl.lower;
    const std::string side = upper ? "Upper Surface" : "Lower Surface";
    GraphAxes axes;
    axes.yMin = 0;
    axes.title = "CFD Boundary Layer Solution: Cl = " + formatPicture(bl.cl, "0.00000") +
                 "  Cd = " + formatPicture(bl.boundaryLayerCd, "#0.00000");
    if (opt <= 2) {
        axes.xMin = 0, axes.xMax = 4, axes.xDivisions = 4, axes.yDivisions = 5;
        axes.xTitle = "U/Uinf (" + side + ")";
        axes.yTitle = "Distance Above Surface";
        drawProfiles(s, surf, bl, upper, state.pub.DisplayBlasius.toInt() == 1, axes, style);
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
