#include "analysis/LinAero.h"

#include <algorithm>
#include <cmath>

#include "numerics/linaero/Linaero.h"

namespace aerolune {

namespace {

// NH from the point count, held to what the node arrays can supply: station
// NH - 1 reads node 2 NH - 2, so NH may not exceed nodes / 2 + 1.
int32_t camberStationCount(const Variant& numberOfPoints, std::ptrdiff_t nodes) {
    const double requested = std::floor(numberOfPoints.toDouble() / 2.0 + 1.0);
    const double available = std::floor(static_cast<double>(nodes) / 2.0 + 1.0);
    if (!(requested >= 1.0)) return 1;
    return static_cast<int32_t>(std::min(requested, available));
}

// The leading-edge node pairs with itself, so its ordinate is a point of the
// contour, not a midpoint between the surfaces. On a cambered NACA section the
// upper surface runs ahead of that node, and the midpoints at the first
// stations lie some 0.0015 chord (2412) above it: taken as it stands, the
// node puts a step into the camber line at x = 0, and because the Glauert
// integrals weigh the nose as 1/theta, A0, A1, A2... then grow in proportion
// to the number of points (A1 of the 2412 is 0.165 at 120 points and 0.33 at
// 340, against 0.075). Lift and moments hardly notice (the step cancels in
// 2 A0 + A1 and A2 - A1), but the listed coefficients would be meaningless.
// The midpoint line near the nose varies smoothly with sqrt(x) (= sin(theta/2)
// on the cosine stations), so its value at x = 0 is extrapolated by the
// parabola in sqrt(x) through the next three stations. A symmetric section
// keeps 0; with too few stations the node's own ordinate stays.
float leadingEdgeMidpoint(const Array1<float>& xc, const Array1<float>& zc, float nodeOrdinate) {
    if (xc.size() < 5) return nodeOrdinate;
    double s[3], z[3];
    for (int j = 0; j < 3; ++j) {
        s[j] = std::sqrt(std::max(0.0, static_cast<double>(xc(j + 2))));
        z[j] = zc(j + 2);
    }
    if (!(0.0 < s[0] && s[0] < s[1] && s[1] < s[2])) return nodeOrdinate;
    double value = 0.0;
    for (int j = 0; j < 3; ++j) {
        double weight = 1.0;  // Lagrange weight of station j at s = 0
        for (int k = 0; k < 3; ++k)
            if (k != j) weight *= s[k] / (s[k] - s[j]);
        value += weight * z[j];
    }
    return std::isfinite(value) ? static_cast<float>(value) : nodeOrdinate;
}

// The trailing-edge node is the camber line's last point, placed at x = 1. A
// deflected flap swings it forward (to x = 0.997 for 20 % at 10 degrees), and
// moving its ordinate to x = 1 unchanged would bend the last interval of the
// camber line back towards the chord: the thin-airfoil lift of that flap would
// drop from 0.61 to 0.52. The camber line is therefore carried on along its
// last segment, through the node, to x = 1. A node at x = 1, as every
// unflapped section has, keeps its ordinate exactly.
float trailingEdgeOrdinate(float xNode, float zNode, float xLast, float zLast) {
    if (xNode == 1.0f || !(xNode > xLast)) return zNode;
    const double slope = (static_cast<double>(zNode) - zLast) / (static_cast<double>(xNode) - xLast);
    const double value = zNode + slope * (1.0 - xNode);
    return std::isfinite(value) ? static_cast<float>(value) : zNode;
}

}  // namespace

void LinAero::AeroCoeff(const Array1<float>& z, const Array1<float>& x) {
    // 1. stations, order and angle
    const std::ptrdiff_t nodes = std::min(z.size(), x.size());
    NH_ = camberStationCount(NumberOfPoints, nodes);
    order_ = SimulationOrder.toInt();
    alpha_ = static_cast<float>(AngleOfAttack.toDouble() * 4.0 * std::atan(1.0) / 180.0);

    // 2. camber stations: the upper-surface node abscissae from the leading edge
    xc_.resize(static_cast<std::size_t>(NH_));
    for (int32_t i = 1; i <= NH_ - 1; ++i) xc_(i) = x(NH_ + i - 1);
    xc_(1) = 0.0f;
    xc_(NH_) = 1.0f;

    // 3. camber ordinates: the mean of the node pair at each station, the
    //    trailing-edge node last
    zc_.resize(static_cast<std::size_t>(NH_));
    for (int32_t i = 1; i <= NH_ - 1; ++i) zc_(i) = (z(NH_ - i + 1) + z(NH_ + i - 1)) / 2.0f;
    zc_(NH_) = nodes >= 1 ? z(1) : 0.0f;

    // 3a. the two ends, where the nodes are not a pair at the forced station
    zc_(1) = leadingEdgeMidpoint(xc_, zc_, zc_(1));
    if (NH_ >= 2 && nodes >= 1) zc_(NH_) = trailingEdgeOrdinate(x(1), z(1), xc_(NH_ - 1), zc_(NH_ - 1));

    // 4. the Fourier coefficients
    linaero(&alpha_, zc_.data(), xc_.data(), &NH_, &order_, &A0, &A1, &A2, &A3, &A4, &A5, &A6,
            &A7, &A8);
}

}  // namespace aerolune
