// aerolune-cli field: the flow field about the section on an O-mesh as CSV,
// one row per mesh node, or the iso-segments of the stream function or the
// pressure coefficient, one row per segment. The defaults are the mesh of the
// streamline and pressure views, and the default level lists are theirs.

#include <cmath>
#include <iostream>
#include <memory>
#include <string>

#include "analysis/FieldRoutine.h"
#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/MeshOptions.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"
#include "common/NumberText.h"

namespace aerolune::cli {

namespace {

constexpr int kMaxLevels = 1000;

struct FieldOptions {
    SectionOptions section;
    double alpha = 0.0;
    MeshOptions mesh{"61x31", 6.0, 1.02};
    int levels = 0;  ///< 0: the chosen field's view count
    std::string field;
};

void printNodes(const FieldMesh& mesh, const FlowField& flow) {
    std::string out = "i,j,x,y,psi,cp\n";
    for (int32_t j = 1; j <= mesh.J; ++j)
        for (int32_t i = 1; i <= mesh.I; ++i)
            out += std::to_string(i) + ',' + std::to_string(j) + ',' + plainDecimal(mesh.x(i, j)) + ',' +
                   plainDecimal(mesh.y(i, j)) + ',' + plainDecimal(flow.psi(i, j)) + ',' +
                   plainDecimal(flow.cp(i, j)) + '\n';
    std::cout << out;
}

// One level at a time, so that the segment arrays stay the size of one level
// whatever the mesh and the level count.
void printSegments(const FieldMesh& mesh, const Array2<float>& field, const Array1<float>& levels) {
    std::cout << "level,x1,y1,x2,y2\n";
    for (std::ptrdiff_t k = 1; k <= levels.size(); ++k) {
        const Array1<float> one(1, levels(k));
        const FieldSegments s = contourSegments(mesh, field, one);
        const std::string level = plainDecimal(levels(k)) + ',';
        std::string out;
        for (int32_t n = 1; n <= s.count(1); ++n)
            out += level + plainDecimal(s.x1(n, 1)) + ',' + plainDecimal(s.y1(n, 1)) + ',' +
                   plainDecimal(s.x2(n, 1)) + ',' + plainDecimal(s.y2(n, 1)) + '\n';
        std::cout << out;
    }
}

int runField(const FieldOptions& o) {
    AppState state = sectionState(o.section, o.alpha);
    // The field needs the surface solution only: no boundary-layer solution,
    // and a drag estimate that fails leaves the surface solution as it is.
    state.analysis.boundaryLayerPending = false;
    CliSeam seam;
    recompute(state, seam);
    const ClosedContour contour = closedContour(state);
    if (contour.n == 0) {
        seam.throwIfMessage();  // the reason, when the recomputation gave one
        throw AnalysisError("the section could not be built");
    }

    const FieldMesh mesh = buildFieldMesh(contour, meshSize(o.mesh));
    const FlowField flow = computeFlowField(contour, mesh, state.analysis.stagnationIndex);

    if (o.field.empty() && o.levels == 0) {
        printNodes(mesh, flow);
    } else if (o.field == "cp") {
        const int32_t count = o.levels > 0 ? o.levels : kPressureLevelCount;
        const FieldLevelSet set = pressureLevels(state.analysis.cpHigh, state.analysis.cpLow, count);
        printSegments(mesh, flow.cp, set.levels);
    } else {
        const int32_t count = o.levels > 0 ? o.levels : kStreamlineLevelCount;
        const FieldLevelSet set = streamlineLevels(flow.psi(1, 1), 0, count);
        printSegments(mesh, flow.psi, set.levels);
    }
    std::cout.flush();
    return 0;
}

}  // namespace

void registerField(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<FieldOptions>();
    CLI::App* sub = app.add_subcommand(
        "field",
        "flow field on an O-mesh as CSV i,j,x,y,psi,cp; with --levels or --field the iso-segments "
        "level,x1,y1,x2,y2 (level = the level's value)");
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    addMeshOptions(*sub, options->mesh);
    sub->add_option("--levels", options->levels,
                    "number of iso-levels (psi: from 1.5 down in steps of 3/(K-1), then the wall value; "
                    "cp: the highest to the lowest surface Cp); default 51 for psi, 33 for cp")
        ->check(decimalNumber("the level count"))
        ->check(CLI::Range(1, kMaxLevels));
    sub->add_option("--field", options->field, "field to cut iso-segments from (default psi)")
        ->check(CLI::IsMember({"psi", "cp"}));
    sub->callback([options, &run] { run = [options] { return runField(*options); }; });
}

}  // namespace aerolune::cli
