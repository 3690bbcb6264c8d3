#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "common/FormatPicture.h"
#include "plot/Graph.h"
#include "plot/ReferenceMarkers.h"
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

struct Extent {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
};

// What the lift axis carries: lift (x of kinds 1 and 3), or lift and moment
// (y of kind 2), over every stored polar and every reference polar.
Extent liftAxisData(const PolarStore& store, std::span<const ReferencePolar> references, int kind) {
    Extent e;
    for (const StoredPolar& polar : store.polars())
        for (const PolarPoint& p : polar.points) {
            e.add(p.cl);
            if (kind == 2) e.add(p.cm);
        }
    for (const ReferencePolar& polar : references)
        for (const ReferencePoint& p : polar.points) {
            e.add(p.cl);
            if (kind == 2 && polar.hasCm) e.add(p.cm);
        }
    return e;
}

// The layout's fixed range when the data fit in it. Otherwise it is widened
// outwards to whole tick steps, the step doubled until there are no more
// divisions than before, so no curve is cut and the labels keep their room.
void fitRange(double& lo, double& hi, int& divisions, const Extent& data) {
    if (data.lo >= lo && data.hi <= hi) return;
    constexpr double eps = 1e-9;  // tick positions that are whole steps up to rounding
    const double wantLo = std::min(lo, data.lo);
    const double wantHi = std::max(hi, data.hi);
    double step = (hi - lo) / divisions;
    for (int doubling = 0; doubling < 64; ++doubling, step *= 2) {
        const double newLo = std::floor(wantLo / step + eps) * step;
        const double newHi = std::ceil(wantHi / step - eps) * step;
        const int n = static_cast<int>(std::lround((newHi - newLo) / step));
        if (n <= divisions) {
            lo = newLo;
            hi = newHi;
            divisions = n;
            return;
        }
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

// A polar's legend row: the name and flap labels, then the Reynolds number.
struct LegendRow {
    std::string lead, re;
};

// The model's letter after the number tells apart polars of one section
// computed with different models.
LegendRow legendRow(const StoredPolar& polar) {
    const PolarHeader& h = polar.header;
    std::string name = h.name.substr(0, 5);
    name.resize(5, ' ');
    std::string lead = "     " + name + " (" + h.flapLength + "," + h.flapDeflection + ")";
    const int pad = 4 - static_cast<int>(h.flapLength.size() + h.flapDeflection.size());
    if (pad > 0) lead.append(static_cast<std::size_t>(pad), ' ');
    return {lead, formatPicture(h.re, "0.00e+") + " " + polar.model.letter()};
}

// A reference polar's row: its title where ours show section and flap, and
// its Reynolds number when the file gives one.
LegendRow legendRow(const ReferencePolar& polar) {
    constexpr std::size_t kTitleChars = 17;  // as wide as a polar's labels
    std::string lead = "     " + polar.title.substr(0, kTitleChars);
    lead.resize(5 + kTitleChars + 1, ' ');
    return {lead, polar.reynolds ? formatPicture(*polar.reynolds, "0.00e+") : std::string()};
}

constexpr const char* kLegendHeader = "       Airfoil  Flap     Re";

// The legend's rows: the stored polars', then the reference polars'.
std::vector<LegendRow> legendRows(const PolarStore& store, std::span<const ReferencePolar> references) {
    std::vector<LegendRow> rows;
    std::size_t lead = 0;
    for (int p = 0; p < store.count(); ++p) {
        rows.push_back(legendRow(store[p]));
        lead = std::max(lead, rows.back().lead.size());
    }
    // A reference's number in line with the polars' above it.
    for (const ReferencePolar& polar : references) {
        rows.push_back(legendRow(polar));
        if (rows.back().lead.size() < lead) rows.back().lead.resize(lead, ' ');
    }
    return rows;
}

// The legend's lines: the header, then one line per row, or two (the
// number under the labels) when wrapped.
std::vector<std::string> legendLines(const std::vector<LegendRow>& rows, bool wrapped) {
    std::vector<std::string> lines{kLegendHeader};
    for (const LegendRow& row : rows) {
        if (!wrapped) {
            lines.push_back(row.lead + row.re);
            continue;
        }
        lines.push_back(row.lead);
        lines.push_back(row.re);
    }
    return lines;
}

double widest(const Surface& s, const std::vector<std::string>& lines) {
    double w = 0;
    for (const std::string& line : lines) w = std::max(w, s.textWidth(line));
    return w;
}

// Pixels the legend needs right of the frame at the current font: a gap of
// one "X" before it and half of one after it.
double legendPixels(Surface& s, const std::vector<std::string>& lines) {
    s.setScaleUnits(ScaleUnits::Pixels);
    return widest(s, lines) + 1.5 * s.textWidth("X");
}

// Whether the rows go on two lines each: when one line per polar needs more
// than the room the graph leaves a legend (a default-sized window), the font
// would have to shrink below legibility; the number under the labels keeps
// the surface's font there.
bool wrapLegend(Surface& s, const std::vector<LegendRow>& rows) {
    s.setScaleUnits(ScaleUnits::Pixels);
    return legendPixels(s, legendLines(rows, false)) > kLegendShare * s.scaleWidth();
}

// A smaller font while the widest line runs past the right edge of the plot
// area (a narrow window, a long flap label); not below a size still legible.
void shrinkToFit(Surface& s, const std::vector<std::string>& lines, double room) {
    constexpr double smallestPoints = 5;
    FontSpec font = s.font();
    double& size = font.pixels > 0 ? font.pixels : font.points;
    const double smallest = font.pixels > 0 ? smallestPoints * 96 / 72 : smallestPoints;
    for (double w = widest(s, lines); w > room && size > smallest; w = widest(s, lines)) {
        size = std::max(smallest, std::min(size - 0.5, size * room / w));
        s.setFont(font);
    }
}

// The legend in the room the graphs left at their right: the header, then
// each polar's swatch (a line for ours, a marker for a reference) and row
// for as long as the row fits in the plot area.
void drawLegend(Surface& s, const std::vector<LegendRow>& rows, int polarCount, bool wrapped,
                const GraphAxes& axes, const PlotStyle& style) {
    const std::vector<std::string> lines = legendLines(rows, wrapped);
    const FontSpec callers = s.font();
    const double x = axes.xMax + s.textWidth("X");
    shrinkToFit(s, lines, s.scaleLeft() + s.scaleWidth() - x - s.textWidth("X") / 2);
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    const double h = down * s.textHeight("X");
    const double bottom = s.scaleTop() + s.scaleHeight();
    const int perRow = wrapped ? 2 : 1;
    double y = axes.yMax;
    s.setDrawStyle(DrawStyle::Solid);
    s.setCurrent(x, y);
    s.printText(kLegendHeader);
    for (int p = 0; p < static_cast<int>(rows.size()); ++p) {
        if ((y + (perRow + 1) * h - bottom) * down > 0) break;  // the row would leave the plot area
        y += h;
        if (p < polarCount)
            s.line(x, y + h / 2, x + s.textWidth("X"), y + h / 2, polarColour(p, style.whiteBackground()));
        else
            drawReferenceSwatch(s, x + s.textWidth("X") / 2, y + h / 2,
                                referenceColour(p - polarCount, style.whiteBackground()));
        const std::size_t first = 1 + static_cast<std::size_t>(p * perRow);
        s.setCurrent(x, y);
        s.printText(lines[first]);
        if (!wrapped) continue;
        y += h;
        // Ending where the header's "Re" ends: the labels' line above is
        // often the wider one, and the number belongs under its heading.
        s.setCurrent(x + s.textWidth(kLegendHeader) - s.textWidth(lines[first + 1]), y);
        s.printText(lines[first + 1]);
    }
    s.setFont(callers);
}

}  // namespace

int polarColour(int p, bool whiteBackground) { return whiteBackground ? 1 + p % 9 : 9 + p % 6; }

void drawPolarView(Surface& s, const AppState& state, int kind, std::span<const ReferencePolar> references) {
    PlotStyle style = plotStyleFrom(state);
    style.scaleGraph = true;  // room for the legend
    clearPlot(s, style);
    GraphAxes axes = polarAxes(kind, state.display.polarCdLimit);
    const PolarStore& store = state.analysis.polars;
    if (kind == 2)
        fitRange(axes.yMin, axes.yMax, axes.yDivisions, liftAxisData(store, references, kind));
    else
        fitRange(axes.xMin, axes.xMax, axes.xDivisions, liftAxisData(store, references, kind));
    const std::vector<LegendRow> rows = legendRows(store, references);
    const bool wrapped = wrapLegend(s, rows);
    axes.legendPixels = legendPixels(s, legendLines(rows, wrapped));
    // Frame, grid and titles once, then every polar's curves over them and
    // the reference polars' markers over those.
    graph(s, {{}, {}, style.foregroundIndex}, axes, style);
    axes.decorate = false;
    for (int p = 0; p < store.count(); ++p)
        drawPolar(s, store[p], kind, polarColour(p, style.whiteBackground()), axes, style);
    const GraphAxes drawn = guardedAxes(axes);
    for (std::size_t r = 0; r < references.size(); ++r)
        drawReferenceMarkers(s, references[r], kind,
                             referenceColour(static_cast<int>(r), style.whiteBackground()), drawn);
    drawLegend(s, rows, store.count(), wrapped, drawn, style);
}

}  // namespace aerolune::plot
