#include "app/Commands.h"

#include <QCoreApplication>
#include <functional>
#include <map>
#include <optional>

#include "app/DialogProtocol.h"
#include "app/Help.h"
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
        if (std::string_view(g) != "mnuBlayer") c.menus.checked[g] = false;
    c.state.pub.VFlag = int16_t{1};
    recompute(c, false);
}

Body airfoilSubView(int xchoice) {
    return [xchoice](CommandContext& c) {
        c.state.pub.XChoice = int16_t(xchoice);
        c.menus.checked["mnuBlayer"] = false;
        airfoilView(c);
    };
}

Body groupView(const char* item, int vflag, bool busy) {
    return [=](CommandContext& c) {
        std::optional<ui::BusyCursor> hourglass;
        if (busy) hourglass.emplace();
        checkOnly(c.menus, item);
        c.state.pub.VFlag = int16_t(vflag);
        recompute(c, false);
    };
}

Body polarView(int kind) {
    return [kind](CommandContext& c) {
        c.state.pub.VFlag = int16_t{10};
        c.state.priv.PolarPlotKind = int16_t(kind);
        recompute(c, false);
    };
}

Body boundaryLayerView(int option) {
    return [option](CommandContext& c) {
        ui::BusyCursor hourglass;
        c.state.pub.VFlag = int16_t{7};
        c.state.pub.BlDisplayOpt = int16_t(option);
        recompute(c, false);
    };
}

Body reportView(int vflag, bool busy) {
    return [=](CommandContext& c) {
        c.state.pub.VFlag = int16_t(vflag);
        recompute(c, busy);
    };
}

// Commands whose whole body lives here, by menu item.
const std::map<std::string, Body, std::less<>>& ownCommands() {
    static const std::map<std::string, Body, std::less<>> table = {
        {"mnuCoordinates", airfoilSubView(2)},
        {"mnuAirVel", airfoilSubView(0)},
        {"MnuAirPres", airfoilSubView(1)},
        {"mnuAirBl", airfoilSubView(3)},
        {"mnuAirView",
         [](CommandContext& c) {
             c.state.pub.XChoice = int16_t{3};
             airfoilView(c);
         }},
        {"cp22", groupView("cp22", 2, false)},
        {"Velocity1", groupView("Velocity1", 3, false)},
        {"mnuBlayer", groupView("mnuBlayer", 7, false)},
        {"mnuFlowField", groupView("mnuFlowField", 4, true)},
        {"mnuCp", groupView("mnuCp", 5, true)},
        {"mnuMesh", groupView("mnuMesh", 6, true)},
        {"mnuPolar", polarView(1)},
        {"mnuClvsAoA", polarView(2)},
        {"mnuTransitionPoint", polarView(3)},
        {"mnuClrPolar",
         [](CommandContext& c) {
             c.state.pub.VFlag = int16_t{10};
             c.state.priv.PolarCount = 0;  // the store follows; the plot kind stays
             recompute(c, false);
         }},
        {"mnuUpSurfProf", boundaryLayerView(1)},
        {"mnuLowerSurfProf", boundaryLayerView(2)},
        {"mnuUpSurfThick", boundaryLayerView(3)},
        {"mnuLowSurfThick", boundaryLayerView(4)},
        {"mnuUpStress", boundaryLayerView(5)},
        {"mnuLowSurfStress", boundaryLayerView(6)},
        {"MnuUpdate",
         [](CommandContext& c) {
             c.state.priv.BlUpdatePending = 1;
             recompute(c, true);
         }},
        {"mnuReportAero", reportView(8, true)},
        {"mnuReportFourier", reportView(9, false)},
        {"exit1", [](CommandContext&) { QCoreApplication::quit(); }},
        {"mnuTutorial", [](CommandContext& c) { showHelp(c.window, tutorialHelp()); }},
    };
    return table;
}

// Commands that show a window of their own without the settings protocol.
const std::map<std::string, std::string, std::less<>> kWindowCommands = {
    {"temp1", "Form3"},
    {"about1", "Form2"},
};

// Commands supplied by other parts through the registry, in menu order.
const char* const kSuppliedCommands[] = {
    "air1",           "mnuDXF",        "mnuPSetup", "mnuCopy", "mnuZoomIn", "mnuZoomOUt",   "mnuReset",
    "MnuAirfoilData", "mnuShowPoints", "mnuBBg",    "mnuWBg",  "mnuWhite",  "mnuYellow",    "mnuMagenta",
    "mnuRed",         "mnuCyan",       "mnuGreen",  "mnuBlue", "mnuGray",   "Label5_Click",
    "mnuExportPlot",
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

void EnableMenus(MenuMarks& menus) {
    for (const char* item : kFileItems) menus.enabled[item] = true;
}

void menusBeforeRecompute(const AppState& state, MenuMarks& menus) {
    EnableMenus(menus);
    const bool naca5 = state.shared.SectionFamily.toInt() == 5;
    menus.checked["Digit4"] = !naca5;
    menus.checked["Digit5"] = naca5;
}

void menusAfterRecompute(const AppState& state, MenuMarks& menus) {
    const int vflag = state.pub.VFlag.toInt();
    if (vflag == 4 || vflag == 5 || vflag == 8 || vflag == 9) menus.enabled["air1"] = false;
    menus.enabled["mnuAirBl"] = state.boundaryLayer.mnuAirBlEnabled;
}

bool surfaceLegendShown(int vflag) { return vflag == 2 || vflag == 3; }

}  // namespace aerolune
