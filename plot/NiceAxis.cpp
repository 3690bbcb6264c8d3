#include "plot/NiceAxis.h"

#include <algorithm>
#include <cmath>

namespace aerolune::plot {

AxisRange niceRange(double lo, double hi, int maxDivisions) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(hi > lo)) return {};
    maxDivisions = std::max(1, maxDivisions);
    constexpr double eps = 1e-9;  // a value on a tick up to rounding stays on it
    const double rough = (hi - lo) / maxDivisions;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (double scale = decade;; scale *= 10) {
        for (const double mantissa : {1.0, 2.0, 2.5, 5.0}) {
            const double step = mantissa * scale;
            const double first = std::floor(lo / step + eps);
            const double last = std::ceil(hi / step - eps);
            const auto divisions = static_cast<int>(std::lround(last - first));
            if (divisions <= maxDivisions) return {first * step, last * step, std::max(1, divisions)};
        }
    }
}

}  // namespace aerolune::plot
