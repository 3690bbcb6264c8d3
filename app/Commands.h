#pragma once
// The main window's menu commands, as functions on a CommandContext: the view
// commands with their check marks, the dialog commands (DialogProtocol.h),
// the commands other parts supply through the registry, enableFileItems and the
// menu states the recomputation leaves.

#include <string>
#include <string_view>
#include <vector>

#include "app/CommandRegistry.h"

namespace aerolune {

/// The view commands' check-mark group: choosing one checks it alone.
inline constexpr const char* kViewCheckGroup[] = {"surfaceCpView",     "surfaceVelocityView",
                                                  "boundaryLayerView", "streamLinesView",
                                                  "pressureFieldView", "meshView"};

/// The File items enableFileItems makes available again on every recomputation.
inline constexpr const char* kFileItems[] = {"saveViewData", "exportDxf", "printRibTemplates",
                                             "printerSetup"};

/// Every menu item that carries a command, in menu order.
const std::vector<std::string>& menuCommandNames();

/// Whether a menu item's command can run in this build: its dialog or its
/// supplied command is registered. Items not built yet stay disabled.
bool commandAvailable(const CommandRegistry& registry, std::string_view item);

/// Runs the command of a menu item; false when the item has none or its
/// dialog or command is not registered (nothing happens then).
bool runMenuCommand(CommandContext& ctx, const CommandRegistry& registry, std::string_view item);

/// enableFileItems: the four File items available again.
void enableFileItems(MenuMarks& menus);

/// Menu states before the recomputation (enableFileItems; naca4 or naca5
/// checked by SectionFamily) and after it (Save ASCII File off in views 4, 5,
/// 8 and 9; the airfoil's Boundary Layer sub-view once a boundary layer has
/// been solved).
void menusBeforeRecompute(const AppState& state, MenuMarks& menus);
void menusAfterRecompute(const AppState& state, MenuMarks& menus);

/// The surface legend (colour swatches and their captions) belongs to the
/// Cp and velocity views.
bool surfaceLegendShown(int vflag);

}  // namespace aerolune
