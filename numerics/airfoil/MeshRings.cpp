#include "numerics/airfoil/MeshRings.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

namespace {

constexpr double kSamePointShare = 1.0e-7;

// Where segment p0-p1 crosses segment q0-q1 strictly inside both: the
// parameter along p0-p1, or -1.
double crossing(double p0x, double p0y, double p1x, double p1y, double q0x, double q0y, double q1x,
                double q1y) {
    const double rx = p1x - p0x, ry = p1y - p0y, sx = q1x - q0x, sy = q1y - q0y;
    const double den = rx * sy - ry * sx;
    if (den == 0.0) return -1.0;
    const double t = ((q0x - p0x) * sy - (q0y - p0y) * sx) / den;
    const double u = ((q0x - p0x) * ry - (q0y - p0y) * rx) / den;
    return (t > 0.0 && t < 1.0 && u > 0.0 && u < 1.0) ? t : -1.0;
}

// Cut off one loop where the contour crosses itself: the shorter side of the
// crossing, unless it holds the trailing edge (point 0). True when cut.
bool cutOneLoop(SectionContour& c) {
    const std::size_t n = c.size();
    for (std::size_t k = 0; k < n; ++k)
        for (std::size_t step = 2; step + 1 < n; ++step) {
            const std::size_t m = (k + step) % n, k1 = (k + 1) % n, m1 = (m + 1) % n;
            const double t = crossing(c.x[k], c.y[k], c.x[k1], c.y[k1], c.x[m], c.y[m], c.x[m1], c.y[m1]);
            if (t < 0.0 || 2 * step > n || k + step >= n) continue;
            // Points k + 1 .. m form the loop; the crossing replaces them.
            const double px = c.x[k] + t * (c.x[k1] - c.x[k]), py = c.y[k] + t * (c.y[k1] - c.y[k]);
            c.x.erase(c.x.begin() + static_cast<std::ptrdiff_t>(k + 1),
                      c.x.begin() + static_cast<std::ptrdiff_t>(m + 1));
            c.y.erase(c.y.begin() + static_cast<std::ptrdiff_t>(k + 1),
                      c.y.begin() + static_cast<std::ptrdiff_t>(m + 1));
            c.x.insert(c.x.begin() + static_cast<std::ptrdiff_t>(k + 1), px);
            c.y.insert(c.y.begin() + static_cast<std::ptrdiff_t>(k + 1), py);
            return true;
        }
    return false;
}

}  // namespace

bool readSectionContour(const float* x, const float* y, int32_t n, SectionContour& contour) {
    contour.x.clear();
    contour.y.clear();
    // Points closer than a ten-millionth of the contour's extent are one point
    // (float rounding of a closed trailing edge leaves such pairs): the panel
    // between them would carry an arbitrary share of the circulating flow.
    double low = 1e300, high = -1e300;
    for (int32_t k = 0; k < n; ++k)
        if (std::isfinite(x[k]) && std::isfinite(y[k])) {
            low = std::min({low, static_cast<double>(x[k]), static_cast<double>(y[k])});
            high = std::max({high, static_cast<double>(x[k]), static_cast<double>(y[k])});
        }
    const double tolerance = high > low ? kSamePointShare * (high - low) : 0.0;
    auto same = [&](double ax, double ay, double bx, double by) {
        return std::hypot(ax - bx, ay - by) <= tolerance;
    };
    for (int32_t k = 0; k < n; ++k) {
        const double px = x[k];
        const double py = y[k];
        if (!std::isfinite(px) || !std::isfinite(py)) continue;
        if (!contour.x.empty() && same(px, py, contour.x.back(), contour.y.back())) continue;
        contour.x.push_back(px);
        contour.y.push_back(py);
    }
    while (contour.size() > 1 &&
           same(contour.x.back(), contour.y.back(), contour.x.front(), contour.y.front())) {
        contour.x.pop_back();
        contour.y.pop_back();
    }
    // A flap turned about a hinge inside the section dips the turned surface
    // into the fixed part on the side that closes, and the contour crosses
    // itself: the mesh follows the outside of the body, the small loop
    // inside is cut off (each cut removes at least one point).
    while (contour.size() >= 4 && cutOneLoop(contour)) {
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

void placeOuterRing(const MeshFrame& frame, double radius, const Array1<double>& angle, double farAngle,
                    Array2<double>& x, Array2<double>& y) {
    const int32_t ni = static_cast<int32_t>(x.rows()), nj = static_cast<int32_t>(x.cols());
    for (int32_t i = 1; i < ni; ++i) {
        const double theta = farAngle - angle(i);
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
