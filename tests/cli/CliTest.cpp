// aerolune-cli run as a user runs it: its output against the library it is
// built from, and one line on standard error with status 2 for bad input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/Pipeline.h"
#include "analysis/Polar.h"
#include "cli/CliRun.h"
#include "common/NumberText.h"
#include "geometry/SectionDefinition.h"
#include "io/PolarExport.h"
#include "support/NullSeam.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::CliRun;
using test::runCli;

// "name = value" lines in their order.
std::vector<std::pair<std::string, std::string>> nameValues(const std::string& out) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find(" = ");
        if (eq != std::string::npos) lines.emplace_back(line.substr(0, eq), line.substr(eq + 3));
    }
    return lines;
}

using test::NullSeam;

TEST(Cli, AnalysePrintsTheLibrarysResults) {
    const CliRun run = runCli("analyse --naca 2412 --alpha 4 --points 80");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto lines = nameValues(run.out);
    const std::vector<std::string> names = {"section",
                                            "alpha",
                                            "points",
                                            "panel_cl",
                                            "panel_cm_le",
                                            "cl",
                                            "cm_le",
                                            "cm_c4",
                                            "alpha_zero_lift",
                                            "centre_of_pressure",
                                            "cd",
                                            "effective_alpha",
                                            "stalled",
                                            "stag_point",
                                            "transition_upper_x",
                                            "transition_lower_x",
                                            "a0",
                                            "a1",
                                            "a2",
                                            "a3",
                                            "a4",
                                            "a5",
                                            "a6",
                                            "a7",
                                            "a8"};
    ASSERT_EQ(lines.size(), names.size());
    std::map<std::string, double> value;
    for (std::size_t k = 0; k < names.size(); ++k) {
        EXPECT_EQ(lines[k].first, names[k]);
        value[lines[k].first] = readLeadingNumber(lines[k].second);
    }
    EXPECT_EQ(lines[0].second, "2412");

    // The same recomputation in this process; the CLI prints 9 significant
    // digits, so 1e-8 relative is the printing's own rounding.
    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "4";
    state.shared.HalfPoints = 40;
    state.shared.TotalPoints = Variant(int16_t{80});
    NullSeam seam;
    recompute(state, seam);
    const std::pair<const char*, double> expected[] = {
        {"points", 80.0},
        {"panel_cl", state.section.panelCl.value_or(0.0)},
        {"cl", state.section.cl},
        {"cm_c4", state.section.cmQuarterChord.value_or(0.0)},
        {"cd", state.analysis.drag.cd},
        {"effective_alpha", state.analysis.effectiveAngleDeg},
        {"stag_point", state.analysis.stagnationIndex},
        {"transition_upper_x", state.analysis.drag.transitionUpperX},
        {"a1", state.analysis.thinAirfoilModel->A1},
    };
    for (const auto& [name, v] : expected)
        EXPECT_TRUE(test::nearlyEqual(value[name], v, 1e-12, 1e-8))
            << name << " " << value[name] << " vs " << v;
}

TEST(Cli, SymmetricSectionAtZeroHasNoCentreOfPressure) {
    const CliRun run = runCli("analyse");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string out = run.out;
    EXPECT_NE(out.find("section = 0012\n"), std::string::npos);
    EXPECT_NE(out.find("points = 120\n"), std::string::npos);
    EXPECT_NE(out.find("centre_of_pressure = N/A\n"), std::string::npos);
    EXPECT_NE(out.find("stalled = 0\n"), std::string::npos);
    EXPECT_NE(out.find("effective_alpha = 0\n"), std::string::npos);
}

TEST(Cli, BoundaryLayerTransitionIsPrintedOrNone) {
    // Natural transition on NACA 0012 at 0 degrees, Re 1e6: both surfaces
    // alike, somewhere on the rear half (the reference solver has 0.69); a
    // layer that is never turbulent prints "none".
    const CliRun natural = runCli("analyse --naca 0012 --bl");
    ASSERT_EQ(natural.status, 0) << natural.err;
    std::map<std::string, std::string> text;
    for (const auto& [name, value] : nameValues(natural.out)) text[name] = value;
    const double upper = readLeadingNumber(text["transition_upper_x_bl"]);
    EXPECT_GT(upper, 0.5);
    EXPECT_LT(upper, 0.9);
    // Tolerance 1e-6: mirrored solutions differ in single-precision rounding.
    EXPECT_NEAR(readLeadingNumber(text["transition_lower_x_bl"]), upper, 1e-6);

    const CliRun laminar = runCli("analyse --naca 0012 --bl --bl-model laminar");
    EXPECT_NE(laminar.out.find("transition_upper_x_bl = none\n"), std::string::npos);
    EXPECT_NE(laminar.out.find("transition_lower_x_bl = none\n"), std::string::npos);
}

TEST(Cli, SemiModelStallsAtHighAngle) {
    const CliRun run = runCli("analyse --naca 2412 --alpha 20 --model semi");
    ASSERT_EQ(run.status, 0) << run.err;
    std::map<std::string, double> value;
    for (const auto& [name, text] : nameValues(run.out)) value[name] = readLeadingNumber(text);
    EXPECT_EQ(value["stalled"], 1.0);
    EXPECT_LT(value["effective_alpha"], 16.0);
}

