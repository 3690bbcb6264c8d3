// Every numeric option at the ends of its range: both ends are taken, a step
// beyond either end is refused, and so is an end with characters after it.
// Ranges stated in the help ("NUMBER lo to hi", "INT in [lo - hi]") are read
// from it, so the help and the checks cannot drift apart; the options whose
// checks are written out in words have their own table.

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "cli/CliRun.h"

namespace aerolune::test {
namespace {

struct StatedRange {
    std::string option;
    double lo = 0.0, hi = 0.0;
    bool integer = false;
};

std::vector<StatedRange> rangesInHelp(const std::string& subcommand) {
    const std::string help = runCli(subcommand + " --help").out;
    static const std::regex number(R"re((--[a-z-]+) FLOAT:NUMBER (-?[0-9.e+]+) to (-?[0-9.e+]+))re");
    static const std::regex integer(R"re((--[a-z-]+) INT:(?:[A-Z]+:)?INT in \[(-?[0-9]+) - (-?[0-9]+)\])re");
    std::vector<StatedRange> ranges;
    for (const auto* pattern : {&number, &integer}) {
        for (std::sregex_iterator it(help.begin(), help.end(), *pattern), end; it != end; ++it)
            ranges.push_back({(*it)[1], std::stod((*it)[2]), std::stod((*it)[3]), pattern == &integer});
    }
    return ranges;
}

std::string text(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", v);
    return buffer;
}

// Taken: the run gets past the option checks (it may still fail at the work,
// status 1, as a section that cannot be analysed at an extreme setting does).
void expectTaken(const std::string& args) {
    const CliRun run = runCli(args);
    EXPECT_NE(run.status, 2) << args << ": " << run.err;
}

void expectRefused(const std::string& args, const std::string& option) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find(option), std::string::npos) << args << ": " << run.err;
}

// A subcommand and the arguments that make a complete run of it otherwise.
struct Subcommand {
    const char* name;
    const char* rest;
    const char* output;        ///< extension of the file it writes; null for standard output
    std::size_t statedRanges;  ///< how many options state their range in the help, at least
};

class OptionRanges : public testing::TestWithParam<Subcommand> {};

TEST_P(OptionRanges, BothEndsTakenBeyondAndTrailingCharactersRefused) {
    const Subcommand& sub = GetParam();
    std::string rest = std::string(" ") + sub.rest;
    if (sub.output) rest += " --output " + testing::TempDir() + "ranges" + sub.output;
    const std::vector<StatedRange> ranges = rangesInHelp(sub.name);
    EXPECT_GE(ranges.size(), sub.statedRanges) << "options with a range in the help of " << sub.name;
    for (const StatedRange& r : ranges) {
        const double step = r.integer ? 1.0 : (r.hi - r.lo) * 1e-6;
        const std::string head = std::string(sub.name) + " " + r.option + " ";
        for (double end : {r.lo, r.hi}) {
            // An even count is asked of --points: the ends are even.
            expectTaken(head + text(end) + rest);
            expectRefused(head + text(end) + "x" + rest, r.option);
            expectRefused(head + text(end) + "e" + rest, r.option);
        }
        expectRefused(head + text(r.lo - step) + rest, r.option);
        expectRefused(head + text(r.hi + step) + rest, r.option);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, OptionRanges,
    testing::Values(Subcommand{"analyse", "", nullptr, 8}, Subcommand{"field", "", nullptr, 6},
                    Subcommand{"plot", "cp", ".png", 7}, Subcommand{"ribs", "--root-chord 6", ".pdf", 4}),
    [](const testing::TestParamInfo<Subcommand>& testCase) { return std::string(testCase.param.name); });

TEST(OptionRanges, OptionsWithRangesInWords) {
    struct Case {
        std::string head;  ///< subcommand and option
        std::vector<std::string> taken, refused;
        std::string mentions;  ///< in the refusal
        std::string rest;
    };
    const std::string png = " --output " + testing::TempDir() + "ranges.png";
    const std::string pdf = " --output " + testing::TempDir() + "ranges.pdf";
    const Case cases[] = {
        // Above 1 and up to 1000 chords; a clustering ratio above 1 and up to 2.
        {"field --radius", {"1.001", "1000"}, {"1", "1000.001", "6x", "6e"}, "--radius", ""},
        {"field --cluster", {"1.001", "2"}, {"1", "2.001", "1.02x", "1.02e"}, "--cluster", ""},
        // 3..401 nodes each way.
        {"field --mesh",
         {"3x3", "401x3", "3x401"},
         {"2x3", "3x2", "402x3", "3x402", "61x31x", "61x31e", "61x"},
         "--mesh",
         ""},
        {"plot mesh --mesh", {"3x3", "401x3"}, {"2x3", "3x402", "61x31x"}, "--mesh", png},
        // 50..10000 pixels each way.
        {"plot cp --size",
         {"50x50", "10000x50", "50x10000"},
         {"49x50", "50x49", "10001x50", "640x480x", "640x480e"},
         "--size",
         png},
        {"plot mesh --window",
         {"-0.5,1.5,-1,1"},
         {"-0.5,1.5,-1,1x", "-0.5,1.5,-1,1,", "-0.5,1.5,-1"},
         "--window",
         png},
        // 1..200 ribs; chords above 0 (the tip's only with more than one rib).
        {"ribs --root-chord 6 --sections", {"1", "200"}, {"0", "201", "2.5"}, "Number of Sections", pdf},
        {"ribs --root-chord 6 --sections", {}, {"2x", "2e"}, "--sections", pdf},
        {"ribs --root-chord 6 --sections 2 --tip-chord", {"0.01"}, {"0", "-1"}, "Tip Chord", pdf},
        {"ribs --sections 2 --root-chord", {"0.01"}, {"0", "-1"}, "Root Chord", pdf},
        {"ribs --root-chord 6 --sections 2 --tip-chord", {}, {"4x", "4e"}, "--tip-chord", pdf},
    };
    for (const Case& c : cases) {
        for (const std::string& v : c.taken) expectTaken(c.head + " " + v + c.rest);
        for (const std::string& v : c.refused) expectRefused(c.head + " " + v + c.rest, c.mentions);
    }
}

}  // namespace
}  // namespace aerolune::test
