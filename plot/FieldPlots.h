#pragma once
// The field views: the O-mesh (6), streamlines (4) and pressure-coefficient
// contours (5), drawn at equal scale in the view's zoom window from what the
// grid-and-flow routine computed.

#include <utility>
#include <vector>

#include "analysis/FieldData.h"
#include "plot/FieldWindow.h"
#include "plot/Surface.h"

namespace aerolune::plot {

/// The legend's title line.
inline constexpr const char* kPressureLegendTitle = "Pressure Coefficient";

/// The surface colour of a level colour.
Colour levelColour(const LevelColour& colour);

/// Sets the equal-scale window on the surface: the window's x range across
/// the whole width, the y range re-centred to the height the plot area's
/// aspect gives. Returns that window, for the caller to store back.
FieldWindow setEqualScale(Surface& surface, const FieldWindow& window);

/// The mesh view: every ring and every radial line, width 1, solid.
/// \param window the mesh window; receives the y range drawn
/// \param foreground palette index of the foreground colour
void drawMesh(Surface& surface, const FieldMesh& mesh, FieldWindow& window, int foreground);

/// The iso-line routine: every segment of levels 1..count in its level's
/// colour, at equal scale; draw width 1 and solid before and after.
/// \param window the view's window; receives the y range drawn
void drawIsoLines(Surface& surface, const FieldSegments& segments, const FieldLevelSet& levels,
                  FieldWindow& window);

/// The section's outline: the nodes of mesh ring 1, world units.
std::vector<std::pair<double, double>> sectionOutline(const FieldMesh& mesh);

/// The section as mesh ring 1, node to node, in the foreground colour.
void drawSectionOutline(Surface& surface, const FieldMesh& mesh, int foreground);

/// The pressure legend at the right edge: the title, then every third level
/// with its colour for as long as the rows fit in the plot area. When its box
/// would cover a point of the section's outline (a plot area so small that
/// the legend reaches down to the trailing edge), the font is made smaller,
/// down to kSmallestLegendPoints, until it clears; when no size clears (a
/// view zoomed onto the section) the legend keeps the surface's font.
/// \param outline the section's outline, world units (may be empty)
void drawPressureLegend(Surface& surface, const FieldLevelSet& levels,
                        const std::vector<std::pair<double, double>>& outline = {});

/// Smallest font the pressure legend takes to clear the section, points.
inline constexpr double kSmallestLegendPoints = 6.5;

/// Draws a computed field view (mesh, or iso-lines with the outline and, for
/// the pressure view, the legend) at equal scale in the given window. Nothing
/// is drawn for a field of view 0. The surface is not cleared here.
/// \return the window as drawn (its y range re-centred to the plot area's
///         aspect), for the caller to keep as the view's window
FieldWindow drawFieldView(Surface& surface, const FieldViewData& field, const FieldWindow& window,
                          int foreground);

}  // namespace aerolune::plot
