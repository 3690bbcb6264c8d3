// aerolune-cli polar: the lift-drag polar of the section, laid out as the
// program's polar export writes it, or as JSON or CSV. Several coordinate
// files run across the cores, each printed in the order given; one that
// fails says why on standard error and the others go on.

#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/Polar.h"
#include "analysis/SectionGuard.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OrderedRuns.h"
#include "cli/OutputFormat.h"
#include "cli/PolarOutput.h"
#include "cli/SectionOptions.h"
#include "geometry/SectionDefinition.h"
#include "io/PolarExport.h"

namespace aerolune::cli {

namespace {

struct PolarOptions {
    SectionOptions section;
    OutputFormat format = OutputFormat::Text;
};

// One section's sweep: what it printed and what went wrong. A sweep stopped
// by an error keeps the points it reached, and they are printed.
struct PolarRun {
    std::vector<std::string> notices;  ///< "FILE: notice", from reading the file
    std::string output;                ///< the result in the chosen form
    std::string error;                 ///< why it failed; empty when it did not
};

std::string formatPolar(const SectionOptions& o, OutputFormat format, const AppState& state,
                        const PolarRun& run) {
    const PolarStore& store = state.analysis.polars;
    if (store.count() == 0) return {};  // the section could not be built: nothing was swept
    switch (format) {
        case OutputFormat::Text:
            return polarExportText(polarExportBlocks(store, state.analysis.polarCount));
        case OutputFormat::Csv:
            return polarCsvRows(store[0], o.file);
        case OutputFormat::Json: {
            Json notices = run.notices;
            if (!run.error.empty()) notices.push_back(run.error);
            std::ostringstream line;
            printJsonLine(line, Json{{"inputs", sectionInputs(o, state)},
                                     {"results", Json{{"rows", polarRows(store[0])}}},
                                     {"notices", notices}});
            return line.str();
        }
    }
    return {};
}

// Builds the section and sweeps it. A file that cannot be read throws
// CliError; an error of the sweep is kept in the run beside its points.
PolarRun sweep(const SectionOptions& o, OutputFormat format) {
    SectionSetup setup = sectionSetup(o, 0.0);
    PolarRun run;
    run.notices = std::move(setup.notices);
    AppState& state = setup.state;
    state.section.designationNumber = sectionNumberFromText(state.texts.sectionName);
    CliSeam seam;
    if (guardSection(state, seam)) Polar(state, seam, 2 * state.shared.HalfPoints);
    try {
        seam.throwIfMessage();
    } catch (const AnalysisError& e) {
        run.error = e.what();
    }
    run.output = formatPolar(o, format, state, run);
    return run;
}

void printNotices(const std::vector<std::string>& notices) {
    for (const std::string& notice : notices) std::cerr << "aerolune-cli: " << notice << '\n';
}

int runOne(const PolarOptions& o) {
    const PolarRun run = sweep(o.section, o.format);
    printNotices(run.notices);
    if (o.format == OutputFormat::Csv) std::cout << polarCsvHeader();
    std::cout << run.output;
    std::cout.flush();
    if (!run.error.empty()) throw AnalysisError(run.error);
    return 0;
}

// Each file's run, caught whole: one file's failure is its own.
PolarRun sweepFile(const PolarOptions& o, const std::string& file) {
    SectionOptions section = o.section;
    section.file = file;
    section.files.clear();
    try {
        return sweep(section, o.format);
    } catch (const std::exception& e) {
        PolarRun failed;
        failed.error = e.what();
        return failed;
    }
}

int runBatch(const PolarOptions& o) {
    const std::vector<std::string>& files = o.section.files;
    std::vector<PolarRun> runs(files.size());
    if (o.format == OutputFormat::Csv) std::cout << polarCsvHeader();
    int status = 0;
    runInOrder(
        files.size(), [&](std::size_t k) { runs[k] = sweepFile(o, files[k]); },
        [&](std::size_t k) {
            PolarRun& run = runs[k];
            printNotices(run.notices);
            std::cout << run.output;
            std::cout.flush();
            if (!run.error.empty()) {
                // The reader's own reasons name the file already.
                const bool named = run.error.find(files[k]) != std::string::npos;
                std::cerr << "aerolune-cli: " << (named ? "" : files[k] + ": ") << run.error << '\n';
                status = kStatusFailed;
            }
            run = PolarRun{};  // a long batch keeps only what is still to print
        });
    return status;
}

int runPolar(const PolarOptions& o) {
    if (o.section.files.size() <= 1) {
        PolarOptions one = o;
        if (!o.section.files.empty()) one.section.file = o.section.files.front();
        one.section.files.clear();
        return runOne(one);
    }
    return runBatch(o);
}

}  // namespace

void registerPolar(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<PolarOptions>();
    CLI::App* sub =
        app.add_subcommand("polar", "lift-drag polar from -20 to 20 degrees, as the polar export");
    addSectionOptions(*sub, options->section, FileCount::Many);
    addFormatOption(*sub, options->format);
    sub->callback([options, &run] { run = [options] { return runPolar(*options); }; });
}

}  // namespace aerolune::cli
