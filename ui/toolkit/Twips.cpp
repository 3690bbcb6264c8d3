#include "ui/toolkit/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace aerolune::ui {

namespace {

int twipsPerPixel(double dotsPerInch) {
    if (!(dotsPerInch > 1.0)) return 15;
    return std::max(1, static_cast<int>(std::lround(1440.0 / dotsPerInch)));
}

}  // namespace

int twipsPerPixelX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

int twipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

int toPixelsX(int twips) { return static_cast<int>(std::lround(double(twips) / twipsPerPixelX())); }
int toPixelsY(int twips) { return static_cast<int>(std::lround(double(twips) / twipsPerPixelY())); }
int toTwipsX(int pixels) { return pixels * twipsPerPixelX(); }
int toTwipsY(int pixels) { return pixels * twipsPerPixelY(); }

}  // namespace aerolune::ui
