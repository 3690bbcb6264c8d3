#include "print/CalibrationRuler.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace aerolune::print {

namespace {

constexpr double kStripInches = 1.0;
constexpr double kTopInches = 0.25;  // from the top of the printable area to the ruler's zero

struct Scale {
    double lineX;        // the ruler's line, inches from the right edge
    int ticksPerMajor;   // ticks per whole unit
    int majors;          // the stated length in the scale's own unit (10 cm, 4 in)
    double unitInches;   // one of the scale's units in inches
    const char* suffix;  // after the stated length
};

// One scale: a line of the stated length, ticks to its right (the whole
// units long, the steps between short) and its length printed beside it.
void drawScale(plot::Surface& page, const Scale& s, double perInch, double width, double height) {
    const double usable = height / perInch - 2 * kTopInches;
    const int majors = std::min(s.majors, static_cast<int>(std::floor(usable / s.unitInches)));
    if (majors < 1) return;
    const double x = width - s.lineX * perInch;
    const double top = kTopInches * perInch;
    const double length = majors * s.unitInches * perInch;
    page.line(x, top, x, top + length, plot::kBlack);
    const int ticks = majors * s.ticksPerMajor;
    for (int k = 0; k <= ticks; ++k) {
        const double y = top + length * k / ticks;
        const double tick = (k % s.ticksPerMajor == 0 ? 0.12 : 0.06) * perInch;
        page.line(x, y, x + tick, y, plot::kBlack);
    }
    const bool metric = s.unitInches < 1.0;
    const std::string text = std::to_string(metric ? majors * 10 : majors) + s.suffix;
    page.setCurrent(x - 0.03 * perInch, top);
    page.printText(text);
}

}  // namespace

double rulerStripWidth(bool centimetres) { return kStripInches * (centimetres ? 2.54 : 1.0); }

void drawCalibrationRuler(plot::Surface& page, bool centimetres, double width, double height) {
    const double perInch = centimetres ? 2.54 : 1.0;
    const plot::FontSpec before = page.font();
    plot::FontSpec font = before;
    font.points = 8;
    font.escapementDegrees = -90;  // running down the page beside the scale
    page.setFont(font);
    page.setDrawStyle(plot::DrawStyle::Solid);
    page.setDrawWidth(1);
    drawScale(page, {0.75, 2, 10, 1.0 / 2.54, " mm"}, perInch, width, height);
    drawScale(page, {0.3, 4, 4, 1.0, " in"}, perInch, width, height);
    page.setFont(before);
}

}  // namespace aerolune::print
