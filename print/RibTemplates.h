#pragma once
// Full-size rib templates of a tapered wing on printer pages: one outline per
// rib at its chord, the dashed inner line at the skin thickness, a label per
// rib, and a calibration ruler on every sheet.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/AppState.h"
#include "plot/Surface.h"
#include "print/TemplateSettings.h"

namespace aerolune::print {

/// What one template job prints.
struct TemplateJob {
    TemplateSettings settings;
    std::string name;       ///< the section's name, as in the main window's airfoil field
    std::vector<double> x;  ///< closed contour, chords: last point equal to the first
    std::vector<double> y;
};

/// The job for the current section: its name from the airfoil field and its
/// contour, nodes 1..TotalPoints closed with node 1.
/// \param state the state after a recomputation
/// \param settings the checked dialog settings
TemplateJob templateJob(const AppState& state, const TemplateSettings& settings);

/// Prints the job on a paged surface in the job's unit (inches or
/// centimetres), 1 unit on the page being 1 unit on paper. The surface's
/// unit scale is its printable area; sheets after the first start with
/// newPage. When the job cannot be laid out on that page (see
/// layoutTemplates) nothing is drawn and the reason is returned.
/// \param page the printer or document surface, on its first page
/// \return empty when printed, else why nothing was printed
std::string printRibTemplates(plot::Surface& page, const TemplateJob& job);

}  // namespace aerolune::print
