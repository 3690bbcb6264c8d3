#include "print/RibTemplates.h"

#include <algorithm>

#include "print/CalibrationRuler.h"
#include "print/TemplateLayout.h"

namespace aerolune::print {

namespace {

// Lines through the points, shifted onto the sheet: the rib lies along the
// page, so its chord (X) runs down the sheet and its thickness (Y) across.
void drawRibLine(plot::Surface& page, const std::vector<double>& X, const std::vector<double>& Y, double u,
                 double rowShift, plot::DrawStyle style) {
    page.setDrawWidth(1);
    page.setDrawStyle(style);
    for (std::size_t i = 0; i + 1 < X.size(); ++i)
        page.line(Y[i] + u, X[i] - rowShift, Y[i + 1] + u, X[i + 1] - rowShift, plot::kBlack);
}

double unitThickness(const TemplateJob& job) {
    if (job.y.empty()) return 0.0;
    const auto [lo, hi] = std::minmax_element(job.y.begin(), job.y.end());
    return *hi - *lo;
}

}  // namespace

TemplateJob templateJob(const AppState& state, const TemplateSettings& settings) {
    TemplateJob job{settings, state.texts.sectionName, {}, {}};
    const int n = state.shared.TotalPoints.toInt();
    const SectionState& sec = state.section;
    if (n < 2 || sec.nodeX.size() < n || sec.nodeY.size() < n) return job;
    for (int i = 1; i <= n + 1; ++i) {
        const int k = i <= n ? i : 1;
        job.x.push_back(sec.nodeX(k));
        job.y.push_back(sec.nodeY(k));
    }
    return job;
}

std::string printRibTemplates(plot::Surface& page, const TemplateJob& job) {
    const TemplateSettings& settings = job.settings;
    page.setScaleUnits(settings.centimetres ? plot::ScaleUnits::Centimetres : plot::ScaleUnits::Inches);
    plot::FontSpec label = page.font();  // the printer's own face
    label.points = 8;
    label.escapementDegrees = 0;
    page.setFont(label);
    SheetSize sheet;
    sheet.width = page.scaleWidth();
    sheet.height = page.scaleHeight();
    sheet.labelHeight = page.textHeight("c");
    sheet.reserved = rulerStripWidth(settings.centimetres);
    if (job.x.size() < 2 || job.x.size() != job.y.size()) return "There is no section contour to print.";
    if (const std::string skin = skinProblem(settings, unitThickness(job)); !skin.empty()) return skin;
    const TemplateLayout layout = layoutTemplates(settings, unitThickness(job), sheet);
    if (!layout.problem.empty()) return layout.problem;

    label.escapementDegrees = -90;  // running down the page beside its rib
    int sheetShown = -1;
    for (const RibPlacement& rib : layout.ribs) {
        if (rib.sheet != sheetShown) {
            if (sheetShown >= 0) page.newPage();
            sheetShown = rib.sheet;
            drawCalibrationRuler(page, settings.centimetres, sheet.width, sheet.height);
        }
        const RibOutline outline = ribOutline(job.x, job.y, rib.chord, settings.skin, sheet.labelHeight);
        page.setFont(label);
        page.setCurrent(rib.u + sheet.labelHeight, 0.0);
        page.printText(
            ribLabel(job.name, rib.section, rib.chord, settings.unitText(), rib.spanPercent, rib.row + 1));
        const double shift = rib.row * sheet.height;
        drawRibLine(page, outline.X, outline.Y, rib.u, shift, plot::DrawStyle::Solid);
        drawRibLine(page, outline.innerX, outline.innerY, rib.u, shift, plot::DrawStyle::Dash);
    }
    page.setDrawStyle(plot::DrawStyle::Solid);
    return {};
}

}  // namespace aerolune::print
