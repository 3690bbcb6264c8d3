#pragma once
// The lift-drag polar of aerolune-cli polar as JSON and as CSV rows. The
// text form is the program's own polar export.

#include <string>
#include <vector>

#include "analysis/PolarStore.h"
#include "cli/OutputFormat.h"

namespace aerolune::cli {

/// The points of a polar as JSON rows: alpha_deg, cl, cd, cm_c4,
/// transition_upper_x_chords, transition_lower_x_chords.
Json polarRows(const StoredPolar& polar);

/// The CSV table's header: section, file, reynolds, then the rows' keys.
std::string polarCsvHeader();

/// The polar's points as CSV lines under polarCsvHeader.
/// \param file the coordinate file it was read from; empty for a designation
std::string polarCsvRows(const StoredPolar& polar, const std::string& file);

}  // namespace aerolune::cli
