#pragma once
// Twips (1/1440 inch) to pixels and back, at the screen's real resolution.

namespace aerolune::ui {

/// Screen twips per pixel, horizontal and vertical (15 at 96 dots per inch).
int twipsPerPixelX();
int twipsPerPixelY();

int toPixelsX(int twips);
int toPixelsY(int twips);
int toTwipsX(int pixels);
int toTwipsY(int pixels);

}  // namespace aerolune::ui
