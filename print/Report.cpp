#include "print/Report.h"

#include <algorithm>
#include <cmath>

#include "analysis/FourierReport.h"
#include "analysis/LinAero.h"
#include "analysis/ResultBounds.h"
#include "common/FormatPicture.h"
#include "common/PrintForm.h"

namespace aerolune::print {

namespace {

constexpr const char* kNotComputed = "Not Comp.";
constexpr const char* kNotApplicable = "N/A";

// The cells one method gives for its lift and leading-edge moment.
struct MethodCells {
    std::string lift, cmLe, cmQuarter, centre;
};

MethodCells methodCells(double cl, double cm) {
    MethodCells c;
    c.lift = formatPicture(cl, "0.0###");
    c.cmLe = formatPicture(cm, "0.0###");
    // The quarter-chord moment as the moment about the leading edge moved by
    // the lift's arm; written with a division by the lift, so no lift, no cell.
    c.cmQuarter = cl != 0.0 ? formatPicture((0.25 + cm / cl) * cl, "0.0###") : kNotApplicable;
    c.centre = std::fabs(cl) > kCentreOfPressureMinLift ? formatPicture(-(cm / cl) * 100.0, "00") + "%c"
                                                        : kNotApplicable;
    return c;
}

MethodCells notComputed() { return {kNotComputed, kNotComputed, kNotComputed, kNotComputed}; }

// A method's figures no section can have are not printed as numbers.
MethodCells checkedCells(double cl, double cm) {
    if (!liftProblem(cl).empty() || !leadingEdgeMomentProblem(cm).empty()) return notComputed();
    return methodCells(cl, cm);
}

}  // namespace

std::vector<ReportLine> reportLines(const AppState& state) {
    const MainWindowTexts& t = state.texts;
    const MethodCells panel =
        checkedCells(state.section.panelCl.value_or(0.0), state.section.panelCmLeadingEdge.value_or(0.0));
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    const MethodCells layer = bl.ok ? checkedCells(bl.cl, bl.cmLe) : notComputed();
    const std::string cd =
        bl.ok ? formatPicture(state.analysis.boundaryLayerCd.value_or(0.0), "0.0#####") : kNotComputed;

    return {
        {{" Aerolune Report"}, 14},
        {{"    Angle of Attack:  " + t.angleReadout + ",   Flap Defl.: " + t.flapDeflection +
          ",   Flap Length: " + t.flapLength}},
        {{}},
        {{"", "Thin Airfoil", "Panel ", "Panel/B. Layer"}},
        {{"", "-----------------", "-------------", "------------------------"}},
        {{"    Lift Coeff", t.cl, panel.lift, layer.lift}},
        {{"    Cm (L.E.)", t.cmLeadingEdge, panel.cmLe, layer.cmLe}},
        {{"    Cm (c/4)", t.cmQuarterChord, panel.cmQuarter, layer.cmQuarter}},
        {{"    Angle (Cl=0)", t.zeroLiftAngle, kNotComputed, kNotComputed}},
        {{"    Cent. of Pres", t.centreOfPressure, panel.centre, layer.centre}},
        {{"    Drag Coefficient", kNotApplicable, t.cd, cd}},
        {{}},
        {{}},
    };
}

std::vector<ReportLine> fourierListingLines(const AppState& state) {
    std::vector<ReportLine> lines;
    const LinAero empty;
    const LinAero& aero = state.analysis.thinAirfoilModel ? *state.analysis.thinAirfoilModel : empty;
    for (const std::string& text : fourierReportLines(aero)) lines.push_back({{text}});
    return lines;
}

int reportZoneWidth(const std::vector<ReportLine>& lines) {
    std::size_t widest = kPrintZoneWidth - 1;
    for (const ReportLine& line : lines)
        for (std::size_t k = 0; k + 1 < line.zones.size(); ++k)
            widest = std::max(widest, line.zones[k].size());
    return static_cast<int>(widest) + 1;
}

std::string reportLineText(const ReportLine& line, int zoneWidth) {
    std::string text;
    for (std::size_t k = 0; k < line.zones.size(); ++k) {
        const std::size_t start = k * static_cast<std::size_t>(zoneWidth);
        if (text.size() < start) text.resize(start, ' ');
        text += line.zones[k];
    }
    return text;
}

namespace {

// The body text's size, points; the zones are counted in its characters.
constexpr double kBodyPoints = 8;
// The body text is never made smaller than this to fit: in a very small plot
// area the report runs past the edge rather than turning into specks.
constexpr double kSmallestReportPoints = 4;

// The zone width, world units, of the lines with their fonts scaled by
// `scale`: the text form's zone in average character widths, and never
// narrower than an item that is followed by another, so the columns stay
// aligned in any face.
double zoneWidth(plot::Surface& pt, plot::FontSpec font, const std::vector<ReportLine>& lines, double scale) {
    font.points = kBodyPoints * scale;
    pt.setFont(font);
    const double average = pt.textWidth("x");
    double zone = reportZoneWidth(lines) * average;
    for (const ReportLine& line : lines) {
        font.points = line.points * scale;
        pt.setFont(font);
        for (std::size_t k = 0; k + 1 < line.zones.size(); ++k)
            zone = std::max(zone, pt.textWidth(line.zones[k]) + average);
    }
    return zone;
}

// The right end, world units from the left edge, of the longest line.
double reportExtent(plot::Surface& pt, plot::FontSpec font, const std::vector<ReportLine>& lines,
                    double scale, double zone) {
    double extent = 0;
    for (const ReportLine& line : lines) {
        if (line.zones.empty()) continue;
        font.points = line.points * scale;
        pt.setFont(font);
        const std::size_t last = line.zones.size() - 1;
        extent = std::max(extent, last * zone + pt.textWidth(line.zones[last]));
    }
    return extent;
}

// The report's height, world units, with its fonts scaled by `scale`.
double reportHeight(plot::Surface& pt, plot::FontSpec font, const std::vector<ReportLine>& lines,
                    double scale) {
    double height = 0;
    for (const ReportLine& line : lines) {
        font.points = line.points * scale;
        pt.setFont(font);
        height += pt.textHeight("X");
    }
    return height;
}

// How much larger than its own sizes the report is drawn on a screen whose
// plot area has room for it: as large as the width and height allow, up to
// this factor (a maximised window's report reads from across the desk
// without turning into a poster).
constexpr double kLargestReportScale = 3;

// The factor that fits the report into the surface. A printed page holds the
// report at its own sizes; a narrow plot area gets it smaller rather than cut
// off at its right edge, a large one larger rather than lost in its top-left
// corner. Text widths do not scale exactly in proportion with the size, so
// the fit is checked and tightened.
double fitScale(plot::Surface& pt, const plot::FontSpec& font, const std::vector<ReportLine>& lines) {
    const double available = std::fabs(pt.scaleWidth());
    double scale = 1;
    if (!pt.isPrinter()) {
        const double wide = available / reportExtent(pt, font, lines, 1, zoneWidth(pt, font, lines, 1));
        const double tall = std::fabs(pt.scaleHeight()) / reportHeight(pt, font, lines, 1);
        const double room = 0.95 * std::min(wide, tall);
        if (std::isfinite(room)) scale = std::clamp(room, 1.0, kLargestReportScale);
    }
    for (int pass = 0; pass < 4; ++pass) {
        const double extent = reportExtent(pt, font, lines, scale, zoneWidth(pt, font, lines, scale));
        if (!(extent > available) || !(available > 0)) break;
        scale *= 0.99 * available / extent;
    }
    return std::max(scale, kSmallestReportPoints / kBodyPoints);
}

}  // namespace

void drawReport(plot::Surface& pt, const std::vector<ReportLine>& lines) {
    // Points with the origin at the top-left, whatever scale the last view
    // left behind: the report is text from the top-left corner down.
    pt.setScaleUnits(plot::ScaleUnits::Points);
    pt.clear();
    pt.setCurrent(pt.scaleLeft(), pt.scaleTop());
    plot::FontSpec font = pt.font();
    font.escapementDegrees = 0;
    const double scale = fitScale(pt, font, lines);
    const double zone = zoneWidth(pt, font, lines, scale);
    for (const ReportLine& line : lines) {
        font.points = line.points * scale;
        pt.setFont(font);
        for (std::size_t k = 0; k < line.zones.size(); ++k) {
            if (k > 0) pt.setCurrent(pt.scaleLeft() + k * zone, pt.currentY());
            pt.printText(line.zones[k]);
        }
        pt.newLine();
    }
}

}  // namespace aerolune::print
