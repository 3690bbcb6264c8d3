#include "analysis/PolarGuard.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/ResultBounds.h"

namespace aerolune {

double largestDisplacement(const Array1<float>& undisplaced, const Array1<float>& displaced, int32_t n) {
    double largest = 0.0;
    for (int32_t j = 1; j <= n; ++j) {
        const double d = std::fabs(static_cast<double>(displaced(j)) - undisplaced(j));
        if (!std::isfinite(d)) return std::numeric_limits<double>::infinity();
        largest = std::max(largest, d);
    }
    return largest;
}

bool couplingStepConverges(const Array1<float>& undisplaced, const Array1<float>& first,
                           const Array1<float>& second, int32_t n) {
    const double firstSize = largestDisplacement(undisplaced, first, n);
    if (!(largestDisplacement(undisplaced, second, n) <= kMostDisplacement)) return false;
    return largestDisplacement(first, second, n) <= kMostCouplingStep * firstSize;
}

std::string polarRowProblem(const PolarPoint& point) {
    if (std::string why = liftProblem(point.cl); !why.empty()) return why;
    if (std::string why = dragProblem(point.cdTimes1000 / 1000.0); !why.empty()) return why;
    if (std::string why = momentProblem(point.cm); !why.empty()) return why;
    if (std::string why = chordPositionProblem(point.upperTransition); !why.empty())
        return "upper transition " + why;
    if (std::string why = chordPositionProblem(point.lowerTransition); !why.empty())
        return "lower transition " + why;
    return {};
}

void markNotComputed(PolarPoint& point, const std::string& why) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    point.cl = point.cdTimes1000 = point.cm = nan;
    point.upperTransition = point.lowerTransition = nan;
    point.notComputed = why.empty() ? "not computed" : why;
}

}  // namespace aerolune
