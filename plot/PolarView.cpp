#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "common/FormatPicture.h"
#include "plot/Graph.h"
#include "plot/Views.h"

namespace aerolune::plot {

namespace {

GraphAxes polarAxes(int kind, double maxCd) {
    switch (kind) {
        case 2:
            return {-20, 20, -2, 2, 8, 8, "Angle of Attack (Deg.)", "Cl and Cm about c/4", "Cl/Cm vs AOA"};
        case 3:
            return {-1.6,
                    2.4,
                    0,
                    1,
                    10,
                    5,
                    "Lift Coefficient",
                    "Transition Location %c",
                    "Transition Pt. (--- Lower Surf.)"};
        default:
            return {-1.6, 2.4, 0, maxCd, 10, 8, "Lift Coefficient", "Cd X 1000", "Lift/Drag Polar"};
    }
}

template <typename Get>
std::vector<double> column(const StoredPolar& polar, Get get) {
    std::vector<double> out;
    for (const PolarPoint& p : polar.points) out.push_back(get(p));
    return out;
}

void drawPolar(Surface& s, const StoredPolar& polar, int kind, int colour, const GraphAxes& axes,
               const PlotStyle& style) {
    const auto cl = column(polar, [](const PolarPoint& p) { return p.cl; });
    if (kind == 2) {
        const auto angle = column(polar, [](const PolarPoint& p) { return p.angle; });
        graph(s, {angle, cl, colour}, axes, style);
        graph(s, {angle, column(polar, [](const PolarPoint& p) { return p.cm; }), colour}, axes, style);
    } else if (kind == 3) {
        graph(s, {cl, column(polar, [](const PolarPoint& p) { return p.upperTransition; }), colour}, axes,
              style);
        graph(s,
              {cl, column(polar, [](const PolarPoint& p) { return p.lowerTransition; }), colour, 1,
               DrawStyle::Dot},
              axes, style);
    } else {
        graph(s, {cl, column(polar, [](const PolarPoint& p) { return p.cdTimes1000; }), colour}, axes, style);
    }
}

std::string legendText(const PolarHeader& h) {
    std::string name = h.name.substr(0, 5);
    name.resize(5, ' ');
    std::string text = "     " + name + " (" + h.flapLength + "," + h.flapDeflection + ")";
    const int pad = 4 - static_cast<int>(h.flapLength.size() + h.flapDeflection.size());
    if (pad > 0) text.append(static_cast<std::size_t>(pad), ' ');
    return text + formatPicture(h.re, "0.00e+");
}

// The legend in the room the graphs left at their right.
void drawLegend(Surface& s, const PolarStore& store, const GraphAxes& axes, const PlotStyle& style) {
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    const double h = down * s.textHeight("X");
    const double x = axes.xMax + s.textWidth("X");
    const double bottom = s.scaleTop() + s.scaleHeight();
    double y = axes.yMax;
    s.setDrawStyle(DrawStyle::Solid);
    s.setCurrent(x, y);
    s.printText("       Airfoil  Flap     Re");
    for (int p = 0; p < store.count(); ++p) {
        y += h;
        if ((y + h - bottom) * down > 0) break;  // the next line would leave the plot area
        s.line(x, y + h / 2, x + s.textWidth("X"), y + h / 2, polarColour(p, style.whiteBackground()));
        s.setCurrent(x, y);
        s.printText(legendText(store[p].header));
    }
}

}  // namespace

int polarColour(int p, bool whiteBackground) { return whiteBackground ? 1 + p % 9 : 9 + p % 6; }

void drawPolarView(Surface& s, const AppState& state, int kind) {
    PlotStyle style = plotStyleFrom(state);
    style.scaleGraph = true;  // room for the legend
    clearPlot(s, style);
    GraphAxes axes = polarAxes(kind, state.pub.MaxCdSetting.toDouble());
    const PolarStore& store = state.analysis.polars;
    // Frame, grid and titles once, then every polar's curves over them.
    graph(s, {{}, {}, style.foregroundIndex}, axes, style);
    axes.decorate = false;
    for (int p = 0; p < store.count(); ++p)
        drawPolar(s, store[p], kind, polarColour(p, style.whiteBackground()), axes, style);
    drawLegend(s, store, guardedAxes(axes), style);
}

}  // namespace aerolune::plot
