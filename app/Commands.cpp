#include "app/Commands.h"

#include <QCoreApplication>
#include <functional>
#include <map>
#include <optional>

#include "analysis/ViewFacts.h"
#include "app/DialogProtocol.h"
#include "app/Help.h"
#include "app/ReferencePolarCommands.h"
#include "app/ZoomCommands.h"
#include "plot/FieldWindow.h"
#include "ui/toolkit/BusyCursor.h"

namespace aerolune {

namespace {

using Body = std::function<void(CommandContext&)>;

void recompute(CommandContext& c, bool busy) {
    std::optional<ui::BusyCursor> hourglass;
    if (busy) hourglass.emplace();
    if (c.recompute) c.recompute();
}

void checkOnly(MenuMarks& menus, std::string_view item) {
    for (const char* g : kViewCheckGroup) menus.checked[g] = item == g;
}

// The airfoil view leaves the boundary-layer mark to the sub-commands.
void airfoilView(CommandContext& c) {
    for (const char* g : kViewCheckGroup)
        if (std::string_view(g) != "boundaryLayerView") c.menus.checked[g] = false;
    c.state.display.view = 1;
    recompute(c, false);
}

Body airfoilSubView(AirfoilOverlay overlay) {
    return [overlay](CommandContext& c) {
        c.state.display.airfoilOverlay = overlay;
        c.menus.checked["boundaryLayerView"] = false;
        airfoilView(c);
    };
}

Body groupView(const char* item, int vflag, bool busy) {
    return [=](CommandContext& c) {
        std::optional<ui::BusyCursor> hourglass;
        if (busy) hourglass.emplace();
        checkOnly(c.menus, item);
        c.state.display.view = vflag;
        recompute(c, false);
    };
}

Body polarView(PolarKind kind) {
    return [kind](CommandContext& c) {
        c.state.display.view = 10;
        c.state.display.polarKind = kind;
        recompute(c, false);
    };
}

Body boundaryLayerView(BoundaryLayerPlot plot) {
    return [plot](CommandContext& c) {
        ui::BusyCursor hourglass;
        c.state.display.view = 7;
        c.state.display.boundaryLayerPlot = plot;
        recompute(c, false);
    };
}

Body reportView(int vflag, bool busy) {
    return [=](CommandContext& c) {
        c.state.display.view = vflag;
        recompute(c, busy);
    };
}

// Commands whose whole body lives here, by menu item.
const std::map<std::string, Body, std::less<>>& ownCommands() {
    static const std::map<std::string, Body, std::less<>> table = {
        {"coordinatesView", airfoilSubView(AirfoilOverlay::Coordinates)},
        {"airfoilVelocityView", airfoilSubView(AirfoilOverlay::SurfaceVelocity)},
        {"airfoilPressureView", airfoilSubView(AirfoilOverlay::SurfacePressure)},
        {"airfoilBoundaryLayerView", airfoilSubView(AirfoilOverlay::BoundaryLayer)},
        {"boundaryLayerAirfoilView",
         [](CommandContext& c) {
             c.state.display.airfoilOverlay = AirfoilOverlay::BoundaryLayer;
             airfoilView(c);
         }},
        {"surfaceCpView", groupView("surfaceCpView", 2, false)},
        {"surfaceVelocityView", groupView("surfaceVelocityView", 3, false)},
        {"boundaryLayerView", groupView("boundaryLayerView", 7, false)},
        {"streamLinesView", groupView("streamLinesView", 4, true)},
        {"pressureFieldView", groupView("pressureFieldView", 5, true)},
        {"meshView", groupView("meshView", 6, true)},
        {"polarView", polarView(PolarKind::LiftDrag)},
        {"liftMomentView", polarView(PolarKind::LiftMomentAngle)},
        {"transitionPointView", polarView(PolarKind::TransitionPoints)},
        {"resetPolars",
         [](CommandContext& c) {
             // The polar view empties at once (the plot kind stays); the next
             // polar asked for is swept anew.
             c.state.display.view = 10;
             c.state.analysis.polarCount = 0;
             c.state.analysis.polars.truncate(0);
             clearReferencePolars(c.state);
             c.state.texts.StatusCaption = " Current Airfoil: " + c.state.texts.sectionName;
             c.menus.enabled["saveViewData"] = false;  // nothing left to save
             if (c.redraw) c.redraw();
         }},
        {"upperProfilesView", boundaryLayerView(BoundaryLayerPlot::UpperProfiles)},
        {"lowerProfilesView", boundaryLayerView(BoundaryLayerPlot::LowerProfiles)},
        {"upperThicknessView", boundaryLayerView(BoundaryLayerPlot::UpperThickness)},
        {"lowerThicknessView", boundaryLayerView(BoundaryLayerPlot::LowerThickness)},
        {"upperFrictionView", boundaryLayerView(BoundaryLayerPlot::UpperFriction)},
        {"lowerFrictionView", boundaryLayerView(BoundaryLayerPlot::LowerFriction)},
        {"updateBoundaryLayer",
         [](CommandContext& c) {
             c.state.analysis.boundaryLayerPending = true;
             recompute(c, true);
         }},
        {"coefficientsReport", reportView(8, true)},
        {"fourierReport", reportView(9, false)},
        {"exit", [](CommandContext&) { QCoreApplication::quit(); }},
        {"helpContents",
         [](CommandContext& c) {
             if (c.run) showHelp(*c.run, c.window, tutorialHelp());
         }},
    };
    return table;
}

// Commands that show a window of their own without the settings protocol.
const std::map<std::string, std::string, std::less<>> kWindowCommands = {
    {"printRibTemplates", "RibTemplateDialog"},
    {"about", "AboutDialog"},
};

// Commands supplied by other parts through the registry, in menu order.
const char* const kSuppliedCommands[] = {
    "saveViewData",    "exportDxf",         "printerSetup",       "copy",          "zoomIn",
    "zoomOut",         "zoomReset",         "openCoordinateFile", "showPoints",    "blackBackground",
    "whiteBackground", "colourWhite",       "colourYellow",       "colourMagenta", "colourRed",
    "colourCyan",      "colourGreen",       "colourBlue",         "colourGray",    "stepSwatchColour",
    "exportPlot",      "addReferencePolar",
};

bool isSupplied(std::string_view item) {
    for (const char* s : kSuppliedCommands)
        if (item == s) return true;
    return false;
}

}  // namespace

const std::vector<std::string>& menuCommandNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& [name, body] : ownCommands()) all.push_back(name);
        for (const DialogCommand& d : dialogCommands()) all.push_back(d.command);
        for (const auto& [name, dialog] : kWindowCommands) all.push_back(name);
        for (const char* s : kSuppliedCommands) all.push_back(s);
        return all;
    }();
    return names;
}

