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

    // 4. the Fourier coefficients
    linaero(&alpha_, zc_.data(), xc_.data(), &NH_, &order_, &A0, &A1, &A2, &A3, &A4, &A5, &A6,
            &A7, &A8);
}

}  // namespace aerolune
