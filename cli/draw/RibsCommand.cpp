// aerolune-cli ribs: full-size rib templates of a tapered wing as a PDF, the
// same sheets the program prints, for a user without a printer.

#include <iostream>
#include <memory>
#include <string>

#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/DrawingCommands.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"
#include "io/SafeFileWriter.h"
#include "plot/qt/PdfPages.h"
#include "print/RibTemplates.h"

namespace aerolune::cli {

namespace {

struct RibsOptions {
    SectionOptions section;
    std::string rootChord, tipChord, skin = "0", sections = "1", units = "in", paper = "a4", output;
};

int writeFailed(std::string reason) {
    for (char& c : reason) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::cerr << "aerolune-cli: " << reason << '\n';
    return 1;
}

int runRibs(const RibsOptions& o) {
    const print::TemplateRequest request = print::readTemplateFields(
        {o.rootChord, o.tipChord.empty() ? o.rootChord : o.tipChord, o.skin, o.sections, o.units == "cm"});
    if (!request.ok()) throw CliError("nothing printed: " + request.problem);

    AppState state = sectionState(o.section, 0.0);
    CliSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();
    const print::TemplateJob job = print::templateJob(state, request.settings);
    if (job.x.size() < 2) throw AnalysisError("nothing printed: the section could not be built");

    plot::PdfPageSetup setup;
    setup.paper = o.paper == "letter" ? plot::Paper::Letter : plot::Paper::A4;
    // The layout refuses chords, thicknesses and sheet counts the user asked
    // for (a usage error); a document the PDF writer cannot complete is a
    // failure to write.
    std::string refused;
    const plot::PdfPages pdf = plot::renderPdfPages(setup, [&](plot::Surface& page) {
        refused = print::printRibTemplates(page, job);
        return refused;
    });
    if (!refused.empty()) throw CliError("nothing printed: " + refused);
    if (!pdf.problem.empty()) return writeFailed("nothing printed: " + pdf.problem);
    const WriteResult written = writeFileReplacing(o.output, pdf.bytes);
    return written.ok ? 0 : writeFailed(written.reason);
}

}  // namespace

void registerRibs(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<RibsOptions>();
    CLI::App* sub = app.add_subcommand("ribs", kRibsDescription);
    addSectionOptions(*sub, options->section);
    sub->add_option("--root-chord", options->rootChord, "root chord, in the template unit")
        ->required()
        ->check(decimalNumber("the root chord"));
    sub->add_option("--tip-chord", options->tipChord, "tip chord (default: the root chord)")
        ->check(decimalNumber("the tip chord"));
    sub->add_option("--skin", options->skin,
                    "skin thickness: the dashed inner line's distance, 0 to less than half the thinnest rib")
        ->check(decimalNumber("the skin thickness"))
        ->capture_default_str();
    sub->add_option("--sections", options->sections, "ribs from root to tip, 1 to 200")
        ->check(decimalNumber("the number of sections"))
        ->capture_default_str();
    sub->add_option("--units", options->units, "template unit")
        ->check(CLI::IsMember({"in", "cm"}))
        ->capture_default_str();
    sub->add_option("--paper", options->paper, "paper size")
        ->check(CLI::IsMember({"a4", "letter"}))
        ->capture_default_str();
    sub->add_option("--output", options->output, "the PDF to write (replaced only once completely written)")
        ->required()
        ->check(nonEmpty("the output file name"));
    sub->callback([options, &run] { run = [options] { return runRibs(*options); }; });
}

}  // namespace aerolune::cli