TEST(Cli, PolarIsThePolarExportOfTheSweep) {
    const CliRun run = runCli("polar --naca 2412 --points 40 --re 2e6 --flap-length 20 --flap-deflection 5");
    ASSERT_EQ(run.status, 0) << run.err;
    AppState state;
    state.texts.sectionName = "2412";
    state.section.designationNumber = 2412;
    state.section.flapAngleRad = flapRadians(5.0);
    state.section.flapHingeX = flapHinge(20.0);
    state.flow.reynolds = 2e6;
    NullSeam seam;
    ASSERT_TRUE(Polar(state, seam, 40));
    EXPECT_EQ(run.out, polarExportText(polarExportBlocks(state.analysis.polars, state.analysis.polarCount)));
    EXPECT_EQ(run.out.rfind("Lift-Drag Polar for 2412\r\nReynolds Number: 2000000\r\nAngle(Deg)    Cl", 0),
              0u);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3 + 21);
}

TEST(Cli, CpListsEveryPanelLowerSurfaceFirst) {
    const CliRun run = runCli("cp --naca 0012 --points 40 --alpha 2");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream in(run.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "surface,x,cp,v");
    std::vector<std::string> rows;
    while (std::getline(in, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 40u);
    for (std::size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(rows[k].rfind(k < 20 ? "lower," : "upper,", 0), 0u) << rows[k];
}

TEST(Cli, FileSectionTakesItsNameFromTheFile) {
    const CliRun run = runCli("analyse --file " + test::dataPath("reference/karman_trefftz/KT_cambered.txt"));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = nameValues(run.out);
    ASSERT_FALSE(lines.empty());
    std::ifstream file(test::dataPath("reference/karman_trefftz/KT_cambered.txt"));
    std::string firstLine;
    std::getline(file, firstLine);
    EXPECT_NE(firstLine.find(lines[0].second), std::string::npos) << lines[0].second;
}

TEST(Cli, HelpExitsCleanly) {
    const CliRun run = runCli("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* sub : {"analyse", "polar", "cp"}) EXPECT_NE(run.out.find(sub), std::string::npos);
    const CliRun subHelp = runCli("polar --help");
    EXPECT_EQ(subHelp.status, 0);
    EXPECT_NE(subHelp.out.find("--flap-deflection"), std::string::npos);
}

TEST(Cli, BadInputIsOneLineAndStatus2) {
    struct Case {
        std::string args, mentions;
    };
    const Case cases[] = {
        {"analyse --naca 123", "--naca"},
        {"analyse --naca 123456", "--naca"},
        {"analyse --naca 24a2", "digits"},
        {"analyse --naca 0000", "thickness"},
        {"analyse --naca 2400", "thickness"},
        {"analyse --naca 2012", "camber position"},
        {"analyse --naca 26012", "camber-position digits 60"},
        // A reflexed mean line (third digit 1) is not built; the window refuses it too.
        {"analyse --naca 23112", "standard mean lines only"},
        {"polar --points 38", "--points"},
        {"cp --points 342", "--points"},
        {"analyse --points 41", "even"},
        {"analyse --points many", "--points"},
        {"analyse --file /nonexistent/section.dat", "/nonexistent/section.dat"},
        {"analyse --file " + testing::TempDir(), "coordinate file"},
        {"analyse --frobnicate", "--frobnicate"},
        {"analyse --model clever", "--model"},
        {"analyse --re 0", "Reynolds"},
        {"analyse --flap-length 80", "--flap-length"},
        {"analyse --alpha sideways", "--alpha"},
        // Numbers the conversion would take and compute nonsense from.
        {"analyse --alpha nan", "--alpha"},
        {"cp --alpha inf", "--alpha"},
        {"field --alpha 1e400", "--alpha"},
        {"analyse --alpha ''", "--alpha"},
        {"analyse --alpha 1e308", "--alpha"},
        {"cp --alpha 1e10", "--alpha"},
        {"report --alpha 90.5", "--alpha"},
        {"analyse --flap-length nan --flap-deflection 5", "--flap-length"},
        {"polar --flap-length 20 --flap-deflection nan", "--flap-deflection"},
        {"analyse --naca ''", "--naca"},
        {"analyse --file ''", "--file"},
        {"analyse --re 1e-300", "--re"},
        {"polar --re 1e12", "--re"},
        {"analyse --bl --roughness nan", "--roughness"},
        {"analyse --naca 2412 --file x.dat", "excludes"},
        {"frobnicate", "frobnicate"},
        {"", "subcommand"},
    };
    for (const auto& c : cases) test::expectUsageError(c.args, c.mentions);
}

TEST(Cli, ASectionTheBuilderRefusesIsStatus1NotAUsageError) {
    // The command line is well formed and read; the section it names cannot be
    // analysed. A script must tell that from a typing error.
    // A flap that turns the trailing edge of the section back past the vertical.
    const std::string refused = " --naca 9930 --flap-length 50 --flap-deflection 30";
    const std::pair<std::string, std::string> cases[] = {
        {"analyse" + refused, "9930 cannot be built"},
        {"polar" + refused, "turns back"},
        {"field --naca 9930 --flap-length 0.5 --flap-deflection 30", "turns back"},
    };
    for (const auto& [args, mentions] : cases) test::expectFailure(args, mentions, 1);
    EXPECT_NE(runCli("--help").out.find("Exit status: 0"), std::string::npos);
}

}  // namespace
}  // namespace aerolune
