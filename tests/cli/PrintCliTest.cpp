// aerolune-cli ribs and report: the templates' PDF, the report's lines, and
// the statuses for bad usage (2) and a write that fails (1).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/Pipeline.h"
#include "cli/CliRun.h"
#include "print/Report.h"
#include "support/NullSeam.h"

namespace aerolune {
namespace {

TEST(CliPrint, RibsWritesThePdfOrSaysWhyNot) {
    const std::string pdf = testing::TempDir() + "aerolune-ribs-test.pdf";
    std::filesystem::remove(pdf);
    const test::CliRun run = test::runCli(
        "ribs --naca 2412 --root-chord 30 --tip-chord 20 --sections 3 --units cm --paper letter "
        "--output " +
        pdf);
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    std::filesystem::remove(pdf);

    // What the user asked for is status 2; a PDF that cannot be written is 1.
    const struct {
        std::string args, mentions;
        int status;
    } failures[] = {
        {"ribs --root-chord 6", "--output", 2},
        {"ribs --root-chord 0 --output x.pdf", "Root Chord", 2},
        {"ribs --root-chord 6 --sections 201 --output x.pdf", "Number of Sections", 2},
        {"ribs --root-chord 6 --units mm --output x.pdf", "--units", 2},
        {"ribs --root-chord 9000 --output x.pdf", "sheets", 2},
        {"ribs --naca 0030 --root-chord 30 --output x.pdf", "thicker than the width of the page", 2},
        {"ribs --root-chord 6 --output /nonexistent-dir/ribs.pdf", "ribs.pdf", 1},
    };
    for (const auto& c : failures) test::expectFailure(c.args, c.mentions, c.status);
    EXPECT_FALSE(std::filesystem::exists("x.pdf"));
}

// Started from cron or ssh, without a runtime folder: the commands that
// paint say nothing on standard error and leave nothing in the temporary
// folder (Qt's fallback is a fixed name there, which another user can make first).
TEST(CliPrint, PaintingCommandsRunQuietlyWithoutARuntimeFolder) {
    const std::filesystem::path tmp =
        testing::TempDir() + "aerolune-no-runtime-" + std::to_string(::getpid());
    std::filesystem::remove_all(tmp);
    std::filesystem::create_directories(tmp);
    const std::string env =
        "env -u XDG_RUNTIME_DIR -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR=" + tmp.string();
    const std::string out = (tmp / "out").string();
    std::filesystem::create_directories(out);
    for (const std::string& args : {"ribs --naca 2412 --root-chord 8 --output " + out + "/ribs.pdf",
                                    "plot cp --naca 2412 --output " + out + "/cp.png"}) {
        const test::CliRun run = test::runCli(args, env);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_EQ(run.err, "") << args;
    }
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(tmp))
        if (entry.path().filename() != "out") left.push_back(entry.path().filename().string());
    EXPECT_TRUE(left.empty()) << "left in the temporary folder: " << left.front();
    std::filesystem::remove_all(tmp);
}

TEST(CliPrint, ReportPrintsTheReportViewsLines) {
    const test::CliRun run = test::runCli("report --naca 2412 --alpha 4 --points 80");
    ASSERT_EQ(run.status, 0) << run.err;

    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "4";
    state.texts.angleReadout = "4 Deg.";
    state.shared.HalfPoints = 40;
    state.shared.TotalPoints = Variant(int16_t{80});
    state.display.view = 8;
    test::NullSeam seam;
    recompute(state, seam);
    const std::vector<print::ReportLine> lines = print::reportLines(state);
    std::ostringstream expected;
    for (const print::ReportLine& line : lines)
        expected << print::reportLineText(line, print::reportZoneWidth(lines)) << '\n';
    EXPECT_EQ(run.out, expected.str());
}

}  // namespace
}  // namespace aerolune
