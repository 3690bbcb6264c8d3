#include "analysis/EffectiveAngle.h"

#include <cmath>
#include <numbers>

#include "analysis/LinAero.h"
#include "common/Array.h"

namespace aerolune {

double effectiveAngle(double angleDeg, double zeroLiftDeg, double correctionDeg) {
    const double excess = angleDeg - zeroLiftDeg;
    if (excess == 0.0) return angleDeg;
    const double magnitude = std::fabs(excess);
    const double shrink = -std::copysign(1.0, excess) * correctionDeg;
    if (!(shrink > 0.0)) return angleDeg;
    return zeroLiftDeg + excess * magnitude / (magnitude + shrink);
}

double contourZeroLiftAngle(const float* nodeX, const float* nodeY, int32_t panelCount) {
    Array1<float> x(static_cast<std::size_t>(panelCount)), y(static_cast<std::size_t>(panelCount));
    for (int32_t i = 1; i <= panelCount; ++i) {
        x(i) = nodeX[i - 1];
        y(i) = nodeY[i - 1];
    }
    LinAero aero;
    aero.angleDeg = 0.0;
    aero.pointCount = panelCount;
    aero.quadratureOrder = 200;
    aero.AeroCoeff(y, x);
    // Cl = pi (2 A0 + A1) at no angle, and Cl = 2 pi (alpha - alpha_0).
    const double alpha0 = -0.5 * (2.0 * static_cast<double>(aero.A0) + aero.A1);
    return alpha0 * 180.0 / std::numbers::pi;
}

}  // namespace aerolune
