// aerolune-cli plot: one view of the program drawn by its own drawing code
// into a PNG, SVG or PDF file, the format taken from the file's extension.

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/DrawingCommands.h"
#include "cli/MeshOptions.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"
#include "io/ReferencePolarFile.h"
#include "plot/FieldPlots.h"
#include "plot/Views.h"
#include "plot/qt/PlotFile.h"

namespace aerolune::cli {

namespace {

struct PlotView {
    const char* name;
    int vflag;
    int xchoice;
};

constexpr PlotView kViews[] = {
    {"airfoil-velocity", 1, 0},
    {"airfoil-pressure", 1, 1},
    {"airfoil-coordinates", 1, 2},
    {"airfoil-bl", 1, 3},
    {"cp", 2, 2},
    {"velocity", 3, 2},
    {"bl", 7, 2},
    {"polar", 10, 2},
    {"streamlines", 4, 2},
    {"pressure", 5, 2},
    {"mesh", 6, 2},
};

struct PlotOptions {
    SectionOptions section;
    std::string view;
    double alpha = 0.0;
    int kind = 1;
    int blDisplay = 1;
    std::string background = "white";
    std::string size = "1200x800";
    std::string output;
    std::string window;  ///< XMIN,XMAX,YMIN,YMAX of the field views' zoom; empty: the program's reset window
    MeshOptions mesh{"41x21", 10.0, 1.05};  ///< the mesh view's, at the program's start-up values
    std::vector<std::string> references;    ///< reference polar files drawn on the polar view
};

// The reference polars, each read whole before anything is computed: a file
// that cannot be used stops the run with its line and reason.
std::vector<ReferencePolar> readReferences(const PlotOptions& o) {
    if (!o.references.empty() && o.view != "polar")
        throw CliError("--reference draws on the polar view only, not on " + o.view);
    std::vector<ReferencePolar> polars;
    for (const std::string& path : o.references) {
        ReferencePolarRead read = readReferencePolar(path);
        if (!read.ok) throw CliError("cannot read the reference polar " + path + ": " + read.reason);
        polars.push_back(std::move(read.polar));
    }
    return polars;
}

// "XMIN,XMAX,YMIN,YMAX" as four finite numbers.
bool parseWindow(const std::string& text, plot::FieldWindow& w) {
    char extra = 0;
    return std::sscanf(text.c_str(), "%lf,%lf,%lf,%lf%c", &w.xMin, &w.xMax, &w.yMin, &w.yMax, &extra) == 4 &&
           std::isfinite(w.xMin) && std::isfinite(w.xMax) && std::isfinite(w.yMin) && std::isfinite(w.yMax);
}

std::string windowProblem(const std::string& text) {
    plot::FieldWindow w;
    if (!parseWindow(text, w))
        return "the window is given as XMIN,XMAX,YMIN,YMAX in chords, e.g. -0.5,1.5,-1,1";
    if (!(w.xMax > w.xMin) || !(w.yMax > w.yMin)) return "the window's maximum must be above its minimum";
    return "";
}

// The field views' own settings: the zoom window and the mesh view's mesh.
void applyFieldOptions(const PlotOptions& o, int vflag, AppState& state) {
    plot::FieldWindow window;
    if (parseWindow(o.window, window)) plot::storeViewWindow(state, vflag, window);
    const FieldMeshSize mesh = meshSize(o.mesh);
    state.mesh.pointsAround = mesh.ni;
    state.mesh.rings = mesh.nj;
    state.mesh.outerRadius = mesh.radius;
    state.mesh.clustering = mesh.cluster;
}

void drawView(plot::Surface& s, AppState& state, const std::vector<ReferencePolar>& references) {
    if (plot::drawLineView(s, state, references)) return;
    plot::clearPlot(s, plot::plotStyleFrom(state));
    const int view = state.display.view;
    if (state.analysis.field.view != view) return;
    const plot::FieldWindow drawn = plot::drawFieldView(
        s, state.analysis.field, plot::viewWindow(state, view), state.display.foregroundColour);
    plot::storeViewWindow(state, view, drawn);
}

std::string sizeProblem(const std::string& text) {
    int w = 0, h = 0;
    char x = 0, extra = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X'))
        return "the size must be WIDTHxHEIGHT in pixels, e.g. 1200x800";
    if (w < 50 || h < 50 || w > 10000 || h > 10000)
        return "the plot size must be 50 to 10000 pixels each way";
    return "";
}

int runPlot(const PlotOptions& o) {
    const PlotView* view = nullptr;
    for (const PlotView& v : kViews)
        if (o.view == v.name) view = &v;
    if (!view) throw CliError("unknown view " + o.view);
    const std::vector<ReferencePolar> references = readReferences(o);
    AppState state = sectionState(o.section, o.alpha);
    state.display.view = view->vflag;
    state.display.airfoilOverlay = AirfoilOverlay(view->xchoice);
    state.display.boundaryLayerPlot = BoundaryLayerPlot(o.blDisplay);
    state.display.polarKind = PolarKind(o.kind);
    state.display.foregroundColour = o.background == "black" ? 15 : 0;
    if (o.background == "black")
        state.display.lowerSurfaceColour = 15;  // the program's start-up colours on black
    applyFieldOptions(o, view->vflag, state);
    const bool needsLayer = view->vflag == 7 || view->xchoice == 3;
    if (needsLayer)
        state.analysis.boundaryLayerPending = true;  // the airfoil view draws a layer it does not compute
    CliSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();
    if (needsLayer && !state.boundaryLayer.ok) {
        std::cerr << "aerolune-cli: the boundary layer could not be computed: " << state.boundaryLayer.error
                  << '\n';
        return 1;
    }

    int w = 0, h = 0;
    char x = 0;
    std::sscanf(o.size.c_str(), "%d%c%d", &w, &x, &h);
    const WriteResult written =
        plot::writePlotFile(o.output, w, h, [&](plot::Surface& s) { drawView(s, state, references); });
    if (!written.ok) {
        std::cerr << "aerolune-cli: " << written.reason << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

void registerPlot(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<PlotOptions>();
    CLI::App* sub = app.add_subcommand("plot", kPlotDescription);
    std::vector<std::string> names;
    for (const PlotView& v : kViews) names.emplace_back(v.name);
    sub->add_option("view", options->view, "the view to draw")->required()->check(CLI::IsMember(names));
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    sub->add_option("--kind", options->kind, "polar plot: 1 lift-drag, 2 Cl and Cm, 3 transition")
        ->check(CLI::Range(1, 3))
        ->capture_default_str();
    sub->add_option("--bl-display", options->blDisplay,
                    "boundary-layer plot: 1/2 upper/lower profiles, 3/4 thickness, 5/6 friction")
        ->check(CLI::Range(1, 6))
        ->capture_default_str();
    sub->add_option("--background", options->background, "white or black")
        ->check(CLI::IsMember({"white", "black"}))
        ->capture_default_str();
    sub->add_option("--size", options->size, "image size in pixels, WIDTHxHEIGHT")
        ->check(CLI::Validator(sizeProblem, "WxH"))
        ->capture_default_str();
    sub->add_option("--window", options->window,
                    "zoom window of the streamlines, pressure and mesh views, XMIN,XMAX,YMIN,YMAX in chords "
                    "(drawn at equal scale: the x range sets the scale, the y range the centre)")
        ->check(CLI::Validator(windowProblem, "XMIN,XMAX,YMIN,YMAX"));
    addMeshOptions(*sub, options->mesh);
    sub->add_option("--reference", options->references,
                    "a polar file to draw beside ours on the polar view (another solver's saved polar, "
                    "or a table with columns alpha, cl, cd and optionally cm); may be repeated")
        ->allow_extra_args(false)
        ->check(nonEmpty("the reference polar's file name"));
    sub->add_option("--output", options->output, "file to write: .png, .svg or .pdf")
        ->required()
        ->check(CLI::Validator(
            [](const std::string& path) {
                return plot::plotFormatForPath(path) ? std::string()
                                                     : "the output must end in .png, .svg or .pdf";
            },
            "FILE"));
    sub->callback([options, &run] { run = [options] { return runPlot(*options); }; });
}

}  // namespace aerolune::cli
