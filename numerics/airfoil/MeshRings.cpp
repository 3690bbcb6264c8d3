#include "numerics/airfoil/MeshRings.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

bool readSectionContour(const float* x, const float* y, int32_t n, SectionContour& contour) {
    contour.x.clear();
    contour.y.clear();
    for (int32_t k = 0; k < n; ++k) {
        const double px = x[k];
        const double py = y[k];
        if (!std::isfinite(px) || !std::isfinite(py)) continue;
        if (!contour.x.empty() && px == contour.x.back() && py == contour.y.back()) continue;
        contour.x.push_back(px);
        contour.y.push_back(py);
    }
    while (contour.size() > 1 && contour.x.back() == contour.x.front() && contour.y.back() == contour.y.front()) {
        contour.x.pop_back();
        contour.y.pop_back();
    }
    return contour.size() >= 3;
}

MeshFrame meshFrameOf(const SectionContour& contour) {
    MeshFrame frame;
    const double xTe = contour.x[0];
    const double yTe = contour.y[0];
    double farthest = -1.0;
    for (std::size_t k = 1; k < contour.size(); ++k) {
        const double d = std::hypot(contour.x[k] - xTe, contour.y[k] - yTe);
        if (d > farthest) {
            farthest = d;
            frame.leadingIndex = k;
        }
    }
    frame.centreX = 0.5 * (xTe + contour.x[frame.leadingIndex]);
    frame.centreY = 0.5 * (yTe + contour.y[frame.leadingIndex]);
    frame.trailingAngle = std::atan2(yTe - frame.centreY, xTe - frame.centreX);
    double reach = 0.0;
    for (std::size_t k = 0; k < contour.size(); ++k)
        reach = std::max(reach, std::hypot(contour.x[k] - frame.centreX, contour.y[k] - frame.centreY));
    frame.sectionSize = 2.0 * reach;
    return frame;
}

Array1<double> ringAngles(int32_t ni, const std::vector<double>& contourAngles, const MeshFrame& frame) {
    const int32_t nLower = (ni - 1) / 2, nUpper = ni - 1 - nLower;
    const double leading = contourAngles[frame.leadingIndex], full = contourAngles.back();
    Array1<double> angle(static_cast<std::size_t>(ni));
    for (int32_t k = 0; k <= nLower; ++k) angle(1 + k) = leading * k / nLower;
    for (int32_t k = 1; k <= nUpper; ++k) angle(1 + nLower + k) = leading + (full - leading) * k / nUpper;
    return angle;
}

void placeWallRing(const SectionContour& contour, const std::vector<double>& contourAngles,
                   const Array1<double>& angle, Array2<double>& x, Array2<double>& y) {
    const std::size_t n = contour.size();
    const int32_t ni = static_cast<int32_t>(x.rows());
    std::size_t k = 0;  // contour panel k runs from point k to point k + 1
    for (int32_t i = 1; i < ni; ++i) {
        while (k + 1 < n && contourAngles[k + 1] <= angle(i)) ++k;
        const double span = contourAngles[k + 1] - contourAngles[k];
        const double t = span > 0.0 ? std::clamp((angle(i) - contourAngles[k]) / span, 0.0, 1.0) : 0.0;
        const std::size_t e = (k + 1) % n;
        x(i, 1) = contour.x[k] + t * (contour.x[e] - contour.x[k]);
        y(i, 1) = contour.y[k] + t * (contour.y[e] - contour.y[k]);
    }
    x(ni, 1) = x(1, 1);
    y(ni, 1) = y(1, 1);
}

void placeOuterRing(const MeshFrame& frame, double radius, const Array1<double>& angle, Array2<double>& x,
                    Array2<double>& y) {
    const int32_t ni = static_cast<int32_t>(x.rows()), nj = static_cast<int32_t>(x.cols());
    for (int32_t i = 1; i < ni; ++i) {
        const double theta = frame.trailingAngle - angle(i);
        x(i, nj) = frame.centreX + radius * std::cos(theta);
        y(i, nj) = frame.centreY + radius * std::sin(theta);
    }
    x(ni, nj) = x(1, nj);
    y(ni, nj) = y(1, nj);
}

Array1<double> radialDistribution(int32_t nj, double q) {
    Array1<double> s(static_cast<std::size_t>(nj));
    double interval = 1.0;
    for (int32_t j = 2; j <= nj; ++j) {
        s(j) = s(j - 1) + interval;
        interval *= q;
    }
    for (int32_t j = 2; j <= nj; ++j) s(j) /= s(nj);
    s(nj) = 1.0;
    return s;
}

}  // namespace aerolune
