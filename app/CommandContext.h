#pragma once
// What a menu command works on: the application state, the menu's check marks
// and availability, and the few services of the main window a command calls
// (the owner of its dialogs, the recomputation, the plot area's picture).
// Commands take a CommandContext and nothing else, so tests run them with a
// context whose window is null and whose recomputation is a counter.

#include <QImage>
#include <functional>
#include <map>
#include <string>

#include "analysis/AppState.h"

class QWidget;

namespace aerolune {

class RunResources;

/// Check marks and availability of menu items that change at run time, by
/// item name. The window mirrors them into its menu after every command.
struct MenuMarks {
    std::map<std::string, bool> checked;
    /// The three boundary-layer items start unavailable; only airfoilBoundaryLayerView is
    /// ever made available (by the first boundary-layer solution).
    std::map<std::string, bool> enabled = {
        {"airfoilBoundaryLayerView", false}, {"boundaryLayerView", false}, {"updateBoundaryLayer", false}};
    /// The swatch (0 lower, 1 upper surface) the colour menu was opened over.
    int colourMenuSwatch = 0;

    bool isChecked(const std::string& item) const {
        auto it = checked.find(item);
        return it != checked.end() && it->second;
    }
    bool isEnabled(const std::string& item) const {
        auto it = enabled.find(item);
        return it == enabled.end() || it->second;  // items not listed keep their table state
    }
};

struct CommandContext {
    AppState& state;
    MenuMarks& menus;
    /// Owner of the command's dialogs and message boxes; null without a window.
    QWidget* window = nullptr;
    /// recomputeAndRedraw: recompute and redraw the current view.
    std::function<void()> recompute{};
    /// Draws the current view again from the results as they are (a colour,
    /// background or zoom change needs no new solution).
    std::function<void()> redraw{};
    /// The plot area's current picture, at its size on the screen.
    std::function<QImage()> plotImage{};
    /// What the run keeps beside the state (help, file dialog, printer); null
    /// without a window.
    RunResources* run = nullptr;
};

}  // namespace aerolune
