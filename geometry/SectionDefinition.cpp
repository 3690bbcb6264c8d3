#include "geometry/SectionDefinition.h"

#include <cmath>
#include <limits>

#include "common/NumberText.h"

namespace aerolune {

namespace {

// The thickness takes two digits: a value below 10 gets a leading "0".
std::string twoDigitThickness(const Variant& thickness) {
    return (thickness.toDouble() < 10.0 ? "0" : "") + thickness.toText();
}

}  // namespace

std::string naca4Designation(const Variant& camber, const Variant& position, const Variant& thickness) {
    return camber.toText() + position.toText() + twoDigitThickness(thickness);
}

std::string naca5Designation(const Variant& liftDigit, const Variant& camberPos, const Variant& thickness) {
    return liftDigit.toText() + camberPos.toText() + twoDigitThickness(thickness);
}

int32_t sectionNumberFromText(std::string_view text1) {
    const double value = std::trunc(readLeadingNumber(text1));
    if (!(value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max()))
        return 0;
    return static_cast<int32_t>(value);
}

// A deflection or length that is not a number means no flap rather than a
// contour built from NaN.
float flapRadians(double deflectionDeg) {
    if (!std::isfinite(deflectionDeg)) return 0.0f;
    return static_cast<float>(deflectionDeg / 180.0 * 3.14159265);
}

float flapHinge(double lengthPct) {
    if (!std::isfinite(lengthPct)) return 1.0f;
    return static_cast<float>((100.0 - lengthPct) / 100.0);
}

int32_t halfPointsFromTotal(double total) {
    const double half = total / 2.0;
    if (!(half >= kMinHalfPoints)) return kMinHalfPoints;
    if (half >= kMaxHalfPoints) return kMaxHalfPoints;
    double nearest = std::floor(half);
    const double fraction = half - nearest;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(nearest, 2.0) != 0.0)) nearest += 1.0;
    return static_cast<int32_t>(nearest);
}

}  // namespace aerolune
