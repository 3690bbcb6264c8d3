#include "numerics/airfoil/MeshLimits.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

int32_t workingMeshDimension(int32_t requested) {
    return std::clamp(requested, kMinMeshDimension, kMaxMeshDimension);
}

double workingOuterRadius(double requested, double sectionSize) {
    if (!std::isfinite(requested) || requested <= sectionSize) return 2.0 * sectionSize;
    return std::min(requested, kMaxRadiusInSections * sectionSize);
}

namespace {

// First interval of a geometric distribution of nj - 1 intervals with ratio q
// over a unit distance.
double firstInterval(double q, int32_t nj) {
    const double n = static_cast<double>(nj - 1);
    return (q - 1.0) / std::expm1(n * std::log(q));
}

}  // namespace

double workingClusteringRatio(double requested, int32_t nj) {
    double q = (std::isfinite(requested) && requested > 1.0) ? requested : kMinClusteringRatio;
    q = std::max(q, kMinClusteringRatio);
    if (nj < 3 || firstInterval(q, nj) >= kMinFirstSpacing) return q;
    // Too strong for this many rings: the largest ratio whose first interval is
    // still kMinFirstSpacing (the first interval falls as the ratio grows).
    double lo = kMinClusteringRatio;
    double hi = q;
    for (int k = 0; k < 60; ++k) {
        const double mid = 0.5 * (lo + hi);
        (firstInterval(mid, nj) >= kMinFirstSpacing ? lo : hi) = mid;
    }
    return lo;
}

}  // namespace aerolune
