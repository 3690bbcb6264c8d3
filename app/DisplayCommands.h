#pragma once
// The display commands of the plot area: background, the two curve colours
// (swatch clicks and the colour menu), point markers and Copy. Each changes
// the state only; the caller then redraws the current view (drawing only, no
// recomputation) and mirrors captions and check marks into the window.

#include <QImage>

#include "analysis/AppState.h"
#include "app/CommandRegistry.h"

namespace aerolune {

/// whiteBackground: white background, black drawing colour (foreground colour 0); a
/// curve colour 15 becomes 0 so it stays visible.
void useWhiteBackground(AppState& state);

/// blackBackground: black background, white drawing colour (foreground colour 15); a
/// curve colour 0 becomes 15.
void useBlackBackground(AppState& state);

/// stepSwatchColour(index): steps swatch 0 (lower surface) or 1 (upper) to the
/// next colour: 15, 14 .. 8 and round on black; 14 .. 8, 0 and round on white.
void swatchClick(AppState& state, int swatch);

/// The colour menu's items (colourWhite "White/Black", colourYellow .. colourGray).
enum class ColourMenuItem { WhiteBlack, Yellow, Magenta, Red, Cyan, Green, Blue, Gray };

/// The palette index an item sets: White/Black the drawing colour, then 14,
/// 13, 12, 11, 10, 9, 8.
int colourMenuValue(const AppState& state, ColourMenuItem item);

/// A colour menu item chosen for swatch 0 or 1.
void colourMenuChoice(AppState& state, int swatch, ColourMenuItem item);

/// showPoints: markers of radius 0.007 on, caption "Hide Points"; or off,
/// caption "Show Points".
void toggleShowPoints(AppState& state);

/// copy: the plot area's picture onto the clipboard as a bitmap.
void copyPlot(const QImage& plotImage);

/// Plugs these commands, Copy and File > Export Plot into the menu's
/// registry; each redraws the view (without recomputing) after its change.
void registerDisplayCommands(CommandRegistry& registry);

}  // namespace aerolune
