#pragma once
// The standard 16-colour palette the program's colour indexes refer to.

#include <QColor>

namespace aerolune::ui {

/// Colour of palette index 0..15; indexes outside wrap into the palette.
QColor paletteColor(int index);

}  // namespace aerolune::ui
