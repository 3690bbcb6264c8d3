#include "plot/PlotBox.h"

#include <algorithm>
#include <cmath>

#include "common/FormatPicture.h"

namespace aerolune::plot {

PlotBox placePlotArea(double innerWidth, double innerHeight, double toolbarHeight, double statusHeight,
                      double panelWidth) {
    PlotBox box;
    box.left = 75;
    box.top = toolbarHeight + 100;
    box.width = std::max(0.0, innerWidth - box.left - 100 - panelWidth);
    box.height = std::max(0.0, innerHeight - statusHeight - toolbarHeight - 140);
    return box;
}

double plotAspect(double innerWidth, double innerHeight, double toolbarHeight, double statusHeight,
                  double previous) {
    const double h = innerHeight - statusHeight - toolbarHeight - 40;
    const double w = innerWidth - 200;
    const double aspect = h / w;
    return (w > 0 && h > 0 && std::isfinite(aspect)) ? aspect : previous;
}

std::string cursorReadout(double x, double y) {
    return formatPicture(x, "0.00") + "  x   " + formatPicture(y, "0.000");
}

}  // namespace aerolune::plot
