#include "cli/LayerAnalysis.h"

#include <cmath>
#include <optional>
#include <string>

#include "analysis/PipelineSolve.h"
#include "analysis/PolarLayerModel.h"
#include "cli/CliCommand.h"
#include "common/NumberText.h"

namespace aerolune::cli {

namespace {

// A lift this small puts the centre of pressure off the section; the results
// panel shows none there either.
constexpr double kSmallestLiftForCentre = 0.01;

void replace(std::vector<ResultField>& fields, ResultField field) {
    for (ResultField& f : fields)
        if (f.name == field.name) f = std::move(field);
}

}  // namespace

PolarPoint layerRowAtAngle(AppState& state) {
    const double alphaDeg = state.section.angleDeg;
    SectionSolution solution;
    solveSection(state.section, state.shared.HalfPoints, static_cast<float>(alphaDeg), solution);
    PolarPoint row;
    std::string why;
    if (!layerPolarPoint(solution, alphaDeg, state.flow.reynolds, row, why))
        throw AnalysisError("the coupled boundary layer gives no solution at " + formatGeneral(alphaDeg) +
                            " degrees: " + why);
    return row;
}

void useLayerRow(std::vector<ResultField>& fields, const PolarPoint& row) {
    const double cl = row.cl;
    const std::optional<double> centre = std::fabs(cl) > kSmallestLiftForCentre
                                             ? std::optional<double>((0.25 - row.cm / cl) * 100.0)
                                             : std::nullopt;
    replace(fields, numberField("cl", "cl", cl));
    // The leading-edge moment from the quarter-chord one, as the panel relates them.
    replace(fields, numberField("cm_le", "cm_le", row.cm - cl / 4.0));
    replace(fields, numberField("cm_c4", "cm_c4", row.cm));
    replace(fields, optionalField("centre_of_pressure", "centre_of_pressure_pct_chord", centre, "N/A"));
    replace(fields, numberField("cd", "cd", row.cdTimes1000 / 1000.0));
    // The coupled solution's pressure already carries the layer's effect: the
    // angle is the one set.
    replace(fields, numberField("effective_alpha", "effective_alpha_deg", row.angle));
    replace(fields, numberField("transition_upper_x", "transition_upper_x_chords", row.upperTransition));
    replace(fields, numberField("transition_lower_x", "transition_lower_x_chords", row.lowerTransition));
}

}  // namespace aerolune::cli
