#pragma once
// Lift, moments, zero-lift angle and centre of pressure from the first three
// Fourier coefficients of the thin-airfoil solution.

#include <string>

#include "analysis/LinAero.h"

namespace aerolune {

struct ThinAirfoilResult {
    double CmQuarter = 0.0;      ///< moment about the quarter chord
    float ClValue = 0.0f;        ///< lift coefficient (held in single precision, as shown)
    float CmLeValue = 0.0f;      ///< moment about the leading edge
    double AlphaZeroLift = 0.0;  ///< zero-lift angle, degrees
    /// The centre of pressure is defined only when |ClValue| > 0.01; near zero
    /// lift it runs off to infinity and the panel shows "N/A" instead.
    bool hasCentreOfPressure = false;
    double centreOfPressure = 0.0;  ///< per cent chord from the leading edge
};

/// The coefficients from A0..A2 of an instance after AeroCoeff:
///   CmQuarter     = pi (A2 - A1) / 4
///   ClValue       = pi (2 A0 + A1)
///   CmLeValue     = -(pi / 2) ((A0 + A1) - A2 / 2)
///   AlphaZeroLift = alphaDeg - (ClValue / (2 pi)) 180 / pi
///   centre of pressure = (0.25 - CmQuarter / ClValue) 100 when |ClValue| > 0.01.
/// \param aero the instance holding A0..A2 (radians)
/// \param alphaDeg the angle of the section solution, degrees
ThinAirfoilResult thinAirfoilCoefficients(const LinAero& aero, double alphaDeg);

/// The results panel's centre-of-pressure read-out: the per cent chord
/// formatted "##0" followed by " %c", or "N/A" when it is not defined.
/// \param result the coefficients of thinAirfoilCoefficients
std::string centreOfPressureText(const ThinAirfoilResult& result);

}  // namespace aerolune
