#include "numerics/airfoil/NacaSection.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace aerolune {

namespace {

// How far (chords) the upper surface may reach ahead of the mean line's start
// with the nodes still starting there and the sliver ahead left out: up to
// 1e-4 (the 2412 reaches 7.8e-5 ahead) even the 340-point contour keeps its
// first upper panel within about three times its neighbours' length (2.8 on
// the 2412, 3.2 at most). A nose reaching further (the 4412 by 3.0e-4, the
// 23012 by 6.5e-4, the 64012 by 2.7e-3) left a step there, the first upper
// panel up to 30 times its neighbours, so it is laid from its foremost point
// instead.
constexpr double kNoseReach = 1e-4;

// Standard 5-digit mean lines 210..250 at the design lift coefficient 0.3:
// break point m and constant k1, indexed by the position digit 1..5.
constexpr double kFiveDigitM[5] = {0.0580, 0.1260, 0.2025, 0.2900, 0.3910};
constexpr double kFiveDigitK1[5] = {361.400, 51.640, 15.957, 6.643, 3.230};

double clampThickness(int64_t percent) {
    return static_cast<double>(std::clamp<int64_t>(percent, 1, 30)) / 100.0;
}

}  // namespace

NacaParameters parseDesignation(int32_t designation) {
    int64_t digits = std::llabs(static_cast<int64_t>(designation)) % 100000;
    NacaParameters section;
    section.thickness = clampThickness(digits % 100);
    if (digits <= 9999) {
        int64_t camberDigit = digits / 1000;
        int64_t positionDigit = (digits / 100) % 10;
        if (camberDigit > 0 && positionDigit > 0) {
            section.meanLine = NacaParameters::MeanLine::FourDigit;
            section.camber = static_cast<double>(camberDigit) / 100.0;
            section.position = static_cast<double>(positionDigit) / 10.0;
        }
        return section;
    }
    // L P Q TT: design lift 3L/20, break point from P, Q (reflex) ignored.
    int64_t liftDigit = digits / 10000;
    int64_t positionDigit = std::clamp<int64_t>((digits / 1000) % 10, 1, 5);
    section.meanLine = NacaParameters::MeanLine::FiveDigit;
    section.position = kFiveDigitM[positionDigit - 1];
    section.k1 = kFiveDigitK1[positionDigit - 1] * (0.15 * static_cast<double>(liftDigit) / 0.3);
    return section;
}

MeanLinePoint meanLineAt(const NacaParameters& section, double x) {
    switch (section.meanLine) {
        case NacaParameters::MeanLine::Symmetric:
            return {0.0, 0.0};
        case NacaParameters::MeanLine::FourDigit: {
            double m = section.camber;
            double p = section.position;
            if (x < p) return {m / (p * p) * (2.0 * p * x - x * x), 2.0 * m / (p * p) * (p - x)};
            double q = (1.0 - p) * (1.0 - p);
            return {m / q * ((1.0 - 2.0 * p) + 2.0 * p * x - x * x), 2.0 * m / q * (p - x)};
        }
        case NacaParameters::MeanLine::FiveDigit: {
            double m = section.position;
            double k1 = section.k1;
            if (x < m) {
                return {k1 / 6.0 * (x * x * x - 3.0 * m * x * x + m * m * (3.0 - m) * x),
                        k1 / 6.0 * (3.0 * x * x - 6.0 * m * x + m * m * (3.0 - m))};
            }
            return {k1 * m * m * m / 6.0 * (1.0 - x), -k1 * m * m * m / 6.0};
        }
    }
    return {0.0, 0.0};
}

double halfThicknessAt(const NacaParameters& section, double x) {
    x = std::clamp(x, 0.0, 1.0);
    // -0.1036 rather than -0.1015 closes the trailing edge.
    return 5.0 * section.thickness *
           (0.2969 * std::sqrt(x) + x * (-0.1260 + x * (-0.3516 + x * (0.2843 + x * -0.1036))));
}

namespace {

Point surfacePoint(const NacaParameters& section, double t, double side) {
    t = std::clamp(t, 0.0, 1.0);
    MeanLinePoint mean = meanLineAt(section, t);
    double yt = halfThicknessAt(section, t);
    double cosTheta = 1.0 / std::sqrt(1.0 + mean.slope * mean.slope);
    double sinTheta = mean.slope * cosTheta;
    return {t - side * yt * sinTheta, mean.yc + side * yt * cosTheta};
}

// Where a cambered upper surface turns round at the nose its x dips below
// zero: the parameter of its foremost point.
double upperTurningParameter(const NacaParameters& section) {
    if (section.meanLine == NacaParameters::MeanLine::Symmetric) return 0.0;
    double a = 0.0;
    double b = 0.2;
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    for (int i = 0; i < 80; ++i) {
        double c = b - g * (b - a);
        double d = a + g * (b - a);
        if (surfacePoint(section, c, 1.0).x < surfacePoint(section, d, 1.0).x) {
            b = d;
        } else {
            a = c;
        }
    }
    return 0.5 * (a + b);
}

}  // namespace

SectionCurves nacaCurves(const NacaParameters& section) {
    auto upper = [section](double t) { return surfacePoint(section, t, 1.0); };
    auto lower = [section](double t) { return surfacePoint(section, t, -1.0); };
    const double turn = upperTurningParameter(section);
    const Point foremost = upper(turn);
    SectionCurves curves;
    curves.upper = {upper, turn, 1.0};
    curves.trailingEdge = {1.0, meanLineAt(section, 1.0).yc};
    if (foremost.x >= -kNoseReach) {
        curves.lower = {lower, 0.0, 1.0};
        curves.leadingEdge = {0.0, 0.0};
        return curves;
    }
    // The contour turns round at its foremost point: the lower side runs from
    // there back over the nose to the mean line's start (parameter -turn..0)
    // and on along the lower surface, so x grows along both sides. The chord
    // is then taken from that point to the trailing edge: the section is
    // moved and scaled so the chord runs from x = 0 to x = 1, as every laid
    // contour's does.
    const double scale = 1.0 / (1.0 - foremost.x);
    auto onChord = [foremost, scale](Point p) { return Point{(p.x - foremost.x) * scale, p.y * scale}; };
    curves.upper = {[upper, onChord](double t) { return onChord(upper(t)); }, turn, 1.0};
    curves.lower = {[upper, lower, onChord](double s) { return onChord(s < 0.0 ? upper(-s) : lower(s)); },
                    -turn, 1.0};
    curves.leadingEdge = onChord(foremost);
    curves.trailingEdge = onChord(curves.trailingEdge);
    return curves;
}

}  // namespace aerolune
