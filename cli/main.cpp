// aerolune-cli: the program's analysis from the command line, for scripted
// polars and for measurements. The desktop program itself reads no arguments.
// This executable links no Qt library; plot and ribs run in the drawing
// helper (see DrawingCommands.h).

#include "cli/CommandLine.h"
#include "cli/DrawingCommands.h"

int main(int argc, char** argv) {
    using namespace aerolune::cli;
    if (argc > 1 && isDrawingCommand(argv[1])) return runDrawingHelper(argv);
    const Registration registrations[] = {
        {"analyse", registerAnalyse}, {"polar", registerPolar},    {"cp", registerCp},
        {"export", registerExport},   {"dxf", registerDxf},        {"field", registerField},
        {"plot", registerPlotEntry},  {"ribs", registerRibsEntry}, {"report", registerReport}};
    return runCommandLine(argc, argv, registrations);
}
