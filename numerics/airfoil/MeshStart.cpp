#include "numerics/airfoil/MeshStart.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

Array1<double> ringRadii(const Array1<double>& s, double circleRadius, double outerRadius) {
    Array1<double> rho(static_cast<std::size_t>(s.size()));
    for (std::ptrdiff_t j = 1; j <= s.size(); ++j)
        rho(j) = circleRadius + s(j) * (outerRadius - circleRadius);
    return rho;
}

void fillConformalStart(const MeshFrame& frame, const Array1<double>& angle, const Array1<double>& rho,
                        double farAngle, Array2<double>& x, Array2<double>& y) {
    const std::ptrdiff_t ni = x.rows(), nj = x.cols();
    const double a = rho(1);
    for (std::ptrdiff_t i = 1; i < ni; ++i) {
        const std::ptrdiff_t ip = i + 1, im = i == 1 ? ni - 1 : i - 1;
        const double turn =
            angle(ip) - angle(i) + (i == 1 ? angle(ni) - angle(ni - 1) : angle(i) - angle(im));
        const double tx = x(ip, 1) - x(im, 1), ty = y(ip, 1) - y(im, 1);
        const double chord = std::hypot(tx, ty);
        if (!(chord > 0.0)) continue;
        // Outward normal of a clockwise ring, and |dz/dw| in circle-radius units.
        const double nx = -ty / chord, ny = tx / chord;
        const double scale = chord / (turn * a);
        const double theta = farAngle - angle(i);
        for (std::ptrdiff_t j = 2; j < nj; ++j) {
            const double nearX = x(i, 1) + nx * scale * (rho(j) - a);
            const double nearY = y(i, 1) + ny * scale * (rho(j) - a);
            const double farX = frame.centreX + rho(j) * std::cos(theta);
            const double farY = frame.centreY + rho(j) * std::sin(theta);
            const double t = std::min(1.0, (rho(j) - a) / a);
            const double w = t * t * (3.0 - 2.0 * t);
            x(i, j) = (1.0 - w) * nearX + w * farX;
            y(i, j) = (1.0 - w) * nearY + w * farY;
        }
    }
    for (std::ptrdiff_t j = 2; j < nj; ++j) {
        x(ni, j) = x(1, j);
        y(ni, j) = y(1, j);
    }
}

}  // namespace aerolune
