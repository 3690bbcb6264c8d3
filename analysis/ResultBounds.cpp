#include "analysis/ResultBounds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/NumberText.h"

namespace aerolune {

namespace {

// Four significant digits: enough to see how far out a figure is.
std::string shown(double v) {
    if (!std::isfinite(v)) return "not a number";
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", v);
    return text;
}

}  // namespace

std::string liftProblem(double cl) {
    if (std::isfinite(cl) && std::fabs(cl) <= kMostLift) return {};
    return "lift coefficient " + shown(cl) + " is beyond what a section can give";
}

std::string momentProblem(double cm) {
    if (std::isfinite(cm) && std::fabs(cm) <= kMostMoment) return {};
    return "moment coefficient " + shown(cm) + " is beyond what a section can give";
}

std::string leadingEdgeMomentProblem(double cmLe) {
    const double most = kMostMoment + 0.25 * kMostLift;
    if (std::isfinite(cmLe) && std::fabs(cmLe) <= most) return {};
    return "moment coefficient " + shown(cmLe) + " about the leading edge is beyond what a section can give";
}

std::string dragProblem(double cd) {
    if (std::isfinite(cd) && cd > 0.0 && cd <= kMostDrag) return {};
    return "drag coefficient " + shown(cd) + " is outside 0 to " + formatGeneral(kMostDrag);
}

std::string zeroLiftAngleProblem(double degrees) {
    if (std::isfinite(degrees) && std::fabs(degrees) <= kMostZeroLiftAngle) return {};
    return "zero-lift angle " + shown(degrees) + " degrees is beyond what a section can have";
}

std::string chordPositionProblem(double x) {
    if (std::isfinite(x) && x >= 0.0 && x <= 1.0) return {};
    return "position " + shown(x) + " is off the chord";
}

std::string thinPanelProblem(double thinCl, double panelCl) {
    if (!std::isfinite(thinCl) || !std::isfinite(panelCl)) return "the lift is not a number";
    const double gap = std::fabs(thinCl - panelCl);
    if (gap <= 1.0 || gap <= 0.5 * std::max(std::fabs(thinCl), std::fabs(panelCl))) return {};
    return "thin-airfoil lift " + shown(thinCl) + " and panel lift " + shown(panelCl) +
           " disagree: the contour is beyond what either method can analyse";
}

}  // namespace aerolune
