#include "plot/ReferenceMarkers.h"

#include <cmath>

namespace aerolune::plot {

namespace {

// Half the square's side, world x units: a quarter of an "X" of the current
// font, so it is as legible on a 600-dpi page as on the screen.
double halfSideX(const Surface& s) { return 0.25 * s.textWidth("X"); }

// The same length in world y units (the axes scale x and y differently).
double halfSideY(const Surface& s, double halfX) {
    const double xPerPixel = std::fabs(s.scaleWidth()) / s.pixelWidth();
    const double yPerPixel = std::fabs(s.scaleHeight()) / s.pixelHeight();
    return xPerPixel > 0 ? halfX * yPerPixel / xPerPixel : halfX;
}

void square(Surface& s, double x, double y, Colour colour, bool filled) {
    const double hx = halfSideX(s);
    const double hy = halfSideY(s, hx);
    s.line(x - hx, y - hy, x + hx, y + hy, colour, filled ? BoxMode::Filled : BoxMode::Box);
}

bool inside(double x, double y, const GraphAxes& a) {
    return x >= a.xMin && x <= a.xMax && y >= a.yMin && y <= a.yMax;
}

}  // namespace

Colour referenceColour(int r, bool whiteBackground) {
    constexpr uint32_t onWhite[] = {0xD05A00, 0x7A2FB0, 0x00866A, 0xC0206A};
    constexpr uint32_t onBlack[] = {0xFF9A30, 0xC890FF, 0x5FE0B8, 0xFF78B8};
    const auto k = static_cast<std::size_t>(r % 4);
    return Colour::fromRgb(whiteBackground ? onWhite[k] : onBlack[k]);
}

void drawReferenceMarkers(Surface& s, const ReferencePolar& polar, int kind, Colour colour,
                          const GraphAxes& axes) {
    s.setDrawStyle(DrawStyle::Solid);
    s.setDrawWidth(1);
    const auto mark = [&](double x, double y, bool filled) {
        if (inside(x, y, axes)) square(s, x, y, colour, filled);
    };
    for (const ReferencePoint& p : polar.points) {
        if (kind == 2) {
            mark(p.alpha, p.cl, true);
            if (polar.hasCm) mark(p.alpha, p.cm, false);
        } else if (kind == 3) {
            if (!polar.hasTransition) continue;
            mark(p.cl, p.upperTransition, true);
            mark(p.cl, p.lowerTransition, false);
        } else {
            mark(p.cl, p.cd * 1000.0, true);
        }
    }
}

void drawReferenceSwatch(Surface& s, double x, double y, Colour colour) { square(s, x, y, colour, true); }

}  // namespace aerolune::plot
