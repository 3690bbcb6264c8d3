// Coverage-guided fuzzing of the whole analysis a coordinate file goes
// through on the command line: the reader, the section builder, the panel
// method, the drag estimate, the polar sweep and the finite-difference
// boundary layer. Besides crashes and sanitizer reports, any figure handed
// back as a result (no message refused it) that is not finite or lies outside
// what a wing section can give is a finding.
//
// Build with clang from the source root (only the Qt-free layers are built):
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
//         -DAEROLUNE_CHECKED=ON -DAEROLUNE_FUZZ=ON
//   cmake --build build-fuzz --target pipeline-fuzzer
//   build-fuzz/tests/io/fuzz/pipeline-fuzzer -max_len=20000 -max_total_time=1200 CORPUS
//   tests/data/reference/...
//
// The settings (angle, points, Reynolds number, model, what to run) come from
// the input's last bytes, the file from the rest, so real coordinate files
// make good seeds.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/Pipeline.h"
#include "analysis/Polar.h"
#include "analysis/ResultBounds.h"
#include "analysis/SectionGuard.h"
#include "common/NumberText.h"
#include "geometry/SectionDefinition.h"
#include "io/AirfoilFileReader.h"

namespace {

using namespace aerolune;

// What a results window does with the recomputation: nothing is drawn; a
// message means the analysis refused (or could not give) its figures.
class RecordingSeam : public ViewSeam {
public:
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showSeparationWarning(const std::string&) override {}
    std::vector<std::string> messages;
};

enum class Run { Analyse, AnalyseWithLayer, Polar };

struct Settings {
    int alphaDeg;
    int points;
    double re;
    bool semi;
    Run run;
    int layerModel;
};

// A figure handed back as a result must pass the bounds every result
// leaves the analysis through; one that does not is a finding whatever the
// input was.
void check(const char* what, double value, const std::string& problem, const Settings& s) {
    if (!std::isfinite(value) || !problem.empty()) {
        std::fprintf(stderr, "absurd result: %s = %.9g (alpha %d, points %d, Re %.3g, model %s, run %d)\n",
                     what, value, s.alphaDeg, s.points, s.re, s.semi ? "semi" : "simple",
                     static_cast<int>(s.run));
        std::abort();
    }
}

// The state as the command line leaves it for a file section and these settings.
AppState fileState(const std::string& name, const FileSection& lists, const Settings& s) {
    AppState state;
    state.section.file = lists;
    state.texts.sectionName = name;
    state.section.fromFile = true;
    state.settings.dragModel = DragModel(s.semi ? 2 : 1);
    state.settings.useEffectiveAngle = s.semi;
    state.shared.HalfPoints = halfPointsFromTotal(s.points);
    state.shared.TotalPoints = Variant(int16_t(2 * state.shared.HalfPoints));
    state.flow.reynolds = s.re;
    state.texts.angleText = formatGeneral(s.alphaDeg);
    state.texts.angleReadout = state.texts.angleText + " Deg.";
    state.shared.DialogCancelled = Variant(int16_t{0});
    state.flow.transitionModel = TransitionModel(s.layerModel);
    state.settings.boundaryLayerPoints = 32;
    state.settings.boundaryLayerHeight = 50;
    state.flow.roughness = 0.0;
    state.settings.boundaryLayerRequested = true;
    state.analysis.boundaryLayerPending = s.run == Run::AnalyseWithLayer ? 1 : 0;
    return state;
}

void analyse(AppState& state, const Settings& s) {
    RecordingSeam seam;
    recompute(state, seam);
    if (!seam.messages.empty()) return;  // refused, with its reason
    const SectionState& sec = state.section;
    const double panelCl = sec.panelCl.value_or(0.0), panelCm = sec.panelCmLeadingEdge.value_or(0.0);
    const double cmQuarter = sec.cmQuarterChord.value_or(0.0), zeroLift = sec.zeroLiftAngleDeg.value_or(0.0);
    check("panel_cl", panelCl, liftProblem(panelCl), s);
    check("panel_cm_le", panelCm, leadingEdgeMomentProblem(panelCm), s);
    check("cl", sec.cl, liftProblem(sec.cl), s);
    check("cm_le", sec.cmLeadingEdge, leadingEdgeMomentProblem(sec.cmLeadingEdge), s);
    check("cm_c4", cmQuarter, momentProblem(cmQuarter), s);
    check("alpha_zero_lift", zeroLift, zeroLiftAngleProblem(zeroLift), s);
    check("cd", state.analysis.drag.cd, dragProblem(state.analysis.drag.cd), s);
    if (s.run != Run::AnalyseWithLayer) return;
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    check("cl_bl", bl.cl, liftProblem(bl.cl), s);
    check("cm_bl", bl.cmLe, leadingEdgeMomentProblem(bl.cmLe), s);
    check("cd_bl", bl.boundaryLayerCd, dragProblem(bl.boundaryLayerCd), s);
}

void polar(AppState& state, const Settings& s) {
    state.section.designationNumber = sectionNumberFromText(state.texts.sectionName);
    RecordingSeam seam;
    if (!guardSection(state, seam) || !seam.messages.empty()) return;
    Polar(state, seam, 2 * state.shared.HalfPoints);
    // A sweep stopped by an error keeps the rows before it: those are shown.
    for (const StoredPolar& p : state.analysis.polars.polars()) {
        for (const PolarPoint& row : p.points) {
            // A row marked not computed says why and is shown as a gap.
            if (!row.computed()) continue;
            check("polar cl", row.cl, liftProblem(row.cl), s);
            check("polar cm", row.cm, momentProblem(row.cm), s);
            check("polar cd", row.cdTimes1000 / 1000.0, dragProblem(row.cdTimes1000 / 1000.0), s);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Settings s{};
    s.alphaDeg = input.ConsumeIntegralInRange(-20, 20);
    s.points = 2 * input.ConsumeIntegralInRange(20, 170);
    s.re = std::pow(10.0, input.ConsumeIntegralInRange(30, 90) / 10.0);
    s.semi = input.ConsumeBool();
    s.run = static_cast<Run>(input.ConsumeIntegralInRange(0, 2));
    s.layerModel = input.ConsumeIntegralInRange(1, 3);
    const std::string text = input.ConsumeRemainingBytesAsString();

    FileSection lists;
    std::string name;
    if (!readAirfoilText(text, name, lists).ok) return 0;
    AppState state = fileState(name, lists, s);
    if (s.run == Run::Polar)
        polar(state, s);
    else
        analyse(state, s);
    return 0;
}
