#pragma once
// The two text reports drawn in the plot area: the comparison of the
// aerodynamic coefficients of thin-airfoil theory, the panel method and the
// panel method with boundary layer, and the thin-airfoil Fourier listing.

#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "plot/Surface.h"

namespace aerolune::print {

/// One line of a report: its items, item k starting at print zone k + 1 (the
/// first at the left edge), in a font of the given size.
struct ReportLine {
    std::vector<std::string> zones;
    double points = 8;
};

/// The centre-of-pressure cells of the panel columns need a lift at least
/// this large, as the results panel's own centre of pressure does.
inline constexpr double kCentreOfPressureMinLift = 0.01;

/// The report's lines: the title, the inputs line, an empty line, the
/// column heads and their rule, the six rows and two empty lines. The thin
/// airfoil column shows the results panel's texts; the panel columns format
/// the panel and boundary-layer figures. A cell that would divide by a lift
/// of 0 (the quarter-chord moment) or by a lift too small to place the
/// centre of pressure shows "N/A"; the boundary-layer column shows "Not
/// Comp." throughout when the boundary layer has no current solution.
/// \param state the state after the recomputation of the report view
std::vector<ReportLine> reportLines(const AppState& state);

/// The Fourier listing's lines (one item each, 8-point font).
/// \param state the state whose AeroObject holds A0..A8
std::vector<ReportLine> fourierListingLines(const AppState& state);

/// A report line as plain text with print zones of `zoneWidth` characters.
std::string reportLineText(const ReportLine& line, int zoneWidth);

/// The print-zone width in characters that keeps every column of the lines
/// aligned: 14, or one more than the longest item that is followed by
/// another.
int reportZoneWidth(const std::vector<ReportLine>& lines);

/// Clears the surface and prints the lines from its top-left corner, a zone
/// being reportZoneWidth average character widths of the 8-point font. When
/// the longest line would run past the surface's right edge, every font is
/// made smaller in proportion (down to a 4-point body) so the report fits;
/// a surface wide enough, as a printed page, gets the report at its sizes.
/// \param pt the plot area
void drawReport(plot::Surface& pt, const std::vector<ReportLine>& lines);

}  // namespace aerolune::print
