#include "print/TemplateLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/FormatPicture.h"
#include "print/SkinLine.h"

namespace aerolune::print {

RibOutline ribOutline(const std::vector<double>& x, const std::vector<double>& y, double chord, double skin,
                      double labelHeight) {
    RibOutline rib;
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0) return rib;
    rib.X.resize(n);
    rib.Y.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        rib.X[i] = chord * x[i];
        rib.Y[i] = chord * y[i];
    }
    const auto [lo, hi] = std::minmax_element(rib.Y.begin(), rib.Y.end());
    const double yMin = *lo;
    rib.thickness = *hi - yMin;
    for (double& v : rib.Y) v = v - yMin + 1.5 * labelHeight;

    Polyline inner = skinLine(rib.X, rib.Y, skin);
    rib.innerX = std::move(inner.x);
    rib.innerY = std::move(inner.y);
    return rib;
}

std::string ribLabel(std::string_view name, int section, double chord, std::string_view unitText,
                     double spanPercent, int pageRow) {
    std::string label = "|__ ";
    label += name;
    label += " Airfoil #" + std::to_string(section) + ": chord = " + formatPicture(chord, "###0.00");
    label += unitText;
    label += ";  span location = " + formatPicture(spanPercent, "##0.0") + " % " + " Page " +
             std::to_string(pageRow);
    return label;
}

TemplateLayout layoutTemplates(const TemplateSettings& settings, double unitThickness,
                               const SheetSize& sheet) {
    TemplateLayout layout;
    const double width = sheet.width - sheet.reserved;
    const double margin = 1.5 * sheet.labelHeight;  // the label's strip before each rib
    if (!(sheet.height > 0.0 && width > 0.0)) {
        layout.problem = "The page has no printable area.";
        return layout;
    }
    const double rows = std::floor(settings.longestChord() / sheet.height) + 1.0;
    if (!(rows <= kMaxTemplateSheets)) {
        layout.problem = "The chord is too long: the templates would need more than " +
                         std::to_string(kMaxTemplateSheets) + " sheets.";
        return layout;
    }
    const double thickest = settings.longestChord() * unitThickness;
    if (margin + thickest > width) {
        layout.problem =
            "The ribs are thicker than the width of the page; choose a wider paper or landscape.";
        return layout;
    }

    int sheetIndex = 0;
    bool used = false;  // something is on the current sheet
    for (int r = 0; r < static_cast<int>(rows); ++r) {
        // A row carries on the ribs longer than the rows above it; a rib that
        // ended on an earlier sheet is not placed (nor labelled) again.
        std::vector<int> present;
        for (int s = 1; s <= settings.sections; ++s)
            if (r == 0 || settings.chord(s) > r * sheet.height) present.push_back(s);
        if (present.empty()) continue;
        if (used) {  // every row starts a fresh sheet
            ++sheetIndex;
            used = false;
        }
        double u = 0.0;
        for (std::size_t k = 0; k < present.size(); ++k) {
            const int s = present[k];
            const double c = settings.chord(s);
            layout.ribs.push_back({sheetIndex, r, s, c, settings.spanPercent(s), u});
            used = true;
            u += c * unitThickness + settings.gap();
            // The next rib must fit whole, its label strip included.
            if (k + 1 < present.size() &&
                u + margin + settings.chord(present[k + 1]) * unitThickness > width) {
                ++sheetIndex;
                used = false;
                u = 0.0;
            }
        }
    }
    layout.sheets = used ? sheetIndex + 1 : sheetIndex;
    if (layout.sheets > kMaxTemplateSheets) {
        layout.ribs.clear();
        layout.problem = "The templates would need " + std::to_string(layout.sheets) + " sheets; at most " +
                         std::to_string(kMaxTemplateSheets) + " are printed in one job.";
        layout.sheets = 0;
    }
    return layout;
}

}  // namespace aerolune::print