bool commandAvailable(const CommandRegistry& registry, std::string_view item) {
    if (ownCommands().count(item)) return true;
    if (const DialogCommand* d = findDialogCommand(item)) return registry.hasDialog(d->dialog);
    if (auto it = kWindowCommands.find(item); it != kWindowCommands.end())
        return registry.hasDialog(it->second);
    return isSupplied(item) && registry.hasCommand(std::string(item));
}

bool runMenuCommand(CommandContext& ctx, const CommandRegistry& registry, std::string_view item) {
    if (!commandAvailable(registry, item)) return false;
    if (auto own = ownCommands().find(item); own != ownCommands().end()) {
        own->second(ctx);
    } else if (const DialogCommand* d = findDialogCommand(item)) {
        runDialogCommand(ctx, *d, registry.dialogs.at(d->dialog));
    } else if (auto w = kWindowCommands.find(item); w != kWindowCommands.end()) {
        registry.dialogs.at(w->second)(ctx);
    } else {
        registry.commands.at(std::string(item))(ctx);
    }
    return true;
}

void enableFileItems(MenuMarks& menus) {
    for (const char* item : kFileItems) menus.enabled[item] = true;
}

void menusBeforeRecompute(const AppState& state, MenuMarks& menus) {
    enableFileItems(menus);
    // The item that made the current section carries the check.
    const bool fromFile = state.section.fromFile;
    const bool naca5 = state.shared.SectionFamily.toInt() == 5;
    menus.checked["naca4"] = !fromFile && !naca5;
    menus.checked["naca5"] = !fromFile && naca5;
    menus.checked["openCoordinateFile"] = fromFile;
}

void menusAfterRecompute(const AppState& state, MenuMarks& menus) {
    const int vflag = state.display.view;
    const bool noCurves = vflag == 4 || vflag == 5 || vflag == 8 || vflag == 9;
    const bool noPolar = vflag == 10 && state.analysis.polars.count() == 0;
    if (noCurves || noPolar) menus.enabled["saveViewData"] = false;
    // Points are marked on the curves of the line views only.
    menus.enabled["showPoints"] = !noCurves && vflag != 6;
    // The zoom items act on the field views, Zoom In while the window can shrink.
    menus.enabled["zoomIn"] = canZoomIn(state);
    menus.enabled["zoomOut"] = menus.enabled["zoomReset"] = plot::isZoomView(vflag);
    // Reference polars are drawn on the polar views only.
    menus.enabled["addReferencePolar"] = vflag == 10;
    menus.enabled["airfoilBoundaryLayerView"] = state.boundaryLayer.airfoilBoundaryLayerViewEnabled;
}

bool surfaceLegendShown(int vflag) { return viewFacts(vflag).surfaceLegend; }

}  // namespace aerolune
