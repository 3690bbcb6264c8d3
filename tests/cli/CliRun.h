#pragma once
// Runs the built aerolune-cli as a user would and collects what it said.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace aerolune::test {

struct CliRun {
    int status = -1;  ///< exit status, -1 when it did not exit normally
    std::string out;  ///< standard output
    std::string err;  ///< standard error
};

/// \param environment prepended to the command line, e.g. "env -u NAME"
inline CliRun runCli(const std::string& args, const std::string& environment = "") {
    const std::string binary = std::string(AEROLUNE_BINARY_DIR) + "/cli/aerolune-cli";
    EXPECT_TRUE(std::filesystem::exists(binary)) << "build the aerolune-cli target before these tests";
    static int calls = 0;
    const std::string errPath = testing::TempDir() + "aerolune-cli-stderr-" + std::to_string(::getpid()) +
                                "-" + std::to_string(++calls) + ".txt";
    CliRun run;
    FILE* pipe = popen((environment + " " + binary + " " + args + " 2>" + errPath).c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errPath, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    run.err = text.str();
    std::filesystem::remove(errPath);
    return run;
}

/// A failure: the status, nothing on standard output, one line on standard
/// error that names the problem. Bad input is status 2, work that could not be
/// done status 1.
inline void expectFailure(const std::string& args, const std::string& mentions, int status = 2) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, status) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    EXPECT_NE(run.err.find(mentions), std::string::npos) << args << ": " << run.err;
}

inline void expectUsageError(const std::string& args, const std::string& mentions) {
    expectFailure(args, mentions, 2);
}

}  // namespace aerolune::test
