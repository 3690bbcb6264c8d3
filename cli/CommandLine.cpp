#include "cli/CommandLine.h"

#include <algorithm>
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

    // A command line that names a subcommand sets up that one only; help
    // and the errors without one list them all.
    CommandRun run;
    if (argc > 1 && argv[1][0] != '-') {
        const std::string chosen = argv[1];
        const auto entry = std::find_if(registrations.begin(), registrations.end(),
                                        [&](const Registration& r) { return chosen == r.name; });
        if (entry == registrations.end()) {
            printError("unknown subcommand " + chosen + " (see --help)");
            return kStatusUsage;
        }
        entry->add(app, run);
    } else {
        for (const Registration& r : registrations) r.add(app, run);
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
