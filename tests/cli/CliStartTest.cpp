// aerolune-cli as one command whichever executable does the work: the
// drawing subcommands run in the helper beside it, and what the user sees
// (help, errors, exit statuses) is the same for every subcommand.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/CliRun.h"

namespace aerolune {
namespace {

using test::CliRun;
using test::runCli;

TEST(CliStart, HelpListsEverySubcommandAndEachHasItsOwnHelp) {
    const CliRun top = runCli("--help");
    ASSERT_EQ(top.status, 0) << top.err;
    struct Case {
        const char* sub;
        const char* option;  ///< an option only that subcommand's help shows
    };
    const Case cases[] = {
        {"analyse", "--bl"},      {"polar", "--flap-deflection"},
        {"cp", "--alpha"},        {"export", "--output"},
        {"dxf", "--output"},      {"field", "--levels"},
        {"plot", "--background"}, {"ribs", "--root-chord"},
        {"report", "--alpha"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(top.out.find("\n  " + std::string(c.sub) + " "), std::string::npos) << c.sub << "\n"
                                                                                      << top.out;
        const CliRun sub = runCli(std::string(c.sub) + " --help");
        EXPECT_EQ(sub.status, 0) << c.sub << ": " << sub.err;
        EXPECT_NE(sub.out.find(c.option), std::string::npos) << c.sub << "\n" << sub.out;
        // The helper is started under the user's own command name.
        EXPECT_NE(sub.out.find("aerolune-cli " + std::string(c.sub)), std::string::npos) << sub.out;
    }
}

TEST(CliStart, DrawingSubcommandsKeepTheirExitStatuses) {
    test::expectUsageError("plot", "view");
    test::expectUsageError("plot cp --naca 0012", "--output");
    test::expectUsageError("ribs --output x.pdf", "--root-chord");
    test::expectUsageError("plot cp --frobnicate --output x.png", "--frobnicate");
}

// An installation that lost its helper must say so and fail, not pass for
// a run that drew nothing.
TEST(CliStart, AMissingDrawingHelperIsAFailureWithItsReason) {
    const std::filesystem::path alone = std::filesystem::path(testing::TempDir()) / "aerolune-cli-alone";
    std::filesystem::create_directories(alone);
    const std::filesystem::path copy = alone / "aerolune-cli";
    std::filesystem::copy_file(std::string(AEROLUNE_BINARY_DIR) + "/cli/aerolune-cli", copy,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string output = (alone / "cp.png").string();
    FILE* pipe = popen((copy.string() + " plot cp --output " + output + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string said;
    char buffer[512];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) said.append(buffer, got);
    const int raw = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << said;
    EXPECT_NE(said.find("drawing helper"), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(output));
    std::filesystem::remove_all(alone);
}

}  // namespace
}  // namespace aerolune
