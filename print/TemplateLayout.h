#pragma once
// Where the ribs of a template job go: each rib's outline scaled to its chord
// with the inner skin line, its label, and the sheets the ribs are laid out
// on. Ribs lie along the page (chord down the sheet) side by side across it;
// a rib longer than a sheet continues on further sheet rows.

#include <string>
#include <string_view>
#include <vector>

#include "print/TemplateSettings.h"

namespace aerolune::print {

/// One rib in the template's units: the outline with the leading edge at
/// X = 0 and the lowest point 1.5 label heights from Y = 0 (room for the
/// label beside it), and the inner line at the skin thickness.
struct RibOutline {
    std::vector<double> X, Y;            ///< outline, the contour's points in order
    std::vector<double> innerX, innerY;  ///< closed skin line (see skinLine); empty when there is none
    double thickness = 0.0;              ///< Y max - Y min
};

/// The rib of a chord from a closed contour (chord-normalised, last point
/// equal to the first): X = c x, Y = c y shifted, and its skin line.
/// \param x, y the contour, chords
/// \param chord the rib's chord, template units
/// \param skin skin thickness, template units
/// \param labelHeight text height of the label font, template units
RibOutline ribOutline(const std::vector<double>& x, const std::vector<double>& y, double chord, double skin,
                      double labelHeight);

/// "|__ NAME Airfoil #s: chord = c UNIT;  span location = p %  Page r".
/// \param name the section's name (the main window's airfoil field)
/// \param section 1-based rib number
/// \param chord the rib's chord, formatted "###0.00"
/// \param unitText " in." or " cm."
/// \param spanPercent formatted "##0.0"
/// \param pageRow 1-based sheet row
std::string ribLabel(std::string_view name, int section, double chord, std::string_view unitText,
                     double spanPercent, int pageRow);

/// The sheet a template job is printed on, in the template's units.
struct SheetSize {
    double width = 0.0;        ///< printable width
    double height = 0.0;       ///< printable height
    double labelHeight = 0.0;  ///< text height of the label font
    double reserved = 0.0;     ///< width kept free at the right for the calibration ruler
};

/// One rib on one sheet.
struct RibPlacement {
    int sheet = 0;    ///< 0-based sheet
    int row = 0;      ///< 0-based sheet row: the rib is drawn shifted up by row x sheet height
    int section = 1;  ///< 1-based rib number
    double chord = 0.0;
    double spanPercent = 0.0;
    double u = 0.0;  ///< left edge of the rib's strip (its label, then the rib)
};

/// More sheets than this is refused: nobody means to print a stack.
inline constexpr int kMaxTemplateSheets = 100;

struct TemplateLayout {
    std::vector<RibPlacement> ribs;
    int sheets = 0;
    std::string problem;  ///< why the job cannot be printed; empty when it can
};

/// Lays the ribs out row by row: a rib is placed again on every sheet row
/// its chord reaches into (as many rows as the longest chord needs), each
/// row starting on a fresh sheet; across a sheet the ribs follow each other with the gap between
/// them, and a rib that would run past the printable width (less the
/// reserved strip) starts the next sheet.
/// \param settings the checked dialog settings
/// \param unitThickness Y max - Y min of the contour, chords
/// \param sheet the sheet in the template's units
TemplateLayout layoutTemplates(const TemplateSettings& settings, double unitThickness,
                               const SheetSize& sheet);

}  // namespace aerolune::print
