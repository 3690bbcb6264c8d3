#include "analysis/ThinAirfoil.h"

#include <cmath>

#include "common/FormatPicture.h"

namespace aerolune {

ThinAirfoilResult thinAirfoilCoefficients(const LinAero& aero, double alphaDeg) {
    const double pi = 4.0 * std::atan(1.0);
    const double A0 = aero.A0, A1 = aero.A1, A2 = aero.A2;

    ThinAirfoilResult r;
    r.CmQuarter = pi * (A2 - A1) / 4.0;
    r.ClValue = static_cast<float>(pi * (2.0 * A0 + A1));
    r.CmLeValue = static_cast<float>(-(pi / 2.0) * ((A0 + A1) - A2 / 2.0));
    r.AlphaZeroLift = alphaDeg - (r.ClValue / (2.0 * pi)) * 180.0 / pi;
    r.hasCentreOfPressure = std::fabs(static_cast<double>(r.ClValue)) > 0.01;
    if (r.hasCentreOfPressure) r.centreOfPressure = (0.25 - r.CmQuarter / r.ClValue) * 100.0;
    return r;
}

std::string centreOfPressureText(const ThinAirfoilResult& result) {
    if (!result.hasCentreOfPressure) return "N/A";
    return formatPicture(result.centreOfPressure, "##0") + " %c";
}

}  // namespace aerolune
