#include "cli/CommandLine.h"

#include <exception>
#include <iostream>
#include <string>

namespace aerolune::cli {

namespace {

// One line, whatever the message holds.
void printError(const std::string& message) {
    std::string line = message;
    for (char& c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::cerr << "aerolune-cli: " << line << '\n';
}

}  // namespace

int runCommandLine(int argc, char** argv, std::span<const Registration> registrations) {
    CLI::App app{"Aerolune section analysis: results panel, surface pressure and lift-drag polars."};
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 done; 1 the work could not be done (a file that cannot be written, a section "
        "that cannot be built, an analysis without a finite result); 2 a usage error (an unknown "
        "subcommand or option, a value out of range, a file that cannot be read).");

    CommandRun run;
    for (Registration add : registrations) add(app, run);

    if (argc > 1 && argv[1][0] != '-') {
        bool known = false;
        for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
            known = known || sub->get_name() == argv[1];
        if (!known) {
            printError(std::string("unknown subcommand ") + argv[1] + " (see --help)");
            return kStatusUsage;
        }
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help
        printError(e.what());
        return kStatusUsage;
    }
    try {
        return run ? run() : kStatusUsage;
    } catch (const CliError& e) {
        printError(e.what());
        return kStatusUsage;
    } catch (const AnalysisError& e) {
        printError(e.what());
    } catch (const std::exception& e) {
        printError(std::string("unexpected failure: ") + e.what());
    }
    return kStatusFailed;
}

}  // namespace aerolune::cli
